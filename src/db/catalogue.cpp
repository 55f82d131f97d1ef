#include "db/catalogue.hpp"

#include "common/text.hpp"
#include "db/errors.hpp"
#include "db/french_collation.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "db/transaction.hpp"

namespace kvarn::db {
namespace {

const FieldDef& FieldNamed(const TableDef& table, std::string_view name) {
    for (const FieldDef& field : table.fields)
        if (EqualsIgnoringCase(field.name, name)) return field;
    throw DbError("L'index de la table " + table.name + " porte sur un champ inconnu : " +
                  std::string(name));
}

// The collation that marks the text fields of a case-insensitive index in the schema: SQLite's
// own, so that any SQLite program can maintain the index.
constexpr const char* STORED_COLLATION = "NOCASE";

std::string ColumnDefinition(const FieldDef& field) {
    return QuoteIdentifier(field.name) + " " + DeclaredType(field.type, field.size);
}

}  // namespace

std::string IndexStatement(const std::string& schema, const TableDef& table, const IndexDef& index) {
    std::string sql = std::string("CREATE ") + (index.unique ? "UNIQUE " : "") + "INDEX " + schema +
                      "." + QuoteIdentifier(PhysicalIndexName(table.name, index.name)) + " ON " +
                      QuoteIdentifier(table.name) + " (";
    for (std::size_t i = 0; i < index.fields.size(); ++i) {
        const FieldDef& field = FieldNamed(table, index.fields[i]);
        if (i) sql += ", ";
        sql += QuoteIdentifier(field.name);
        if (field.type == FieldType::Alpha && index.caseInsensitive) sql += std::string(" COLLATE ") + STORED_COLLATION;
    }
    return sql + ")";
}

std::string PhysicalIndexName(std::string_view table, std::string_view index) {
    return std::string(table) + "$" + std::string(index);
}

void CreateTable(Session& session, std::string_view alias, const TableDef& table) {
    const std::string schema = session.SchemaOfAlias(alias);
    if (session.TableExists(alias, table.name))
        throw DbError("La table " + table.name + " existe déjà");
    std::string sql = "CREATE TABLE " + schema + "." + QuoteIdentifier(table.name) + " (";
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        if (table.fields[i].calculated)
            throw DbError("Le champ calculé " + table.fields[i].name + " ne peut pas être stocké");
        sql += (i ? ", " : "") + ColumnDefinition(table.fields[i]);
    }
    sql += ")";
    Connection& connection = session.connection();
    AllOrNothing(session, [&] {
        connection.Execute(sql);
        for (const IndexDef& index : table.indexes) connection.Execute(IndexStatement(schema, table, index));
    });
}

std::vector<FieldDef> ReadFields(Connection& connection, const std::string& schema,
                                 const std::string& table) {
    Statement info(connection.Handle(),
                   "SELECT name, type, pk FROM pragma_table_info(?1, ?2) ORDER BY cid");
    info.BindText(1, table);
    info.BindText(2, schema);
    std::vector<FieldDef> fields;
    while (info.Step()) {
        const std::string_view name = info.ColumnText(0);
        const std::string_view type = info.ColumnText(1);
        auto field = FieldFromCatalogue(name, type, info.ColumnInteger(2) != 0);
        if (!field) {
            const std::string message = "Le champ " + std::string(name) + " de la table " + table +
                                        " a un type inconnu : " + std::string(type);
            info.Reset();
            throw DbError(message);
        }
        fields.push_back(std::move(*field));
    }
    info.Reset();
    return fields;
}

std::vector<IndexDef> ReadIndexes(Connection& connection, const std::string& schema,
                                  const std::string& table) {
    const std::string prefix = table + "$";
    Statement list(connection.Handle(),
                   "SELECT name, \"unique\" FROM pragma_index_list(?1, ?2) WHERE origin='c'");
    list.BindText(1, table);
    list.BindText(2, schema);
    Statement columns(connection.Handle(),
                      "SELECT name, coll FROM pragma_index_xinfo(?1, ?2) WHERE key=1 ORDER BY seqno");
    std::vector<IndexDef> indexes;
    while (list.Step()) {
        const std::string physical(list.ColumnText(0));
        if (physical.size() <= prefix.size() ||
            !EqualsIgnoringCase(std::string_view(physical).substr(0, prefix.size()), prefix))
            continue;
        IndexDef index{physical.substr(prefix.size()), {}, list.ColumnInteger(1) != 0, false};
        columns.BindText(1, physical);
        columns.BindText(2, schema);
        while (columns.Step()) {
            index.fields.emplace_back(columns.ColumnText(0));
            const std::string_view collation = columns.ColumnText(1);
            if (collation == STORED_COLLATION || collation == FRENCH_COLLATION) index.caseInsensitive = true;
        }
        columns.Reset();
        indexes.push_back(std::move(index));
    }
    list.Reset();
    return indexes;
}

void PlainIndexes(Session& session, std::string_view alias) {
    const std::string schema = session.SchemaOfAlias(alias);
    Connection& connection = session.connection();
    Statement find(connection.Handle(), "SELECT DISTINCT tbl_name FROM " + schema +
                                            ".sqlite_master WHERE type='index' AND sql LIKE ?1");
    find.BindText(1, std::string("%COLLATE ") + FRENCH_COLLATION + "%");
    std::vector<std::string> tables;
    while (find.Step()) tables.emplace_back(find.ColumnText(0));
    find.Reset();
    if (tables.empty()) return;
    AllOrNothing(session, [&] {
        for (const std::string& table : tables) {
            const TableDef definition{table, ReadFields(connection, schema, table), {}};
            for (const IndexDef& index : ReadIndexes(connection, schema, table)) {
                connection.Execute("DROP INDEX " + schema + "." + QuoteIdentifier(PhysicalIndexName(table, index.name)));
                connection.Execute(IndexStatement(schema, definition, index));
            }
        }
    });
}

std::vector<std::string> SplitFieldList(std::string_view list) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        std::string name = Trim(list.substr(start, end - start));
        if (!name.empty()) fields.push_back(std::move(name));
        start = end + 1;
    }
    return fields;
}

const IndexDef* FindIndex(const std::vector<IndexDef>& indexes, std::string_view name) {
    for (const IndexDef& index : indexes)
        if (EqualsIgnoringCase(index.name, name)) return &index;
    return nullptr;
}

}  // namespace kvarn::db
