// How a held field value is stored in SQLite, and read back.
//
// Whole numbers and 0/1 booleans are SQLite integers, reals are SQLite reals, texts are UTF-8
// text, and a date is the text 'yyyy-mm-dd' (see field_type.hpp). These two functions are the
// only place that knows it; record buffers, Locate and every statement of the engine go through
// them.
#pragma once

#include "db/field_type.hpp"
#include "db/value.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kvarn::db {

class Statement;

void BindStored(Statement& statement, int parameter, const FieldDef& field, const Value& held);
Value ReadStored(const Statement& statement, int column, const FieldDef& field);

// 'yyyy-mm-dd' of a day count, and back (nullopt for a text that is no such date).
std::string IsoDate(double dayCount);
std::optional<double> ParseIsoDate(std::string_view text);

}  // namespace kvarn::db
