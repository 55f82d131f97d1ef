#include "store/tables.hpp"

#include "db/catalogue.hpp"
#include "db/errors.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"
#include "db/transaction.hpp"
#include "store/schema.hpp"

#include <algorithm>
#include <string>

namespace kvarn::store {
namespace {

void CreateAllMissing(db::Session& session, std::span<const TableSpec> tables) {
    db::AllOrNothing(session, [&] {
        for (const TableSpec& table : tables) CreateTableIfMissing(session, table);
    });
}

bool HasFields(const std::vector<db::FieldDef>& columns, const db::IndexDef& index) {
    return std::all_of(index.fields.begin(), index.fields.end(), [&](const std::string& field) {
        return std::any_of(columns.begin(), columns.end(),
                           [&](const db::FieldDef& column) { return db::AsciiUpper(column.name) == db::AsciiUpper(field); });
    });
}

// Older releases made some tables without their named indexes: an existing table gets those of
// the current layout it lacks, when it has their fields.
void AddMissingIndexes(db::Session& session, const TableSpec& table) {
    const char* alias = AliasName(table.alias);
    const std::optional<std::string> found = session.FindTable(alias, table.name);
    if (!found) return;
    const std::string schema = session.SchemaOfAlias(alias);
    db::Connection& connection = session.connection();
    const std::vector<db::IndexDef> present = db::ReadIndexes(connection, schema, *found);
    const std::vector<db::FieldDef> columns = db::ReadFields(connection, schema, *found);
    db::TableDef definition = StoredDefinition(table);
    definition.name = *found;
    db::AllOrNothing(session, [&] {
        for (const db::IndexDef& index : definition.indexes)
            if (!db::FindIndex(present, index.name) && HasFields(columns, index))
                connection.Execute(db::IndexStatement(schema, definition, index));
    });
}

}  // namespace

bool CreateTableIfMissing(db::Session& session, const TableSpec& table) {
    const char* alias = AliasName(table.alias);
    if (session.TableExists(alias, table.name)) return false;
    db::CreateTable(session, alias, StoredDefinition(table));
    return true;
}

void CreateDossierTables(db::Session& session) { CreateAllMissing(session, PermanentTables()); }

bool CreateMissingTable(db::Session& session, std::string_view suffix) {
    const TableSpec* table = FindTableOfSuffix(suffix);
    if (!table) throw db::DbError("Aucune table du dossier n'a le suffixe « " + std::string(suffix) + " »");
    if (CreateTableIfMissing(session, *table)) return true;
    AddMissingIndexes(session, *table);
    return false;
}

void CreateWorkingTables(db::Session& session) { CreateAllMissing(session, WorkingTables()); }

std::optional<std::string> LayoutDifference(db::Session& session) {
    for (const TableSpec& table : PermanentTables()) {
        const std::optional<std::string> found = session.FindTable(AliasName(table.alias), table.name);
        if (!found) continue;
        const std::vector<db::FieldDef> columns =
            db::ReadFields(session.connection(), session.SchemaOfAlias(AliasName(table.alias)), *found);
        for (const FieldSpec& field : table.fields) {
            const auto named = [&](const db::FieldDef& column) { return db::AsciiUpper(column.name) == db::AsciiUpper(field.name); };
            if (!field.calculated && std::none_of(columns.begin(), columns.end(), named))
                return "table " + std::string(table.name) + " : champ « " + field.name + " » absent";
        }
    }
    return std::nullopt;
}

}  // namespace kvarn::store
