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
    return CreateTableIfMissing(session, *table);
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
