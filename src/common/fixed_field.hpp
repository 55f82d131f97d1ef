// The two kinds of fixed 8-bit text fields inside the packed records.
//
// A C-string field of N bytes keeps at most N - 1 characters followed by zero bytes up to its end
// (names, addresses, labels). A zero-padded field of N bytes keeps up to N characters and has no
// terminator of its own when full; shorter values are padded with zero bytes (the SIREN, NIC and
// prefix parts of the intra-community record). Writing converts from UTF-8 to the field's code
// page and cuts silently at the width; one character is one byte in both code pages, so the cut
// counts characters. Reading stops at the first zero byte or at the width.
#pragma once

#include "common/codepage.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace kvarn {

// Zeroes all `size` bytes, then writes at most size - 1 characters. Returns the number of
// characters the code page could not represent (written as "?").
std::size_t WriteCStringField(char* field, std::size_t size, std::string_view utf8, CodePage page);

// Zeroes all `size` bytes, then writes at most `size` characters. Returns the unmappable count.
std::size_t WritePaddedField(char* field, std::size_t size, std::string_view utf8, CodePage page);

// The field's text up to its first zero byte or its width, as UTF-8. Serves both kinds: a full
// C-string field always ends in a zero byte, so it never reads past size - 1 characters.
std::string ReadField(const char* field, std::size_t size, CodePage page);

}  // namespace kvarn
