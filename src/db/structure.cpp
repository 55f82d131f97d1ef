#include "db/structure.hpp"

#include "db/catalogue.hpp"
#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "db/transaction.hpp"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace kvarn::db {
namespace {

constexpr int MAX_ALPHA_WIDTH = 255;

std::string HexCode(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", code);
    return text;
}

FieldDef DefinitionOf(const NewField& field, const std::string& table) {
    const auto type = FieldTypeOfCode(field.typeCode);
    if (!type)
        throw DbError("Type de champ inconnu " + HexCode(field.typeCode) + " pour le champ " + field.name +
                      " de la table " + table);
    if (*type == FieldType::AutoInc)
        throw DbError("Le champ clé " + field.name + " de la table " + table + " ne peut être ni ajouté ni modifié");
    if (*type == FieldType::Alpha && (field.width < 1 || field.width > MAX_ALPHA_WIDTH))
        throw DbError("Largeur " + std::to_string(field.width) + " invalide pour le champ alphanumérique " +
                      field.name + " (1 à 255)");
    // No table of the dossier has a required field, and a column added to rows that exist could
    // not be required anyway; the engine refuses the flag rather than ignore it.
    if (field.required)
        throw DbError("Le champ " + field.name + " ne peut pas être rendu obligatoire");
    return {field.name, *type, *type == FieldType::Alpha ? field.width : 0, false};
}

std::optional<std::size_t> PlaceOf(const std::vector<FieldDef>& fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (AsciiUpper(fields[i].name) == AsciiUpper(name)) return i;
    return std::nullopt;
}

bool IndexUses(const IndexDef& index, std::string_view name) {
    return std::any_of(index.fields.begin(), index.fields.end(),
                       [&](const std::string& field) { return AsciiUpper(field) == AsciiUpper(name); });
}

std::string Qualified(const std::string& schema, const std::string& table) {
    return schema + "." + QuoteIdentifier(table);
}

std::optional<std::int64_t> KeySequence(Connection& connection, const std::string& schema, const std::string& table) {
    Statement exists(connection.Handle(), "SELECT 1 FROM " + schema + ".sqlite_master WHERE name='sqlite_sequence'");
    const bool hasSequences = exists.Step();
    exists.Reset();
    if (!hasSequences) return std::nullopt;
    Statement read(connection.Handle(), "SELECT seq FROM " + schema + ".sqlite_sequence WHERE name=?1");
    read.BindText(1, table);
    std::optional<std::int64_t> sequence;
    if (read.Step()) sequence = read.ColumnInteger(0);
    read.Reset();
    return sequence;
}

void RestoreKeySequence(Connection& connection, const std::string& schema, const std::string& table,
                        std::int64_t sequence) {
    Statement update(connection.Handle(), "UPDATE " + schema + ".sqlite_sequence SET seq=max(seq, ?2) WHERE name=?1");
    update.BindText(1, table);
    update.BindInteger(2, sequence);
    update.Run();
    if (sqlite3_changes(connection.Handle()) > 0) return;
    Statement insert(connection.Handle(), "INSERT INTO " + schema + ".sqlite_sequence(name, seq) VALUES(?1, ?2)");
    insert.BindText(1, table);
    insert.BindInteger(2, sequence);
    insert.Run();
}

// Converts every value of the changed field from its old type to the new one; returns how many
// values the new type cannot hold and were left null.
int ConvertColumn(Connection& connection, const std::string& from, const std::string& to, const FieldDef& before,
                  const FieldDef& after) {
    Statement read(connection.Handle(), "SELECT rowid, " + QuoteIdentifier(before.name) + " FROM " + from +
                                            " WHERE " + QuoteIdentifier(before.name) + " IS NOT NULL");
    Statement write(connection.Handle(),
                    "UPDATE " + to + " SET " + QuoteIdentifier(after.name) + "=?1 WHERE rowid=?2");
    int cleared = 0;
    while (read.Step()) {
        Value converted;
        try {
            converted = ToFieldValue(after, ReadStored(read, 1, before));
        } catch (const ValeurRefusee&) {
            ++cleared;
            continue;  // the rebuilt column starts null
        }
        BindStored(write, 1, after, converted);
        write.BindInteger(2, read.ColumnInteger(0));
        write.Run();
    }
    read.Reset();
    return cleared;
}

std::string ClearedMessage(const std::string& table, const FieldDef& after, int cleared) {
    if (cleared == 0) return {};
    const bool one = cleared == 1;
    return "Le champ " + after.name + " de la table " + table + " est devenu " + TypeLabel(after.type) + " : " +
           std::to_string(cleared) + (one ? " valeur qu'il ne peut pas contenir a été effacée"
                                          : " valeurs qu'il ne peut pas contenir ont été effacées");
}

// Rebuilds the table with `fields` (the stored fields in their new order). Columns present
// before keep their values; `changed`, when given, is converted from its old definition.
int Rebuild(Session& session, const std::string& schema, const std::string& table,
            const std::vector<FieldDef>& fields, const std::optional<FieldDef>& changedBefore) {
    Connection& connection = session.connection();
    const std::vector<FieldDef> before = ReadFields(connection, schema, table);
    const std::vector<IndexDef> indexes = ReadIndexes(connection, schema, table);
    const std::optional<std::int64_t> sequence = KeySequence(connection, schema, table);
    const std::string rebuilt = table + "$reconstruction";

    TableDef definition{rebuilt, fields, {}};
    std::string create = "CREATE TABLE " + Qualified(schema, rebuilt) + " (";
    for (std::size_t i = 0; i < fields.size(); ++i)
        create += (i ? ", " : "") + QuoteIdentifier(fields[i].name) + " " + DeclaredType(fields[i].type, fields[i].size);
    connection.Execute(create + ")");

    // Every row keeps its rowid (its key, and what bookmarks hold), whatever the table's key.
    const bool hasKey = std::any_of(fields.begin(), fields.end(), [](const FieldDef& f) { return f.type == FieldType::AutoInc; });
    std::string columns = hasKey ? "" : "rowid";
    for (const FieldDef& field : fields) {
        const bool copied = PlaceOf(before, field.name).has_value() &&
                            !(changedBefore && AsciiUpper(changedBefore->name) == AsciiUpper(field.name));
        if (copied) columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(field.name);
    }
    if (!columns.empty())
        connection.Execute("INSERT INTO " + Qualified(schema, rebuilt) + " (" + columns + ") SELECT " + columns +
                           " FROM " + Qualified(schema, table));
    const int cleared = changedBefore ? ConvertColumn(connection, Qualified(schema, table), Qualified(schema, rebuilt),
                                                      *changedBefore, fields[*PlaceOf(fields, changedBefore->name)])
                                      : 0;

    connection.Execute("DROP TABLE " + Qualified(schema, table));
    connection.Execute("ALTER TABLE " + Qualified(schema, rebuilt) + " RENAME TO " + QuoteIdentifier(table));
    definition.name = table;
    for (const IndexDef& index : indexes) connection.Execute(IndexStatement(schema, definition, index));
    if (sequence) RestoreKeySequence(connection, schema, table, *sequence);
    return cleared;
}

}  // namespace

