#include "db/field_codec.hpp"

#include "common/dates.hpp"
#include "db/statement.hpp"

#include <sqlite3.h>

namespace kvarn::db {

void BindStored(Statement& statement, int parameter, const FieldDef& field, const Value& held) {
    if (held.IsNull()) statement.BindNull(parameter);
    else if (field.type == FieldType::Date) statement.BindText(parameter, FormatIsoDate(held.Real()));
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
