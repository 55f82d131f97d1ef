// The field types of the dossier's tables and how each is declared in SQLite.
//
// The module speaks of its fields in desktop-database terms (Alpha of a width, Number, Money,
// Date, Short, Long, Logical, AutoInc, with their physical type codes used by the migrations).
// A column's declared type in the SQLite catalogue names that type, so that a table says what it
// holds to the engine (which reads it back when a table is opened) and to a person reading the
// file with `sqlite3`, and gives SQLite the storage affinity that keeps the values intact:
//
//   Alpha(n) "VARCHAR(n)" text   Number "DOUBLE" real      Money "MONEY REAL" real
//   Date "DATE" 'yyyy-mm-dd'      Short "SMALLINT" integer  Long "INTEGER" integer
//   Logical "BOOLEAN" 0/1         AutoInc "INTEGER PRIMARY KEY AUTOINCREMENT"
//
// A date is stored as ISO text so that it reads as a date in any SQLite tool and sorts in
// calendar order; the module itself sees day counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvarn::db {

enum class FieldType { Alpha, Number, Money, Date, Short, Long, Logical, AutoInc };

// The physical type codes the migrations pass to the structure operations.
inline constexpr std::uint32_t CODE_ALPHA = 0x101;
inline constexpr std::uint32_t CODE_NUMBER = 0x102;
inline constexpr std::uint32_t CODE_MONEY = 0x103;
inline constexpr std::uint32_t CODE_DATE = 0x104;
inline constexpr std::uint32_t CODE_SHORT = 0x105;
inline constexpr std::uint32_t CODE_LONG = 0x10B;
inline constexpr std::uint32_t CODE_LOGICAL = 0x10E;
inline constexpr std::uint32_t CODE_AUTOINC = 0x10F;

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Alpha;
    int size = 0;             // width in characters for Alpha, 0 otherwise
    bool calculated = false;  // declared by a component, never stored
};

std::uint32_t PhysicalCode(FieldType type);
std::optional<FieldType> FieldTypeOfCode(std::uint32_t code);

// The declared type written in CREATE TABLE (without the column name).
std::string DeclaredType(FieldType type, int size);

// Reads a column back from the catalogue: its declared type and whether it is the table's
// INTEGER PRIMARY KEY. Unknown declarations are refused (nullopt): the engine only opens tables
// it can type.
std::optional<FieldDef> FieldFromCatalogue(std::string_view name, std::string_view declaredType,
                                           bool primaryKey);

bool IsIntegerType(FieldType type);  // Short, Long, AutoInc, Logical
bool IsRealType(FieldType type);     // Number, Money

// French name of a type, for messages.
const char* TypeLabel(FieldType type);

}  // namespace kvarn::db
