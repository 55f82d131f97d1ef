// Bytes for the tests of fixed records and widths: a record's bytes as the caller receives them,
// an expected record laid out field by field at its offsets, and a text of accented letters
// (two bytes each in UTF-8, one in the code pages) to fill a field to its width.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace kvarn::testing_support {

template <class Record>
std::string BytesOf(const Record& record) {
    return {reinterpret_cast<const char*>(&record), sizeof record};
}

// `size` zero bytes with each text written at its offset.
inline std::string Layout(std::size_t size, std::initializer_list<std::pair<std::size_t, std::string_view>> fields) {
    std::string bytes(size, '\0');
    for (const auto& [offset, text] : fields) bytes.replace(offset, text.size(), text);
    return bytes;
}

// "ŒéŒé…" of `characters` characters.
inline std::string AccentedText(std::size_t characters) {
    std::string text;
    for (std::size_t i = 0; i < characters; ++i) text += i % 2 ? "é" : "Œ";
    return text;
}

}  // namespace kvarn::testing_support
