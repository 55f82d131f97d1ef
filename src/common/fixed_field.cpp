#include "common/fixed_field.hpp"

#include <algorithm>
#include <cstring>

namespace kvarn {
namespace {

std::size_t WriteAtMost(char* field, std::size_t size, std::size_t keep, std::string_view utf8,
                        CodePage page) {
    std::memset(field, 0, size);
    std::size_t lost = 0;
    const std::string bytes = FromUtf8(utf8, page, &lost);
    std::memcpy(field, bytes.data(), std::min(keep, bytes.size()));
    return lost;
}

}  // namespace

std::size_t WriteCStringField(char* field, std::size_t size, std::string_view utf8, CodePage page) {
    return size == 0 ? 0 : WriteAtMost(field, size, size - 1, utf8, page);
}

std::size_t WritePaddedField(char* field, std::size_t size, std::string_view utf8, CodePage page) {
    return WriteAtMost(field, size, size, utf8, page);
}

std::string ReadField(const char* field, std::size_t size, CodePage page) {
    const auto* end = static_cast<const char*>(std::memchr(field, 0, size));
    return ToUtf8(std::string_view(field, end ? static_cast<std::size_t>(end - field) : size), page);
}

}  // namespace kvarn
