// Texts inside the module: UTF-8 std::string, compared and measured as French users expect.
//
// Widths of the module's fields count characters (Unicode code points), never bytes, so a name
// full of accents fits the same field as one without. Upper-casing and comparisons "without
// regard to case" follow French rules through ICU: "métropole" equals "MÉTROPOLE" and "œ"
// upper-cases to "Œ".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvarn {

// Removes every leading and trailing character whose code is 32 or less (blanks and controls).
std::string Trim(std::string_view text);

// French upper case of a UTF-8 text.
std::string ToUpperFrench(std::string_view text);

// True when both texts are equal once upper-cased with French rules.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Order of two texts in French dictionary order, without regard to case (accents break ties):
// negative, zero or positive. "Émile" sorts between "Durand" and "Fabre".
int CompareFrench(std::string_view a, std::string_view b);

// Number of characters (code points) of a UTF-8 text; a malformed byte counts as one.
std::size_t CharacterCount(std::string_view text);

// Whether the bytes are well-formed UTF-8 (no overlong form, no surrogate, nothing past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The text as a wide string, one wchar_t per character (U+FFFD for a malformed byte), for the
// host services that take NUL-terminated wide texts.
std::wstring ToWide(std::string_view text);

// The first `width` characters of the text, never splitting a character.
std::string CutToWidth(std::string_view text, std::size_t width);

}  // namespace kvarn
