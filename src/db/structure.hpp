// Structure operations on an existing table: add, change the type of, and drop a field.
//
// The migrations bring an older dossier's tables to the current layout with these, passing a
// field's physical type code (0x101 Alpha, 0x102 Number, 0x103 Money, 0x104 Date, 0x105 Short,
// 0x10B Long, 0x10E Logical, 0x10F AutoInc; any other code is refused), its width for an Alpha,
// and for AddField its place (1 for the first field; 0 or a place past the last field puts it
// last). Each operation is all or nothing: it runs in one transaction, and a failure anywhere
// leaves the table, its rows, its indexes and its key sequence as they were.
//
// SQLite adds a column only at the end and cannot change a column's type, so adding a field
// before the end and changing a type rebuild the table: a new table with the new structure is
// filled with every row (same keys, the other columns' values and order unchanged), the old one
// is dropped, the new one takes its name, its named indexes are created again and the AutoInc
// sequence is carried over, so a key freed by a delete is still never reused. Values of the
// changed field are converted as the field would convert a written value (an Alpha cut to its
// new width, a Number rounded into a Short); a value the new type cannot hold (a text that is no
// number, a Short out of range) becomes null and is counted in what the change reports, so that a
// migration step goes through on a dossier holding one odd value rather than stop at every
// start-up. Dropping a field drops the named indexes that use it first. The key field (AutoInc)
// can be neither added, changed nor dropped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvarn::db {

class Session;

struct NewField {
    std::string name;
    std::uint32_t typeCode;
    int width;      // Alpha only
    bool required;  // a field that must hold a value: the tables of the dossier have none
};

// `schema` as Session::SchemaOfAlias gives it; `table` as the catalogue spells it.
void AddField(Session& session, const std::string& schema, const std::string& table, const NewField& field,
              int position);
// What a change of type could not carry over.
struct TypeChange {
    int cleared = 0;      // values the new type cannot hold, now null
    std::string message;  // "" when none was; otherwise names the table and field and counts them
};

TypeChange ChangeFieldType(Session& session, const std::string& schema, const std::string& table,
                           const NewField& field);
void DropField(Session& session, const std::string& schema, const std::string& table, std::string_view name);

}  // namespace kvarn::db
