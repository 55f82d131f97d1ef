#include "db/field_codec.hpp"

#include "common/dates.hpp"
#include "db/statement.hpp"

#include <sqlite3.h>

#include <charconv>
#include <cstdio>

namespace kvarn::db {
namespace {

std::optional<int> Digits(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string IsoDate(double dayCount) {
    const CalendarDate date = DecodeDate(dayCount);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<double> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = Digits(text.substr(0, 4));
    const auto month = Digits(text.substr(5, 2));
    const auto day = Digits(text.substr(8, 2));
    if (!year || !month || !day) return std::nullopt;
    return EncodeDate({*year, *month, *day});
}

void BindStored(Statement& statement, int parameter, const FieldDef& field, const Value& held) {
    if (held.IsNull()) statement.BindNull(parameter);
    else if (field.type == FieldType::Date) statement.BindText(parameter, IsoDate(held.Real()));
    else if (held.IsInteger()) statement.BindInteger(parameter, held.Integer());
    else if (held.IsReal()) statement.BindReal(parameter, held.Real());
    else statement.BindText(parameter, held.Text());
}

// Read through the column's value object: one call into the statement per column.
Value ReadStored(const Statement& statement, int column, const FieldDef& field) {
    sqlite3_value* value = sqlite3_column_value(statement.Handle(), column);
    if (sqlite3_value_type(value) == SQLITE_NULL) return Value();
    const auto text = [value] {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
        return std::string_view(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_value_bytes(value)));
    };
    switch (field.type) {
    case FieldType::Alpha: return Value(std::string(text()));
    case FieldType::Number:
    case FieldType::Money: return Value(sqlite3_value_double(value));
    case FieldType::Date: {
        // A date written by another tool as a day count is taken as it stands.
        if (sqlite3_value_type(value) == SQLITE_TEXT)
            if (const auto days = ParseIsoDate(text())) return Value(*days);
        return Value(sqlite3_value_double(value));
    }
    default: return Value(static_cast<long long>(sqlite3_value_int64(value)));
    }
}

}  // namespace kvarn::db
