// The two 8-bit code pages of the records that other programs exchange with the module.
//
// Names and addresses inside the C records are in the OEM code page (CP850); the other texts in
// the ANSI code page (CP1252). Inside the module every text is UTF-8. A character that the target
// code page lacks becomes "?" and is counted for the caller, who decides whether to tell the user;
// nothing here throws. Bytes of CP1252 that Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// read as the control character of the same number, so that any byte string survives a round trip.
// The tables come from ICU's converters, read once, and conversions are plain table look-ups.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvarn {

enum class CodePage { Ansi, Oem };  // CP1252, CP850

// UTF-8 text to 8-bit bytes; `unmappable` (when given) receives the count of "?" substitutions,
// including malformed UTF-8 bytes.
std::string FromUtf8(std::string_view utf8, CodePage page, std::size_t* unmappable = nullptr);

// 8-bit bytes to UTF-8; every byte has a character.
std::string ToUtf8(std::string_view bytes, CodePage page);

// The host's names for the OEM conversions.
inline std::string ZORCharToOem(std::string_view utf8, std::size_t* unmappable = nullptr) {
    return FromUtf8(utf8, CodePage::Oem, unmappable);
}
inline std::string ZOROemToChar(std::string_view oem) { return ToUtf8(oem, CodePage::Oem); }

}  // namespace kvarn
