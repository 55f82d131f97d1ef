// The table components of the data module: each component's name, the table it reads and the
// alias it is pointed at. Several components read one table (each with its own cursor, filter
// and index), as the module's screens and computations expect.
#pragma once

#include <span>

namespace kvarn::store {

struct ComposantTable {
    const char* nom;    // "tblAssociesKV"
    const char* table;  // "KOLMIKV1"
};

// Every table component: those of the permanent tables first, then those of the working tables.
std::span<const ComposantTable> ComposantsTables();

}  // namespace kvarn::store
