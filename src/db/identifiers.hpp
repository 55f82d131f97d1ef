// Names of tables, fields and indexes as SQL sees them.
//
// The module's identifiers are plain ASCII and compare without regard to case, as SQLite's own
// identifiers do; table names may carry the ".db" suffix of their desktop files.
#pragma once

#include <string>
#include <string_view>

namespace kvarn::db {

// ASCII upper case: the key under which names are looked up.
std::string AsciiUpper(std::string_view name);

// SQL identifier in double quotes.
std::string QuoteIdentifier(std::string_view name);

// "kolmikv1.db" → "kolmikv1".
std::string_view WithoutDbSuffix(std::string_view tableName);

}  // namespace kvarn::db