void AddField(Session& session, const std::string& schema, const std::string& table, const NewField& field,
              int position) {
    const FieldDef added = DefinitionOf(field, table);
    Connection& connection = session.connection();
    std::vector<FieldDef> fields = ReadFields(connection, schema, table);
    if (PlaceOf(fields, added.name))
        throw DbError("Le champ " + added.name + " existe déjà dans la table " + table);
    AllOrNothing(session, [&] {
        if (position <= 0 || static_cast<std::size_t>(position) > fields.size()) {
            connection.Execute("ALTER TABLE " + Qualified(schema, table) + " ADD COLUMN " +
                               QuoteIdentifier(added.name) + " " + DeclaredType(added.type, added.size));
        } else {
            fields.insert(fields.begin() + (position - 1), added);
            Rebuild(session, schema, table, fields, std::nullopt);
        }
    });
    connection.MarkChanged(schema, table);
}

TypeChange ChangeFieldType(Session& session, const std::string& schema, const std::string& table,
                           const NewField& field) {
    const FieldDef changed = DefinitionOf(field, table);
    Connection& connection = session.connection();
    std::vector<FieldDef> fields = ReadFields(connection, schema, table);
    const auto place = PlaceOf(fields, changed.name);
    if (!place) throw DbError("Le champ " + changed.name + " n'existe pas dans la table " + table);
    const FieldDef before = fields[*place];
    if (before.type == FieldType::AutoInc)
        throw DbError("Le champ clé " + before.name + " de la table " + table + " ne peut pas changer de type");
    fields[*place] = {before.name, changed.type, changed.size, false};
    int cleared = 0;
    AllOrNothing(session, [&] { cleared = Rebuild(session, schema, table, fields, before); });
    connection.MarkChanged(schema, table);
    return {cleared, ClearedMessage(table, fields[*place], cleared)};
}

void DropField(Session& session, const std::string& schema, const std::string& table, std::string_view name) {
    Connection& connection = session.connection();
    const std::vector<FieldDef> fields = ReadFields(connection, schema, table);
    const auto place = PlaceOf(fields, name);
    if (!place) throw DbError("Le champ " + std::string(name) + " n'existe pas dans la table " + table);
    if (fields[*place].type == FieldType::AutoInc)
        throw DbError("Le champ clé " + fields[*place].name + " de la table " + table + " ne peut pas être supprimé");
    AllOrNothing(session, [&] {
        for (const IndexDef& index : ReadIndexes(connection, schema, table))
            if (IndexUses(index, name))
                connection.Execute("DROP INDEX " + schema + "." + QuoteIdentifier(PhysicalIndexName(table, index.name)));
        connection.Execute("ALTER TABLE " + Qualified(schema, table) + " DROP COLUMN " +
                           QuoteIdentifier(fields[*place].name));
    });
    connection.MarkChanged(schema, table);
}

}  // namespace kvarn::db
