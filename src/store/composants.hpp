// The table and query components of the data module: each component's name, the table it reads,
// the index it is declared with, and the alias each query runs on. Several components read one
// table (each with its own cursor, filter and index), as the module's screens and computations
// expect.
//
// A component's fields are those of its declaration: a view's own (tblResultatsAssocies,
// tblAssociesKVTraitement), or the table's for the component the table's declaration belongs to
// (tblAssociesKV for KOLMIKV1, ...), calculated fields, display formats and labels included. The
// other components of a table see its stored fields as the catalogue gives them.
#pragma once

#include "store/schema.hpp"

#include <optional>
#include <span>

namespace kvarn::store {

struct ComposantTable {
    const char* nom;         // "tblAssociesKV"
    const char* table;       // "KOLMIKV1"
    const char* index = "";  // the index it is declared with; "" for the key order
};

struct ComposantRequete {
    const char* nom;  // "qTraitement"
    Alias alias;
};

// Every table component: those of the permanent tables first, then those of the working tables.
std::span<const ComposantTable> ComposantsTables();
// The local SQL components.
std::span<const ComposantRequete> ComposantsRequetes();

// The fields the component declares, or nullopt when it shows the table's as they are stored.
std::optional<std::span<const FieldSpec>> DeclarationDe(const ComposantTable& composant);

}  // namespace kvarn::store
