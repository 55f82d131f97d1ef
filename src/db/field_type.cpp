#include "db/field_type.hpp"

#include "db/identifiers.hpp"

#include <charconv>

namespace kvarn::db {
namespace {

// "VARCHAR(31)" gives 31; anything else nullopt.
std::optional<int> VarcharWidth(std::string_view upper) {
    constexpr std::string_view prefix = "VARCHAR(";
    if (!upper.starts_with(prefix) || !upper.ends_with(")")) return std::nullopt;
    const std::string_view digits = upper.substr(prefix.size(), upper.size() - prefix.size() - 1);
    int width = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), width);
    if (error != std::errc() || end != digits.data() + digits.size() || width <= 0) return std::nullopt;
    return width;
}

}  // namespace

std::uint32_t PhysicalCode(FieldType type) {
    switch (type) {
    case FieldType::Alpha: return CODE_ALPHA;
    case FieldType::Number: return CODE_NUMBER;
    case FieldType::Money: return CODE_MONEY;
    case FieldType::Date: return CODE_DATE;
    case FieldType::Short: return CODE_SHORT;
    case FieldType::Long: return CODE_LONG;
    case FieldType::Logical: return CODE_LOGICAL;
    case FieldType::AutoInc: return CODE_AUTOINC;
    }
    return 0;
}

std::optional<FieldType> FieldTypeOfCode(std::uint32_t code) {
    for (FieldType type : {FieldType::Alpha, FieldType::Number, FieldType::Money, FieldType::Date,
                           FieldType::Short, FieldType::Long, FieldType::Logical, FieldType::AutoInc})
        if (PhysicalCode(type) == code) return type;
    return std::nullopt;
}

std::string DeclaredType(FieldType type, int size) {
    switch (type) {
    case FieldType::Alpha: return "VARCHAR(" + std::to_string(size) + ")";
    case FieldType::Number: return "DOUBLE";
    case FieldType::Money: return "MONEY REAL";
    case FieldType::Date: return "DATE";
    case FieldType::Short: return "SMALLINT";
    case FieldType::Long: return "INTEGER";
    case FieldType::Logical: return "BOOLEAN";
    case FieldType::AutoInc: return "INTEGER PRIMARY KEY AUTOINCREMENT";
    }
    return {};
}

std::optional<FieldDef> FieldFromCatalogue(std::string_view name, std::string_view declaredType,
                                           bool primaryKey) {
    const std::string upper = AsciiUpper(declaredType);
    FieldDef field{std::string(name), FieldType::Alpha, 0, false};
    if (const auto width = VarcharWidth(upper)) {
        field.size = *width;
        return field;
    }
    if (upper == "INTEGER") field.type = primaryKey ? FieldType::AutoInc : FieldType::Long;
    else if (upper == "DOUBLE") field.type = FieldType::Number;
    else if (upper == "MONEY REAL") field.type = FieldType::Money;
    else if (upper == "DATE") field.type = FieldType::Date;
    else if (upper == "SMALLINT") field.type = FieldType::Short;
    else if (upper == "BOOLEAN") field.type = FieldType::Logical;
    else return std::nullopt;
    return field;
}

bool IsIntegerType(FieldType type) {
    return type == FieldType::Short || type == FieldType::Long || type == FieldType::AutoInc ||
           type == FieldType::Logical;
}

bool IsRealType(FieldType type) { return type == FieldType::Number || type == FieldType::Money; }

const char* TypeLabel(FieldType type) {
    switch (type) {
    case FieldType::Alpha: return "alphanumérique";
    case FieldType::Number: return "numérique";
    case FieldType::Money: return "monétaire";
    case FieldType::Date: return "date";
    case FieldType::Short: return "entier court";
    case FieldType::Long: return "entier long";
    case FieldType::Logical: return "logique";
    case FieldType::AutoInc: return "auto-incrément";
    }
    return "";
}

}  // namespace kvarn::db
