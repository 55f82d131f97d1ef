#include "db/field_value.hpp"

#include "common/dates.hpp"
#include "common/nulls.hpp"
#include "common/numbers.hpp"
#include "common/text.hpp"
#include "db/errors.hpp"

#include <charconv>
#include <cmath>
#include <limits>

namespace kvarn::db {
namespace {

[[noreturn]] void Refuse(const FieldDef& field, const std::string& shown) {
    throw ValeurRefusee("« " + shown + " » n'est pas une valeur valide pour le champ " + field.name + " (" +
                        TypeLabel(field.type) + ")");
}

std::pair<std::int64_t, std::int64_t> RangeOf(FieldType type) {
    if (type == FieldType::Short) return {-32768, 32767};
    if (type == FieldType::Logical) return {0, 1};
    return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
}

Value CheckedInteger(const FieldDef& field, std::int64_t value) {
    if (field.type == FieldType::Logical) return Value(value != 0);
    const auto [low, high] = RangeOf(field.type);
    if (value < low || value > high)
        throw ValeurRefusee("La valeur " + std::to_string(value) + " est hors des limites du champ " +
                            field.name + " (" + std::to_string(low) + " à " + std::to_string(high) + ")");
    return Value(static_cast<long long>(value));
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    std::int64_t value = 0;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<bool> ParseBoolean(std::string_view text) {
    if (EqualsIgnoringCase(text, "True") || text == "1") return true;
    if (EqualsIgnoringCase(text, "False") || text == "0") return false;
    return std::nullopt;
}

Value FromText(const FieldDef& field, const std::string& text) {
    if (field.type == FieldType::Alpha)
        return text.empty() ? Value() : Value(CutToWidth(text, static_cast<std::size_t>(field.size)));
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return Value();
    switch (field.type) {
    case FieldType::Number:
    case FieldType::Money: {
        bool valid = false;
        const double value = ZORStr2Double(trimmed, &valid);
        if (!valid) Refuse(field, text);
        return Value(value);
    }
    case FieldType::Date: {
        const auto days = ParseDate(trimmed);
        if (!days) Refuse(field, text);
        return Value(*days);
    }
    case FieldType::Logical: {
        const auto flag = ParseBoolean(trimmed);
        if (!flag) Refuse(field, text);
        return Value(*flag);
    }
    default: {
        const auto value = ParseInteger(trimmed);
        if (!value) Refuse(field, text);
        return CheckedInteger(field, *value);
    }
    }
}

// A day count names a date of years 1 to 9999, the dates the tables can store as text.
Value DayCount(const FieldDef& field, double value) {
    if (value == 0) return Value();
    static const double first = *EncodeDate({1, 1, 1}), last = *EncodeDate({9999, 12, 31});
    const double day = std::floor(value);
    if (day < first || day > last) Refuse(field, FormatReal(value));
    return Value(day);
}

Value FromReal(const FieldDef& field, double value) {
    if (!std::isfinite(value)) Refuse(field, FormatReal(value));
    switch (field.type) {
    case FieldType::Alpha: return FromText(field, FormatReal(value));
    case FieldType::Number:
    case FieldType::Money: return Value(value);
    case FieldType::Date: return DayCount(field, value);
    default:
        if (std::fabs(value) > 9.0e18) Refuse(field, FormatReal(value));
        return CheckedInteger(field, std::llround(value));
    }
}

Value FromInteger(const FieldDef& field, std::int64_t value) {
    switch (field.type) {
    case FieldType::Alpha: return FromText(field, std::to_string(value));
    case FieldType::Number:
    case FieldType::Money: return Value(static_cast<double>(value));
    case FieldType::Date: return DayCount(field, static_cast<double>(value));
    default: return CheckedInteger(field, value);
    }
}

// The records carry "no value" in-band: an integer written as NULL_ENTIER, or a real written as
// NULL_REEL, clears the column whatever its type. Only the sentinel of the written kind counts: the
// real -2147483647 is a number like any other.
bool IsSentinel(const Value& written) {
    return (written.IsInteger() && written.Integer() == NULL_ENTIER) ||
           (written.IsReal() && written.Real() == NULL_REEL);
}

}  // namespace

Value ToFieldValue(const FieldDef& field, const Value& written) {
    if (written.IsNull() || IsSentinel(written)) return Value();
    if (written.IsText()) return FromText(field, written.Text());
    if (written.IsReal()) return FromReal(field, written.Real());
    return FromInteger(field, written.Integer());
}

std::string FormatReal(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, error == std::errc() ? end : buffer);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

std::string ReadAsString(const FieldDef& field, const Value& held) {
    if (held.IsNull()) return {};
    switch (field.type) {
    case FieldType::Alpha: return held.Text();
    case FieldType::Number:
    case FieldType::Money: return FormatReal(held.Real());
    case FieldType::Date: return FormatDate(held.Real());
    case FieldType::Logical: return held.Integer() ? "True" : "False";
    default: return std::to_string(held.Integer());
    }
}

std::int64_t ReadAsInteger(const FieldDef& field, const Value& held) {
    if (held.IsNull()) return 0;
    if (held.IsInteger()) return held.Integer();
    if (held.IsReal()) return std::llround(held.Real());
    const auto value = ParseInteger(Trim(held.Text()));
    if (!value) Refuse(field, held.Text());
    return *value;
}

double ReadAsFloat(const FieldDef& field, const Value& held) {
    if (held.IsNull()) return 0;
    if (held.IsReal()) return held.Real();
    if (held.IsInteger()) return static_cast<double>(held.Integer());
    bool valid = false;
    const double value = ZORStr2Double(held.Text(), &valid);
    if (!valid) Refuse(field, held.Text());
    return value;
}

bool ReadAsBoolean(const FieldDef& field, const Value& held) {
    if (held.IsNull()) return false;
    if (held.IsInteger()) return held.Integer() != 0;
    if (held.IsReal()) return held.Real() != 0;
    const auto flag = ParseBoolean(Trim(held.Text()));
    if (!flag) Refuse(field, held.Text());
    return *flag;
}

}  // namespace kvarn::db
