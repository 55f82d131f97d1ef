// The French ordering of texts, registered on every connection.
//
// Index fields of text sort as French users read a list of names: letters first, accents
// second, case ignored — "durand" < "Émile" < "Fabre", and "émile" sorts with "Émile". SQLite
// knows only byte order, so the engine registers an ICU collator for locale "fr" at secondary
// strength under the name FRENCH_CI, and the statements that read a component's order name it
// (ORDER BY "Nom" COLLATE FRENCH_CI). It also registers KV_UPPER(x), French upper case, which the
// case-insensitive Locate compares with. Neither is ever named in the stored schema: the file
// stays a database that any SQLite program can check and write (catalogue.hpp).
#pragma once

struct sqlite3;

namespace kvarn::db {

inline constexpr const char* FRENCH_COLLATION = "FRENCH_CI";

// Registers FRENCH_CI and KV_UPPER on the connection; raises DbError when ICU has no collator.
void RegisterFrenchText(sqlite3* db);

}  // namespace kvarn::db
