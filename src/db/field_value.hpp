// Conversions between what the module writes into a field and what a record buffer holds.
//
// A record buffer holds each field in its natural form: Alpha a text cut at its width (in
// characters), Number and Money a real, Date a day count (0 is no date), Short, Long and AutoInc
// a whole number, Logical 0 or 1. ToFieldValue turns any written value into that form, refusing
// what cannot be represented (a Short outside -32768..32767, a Long outside 32 bits, a text that
// is no number) with an error naming the field; an empty text, like an empty date, is null, as
// the desktop tables stored a blank, and so is a null sentinel of the records (NULL_ENTIER
// written as an integer, NULL_REEL as a real). The readers turn a held value back into text, integer,
// real, boolean or date the way desktop fields read: null reads as "", 0 or false.
#pragma once

#include "db/field_type.hpp"
#include "db/value.hpp"

#include <string>

namespace kvarn::db {

Value ToFieldValue(const FieldDef& field, const Value& written);

std::string ReadAsString(const FieldDef& field, const Value& held);
std::int64_t ReadAsInteger(const FieldDef& field, const Value& held);
double ReadAsFloat(const FieldDef& field, const Value& held);
bool ReadAsBoolean(const FieldDef& field, const Value& held);

// A real as French users read it: shortest exact form, decimal comma ("1234,5", "0,1", "-3").
std::string FormatReal(double value);

}  // namespace kvarn::db
