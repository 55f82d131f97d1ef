// How a held field value is stored in SQLite, and read back.
//
// Whole numbers and 0/1 booleans are SQLite integers, reals are SQLite reals, texts are UTF-8
// text, and a date is the text 'yyyy-mm-dd' (see field_type.hpp; the text itself is common/dates'). These two functions are the
// only place that knows it; record buffers, Locate and every statement of the engine go through
// them.
#pragma once

#include "db/field_type.hpp"
#include "db/value.hpp"


namespace kvarn::db {

class Statement;

void BindStored(Statement& statement, int parameter, const FieldDef& field, const Value& held);
Value ReadStored(const Statement& statement, int column, const FieldDef& field);

}  // namespace kvarn::db
