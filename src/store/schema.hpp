// The dossier's tables as data: every table, its fields in order with type and width, which
// fields are calculated by a component rather than stored, and the named indexes.
//
// This is the one place the store's layout is written down. The seven permanent tables live on
// the dossier alias, the two working tables on the temporary alias. Each table's declaration is
// the field list of the component that reads it (tblAssociesKV for KOLMIKV1, ...), calculated
// fields included at their place; the stored fields are that list without them, and are exactly
// the columns a table is created with. A field may carry the display format and the label its
// component shows it with. A named index lists its fields as "A;B"; text fields of every index
// sort in French order without regard to case. Some components declare their own view of a table
// (ComponentDeclarations). The engine never reads this: it reads the catalogue;
// the creation functions (tables.hpp) turn a TableSpec into a table.
#pragma once

#include "db/catalogue.hpp"
#include "db/field_type.hpp"

#include <span>
#include <string_view>
#include <vector>

namespace kvarn::store {

struct Column {
    db::FieldType type;
    int size;  // width of an Alpha field, 0 otherwise
};

struct FieldSpec {
    const char* name;
    Column column;
    bool calculated = false;       // declared by the component, never stored
    const char* displayFormat = "";  // "#,####0.00000"; "" for none
    const char* label = "";          // the column's title ("BIC/IS"); "" for the field's name
};

struct IndexSpec {
    const char* name;
    const char* fields;  // "A;B"
    bool unique;
};

enum class Alias { Dossier, Temporary };

struct TableSpec {
    const char* name;       // the table's name in the catalogue
    const char* suffix;     // the suffix the host's table copy names it by; "" for working tables
    Alias alias;
    const char* component;  // the component whose declaration `fields` is
    std::span<const FieldSpec> fields;
    std::span<const IndexSpec> indexes;
};

struct ComponentSpec {
    const char* component;
    const char* table;
    std::span<const FieldSpec> fields;
};

// KOLMIKV1, KOLMIKV2, KOLMIKV3, KOLMIKVM, KOLMIKVP, KOLMIKVA, KOLMIKVS.
std::span<const TableSpec> PermanentTables();
// MouvementKV, SyntheseMouvementKV.
std::span<const TableSpec> WorkingTables();
// Components with a declaration of their own over a table (tblResultatsAssocies,
// tblAssociesKVTraitement).
std::span<const ComponentSpec> ComponentDeclarations();

// By name as the module writes it ("kolmikv1.db", "MouvementKV"), without regard to case.
const TableSpec* FindTableSpec(std::string_view name);
// By the host's suffix ("kv1", "kvm", ...), without regard to case.
const TableSpec* FindTableOfSuffix(std::string_view suffix);

// A component's declaration by its name, without regard to case; nullptr when it has none.
const ComponentSpec* FindComponentSpec(std::string_view component);
// The field list a component declares (CTable::DeclareFields), calculated fields at their place.
std::vector<db::FieldDef> ComponentFields(std::span<const FieldSpec> fields);

// The alias name ("ZOR_DOSSIER" or "ZOR_TMP").
const char* AliasName(Alias alias);

// The structure the table is created with: its stored fields and its named indexes.
db::TableDef StoredDefinition(const TableSpec& table);

}  // namespace kvarn::store
