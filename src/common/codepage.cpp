#include "common/codepage.hpp"

#include <unicode/ucnv.h>
#include <unicode/utf8.h>

#include <array>
#include <stdexcept>
#include <unordered_map>

namespace kvarn {
namespace {

struct Table {
    std::array<UChar32, 256> toUnicode{};
    std::unordered_map<UChar32, char> fromUnicode;
};

UChar32 DecodeByteWithIcu(UConverter* converter, unsigned byte) {
    const char in = static_cast<char>(byte);
    UChar out[4];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    const int32_t length = ucnv_toUChars(converter, out, 4, &in, 1, &status);
    // Undefined bytes come back as a substitution character: keep the byte's own number.
    if (U_FAILURE(status) || length != 1 || out[0] == 0xFFFD || out[0] == 0x1A) return byte;
    return out[0];
}

Table BuildTable(const char* converterName) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(converterName, &status);
    if (U_FAILURE(status)) throw std::runtime_error(std::string("ICU converter missing: ") + converterName);
    UErrorCode stopStatus = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &stopStatus);
    Table table;
    for (unsigned byte = 0; byte < 256; ++byte) {
        const UChar32 code = byte < 0x80 ? static_cast<UChar32>(byte) : DecodeByteWithIcu(converter, byte);
        table.toUnicode[byte] = code;
        table.fromUnicode.emplace(code, static_cast<char>(byte));
    }
    ucnv_close(converter);
    return table;
}

const Table& TableOf(CodePage page) {
    static const Table ansi = BuildTable("windows-1252");
    static const Table oem = BuildTable("ibm-850");
    return page == CodePage::Ansi ? ansi : oem;
}

}  // namespace

std::string FromUtf8(std::string_view utf8, CodePage page, std::size_t* unmappable) {
    const Table& table = TableOf(page);
    std::string out;
    out.reserve(utf8.size());
    std::size_t lost = 0;
    const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t i = 0; i < length;) {
        UChar32 code;
        U8_NEXT(bytes, i, length, code);
        const auto found = code < 0 ? table.fromUnicode.end() : table.fromUnicode.find(code);
        if (found == table.fromUnicode.end()) {
            out.push_back('?');
            ++lost;
        } else {
            out.push_back(found->second);
        }
    }
    if (unmappable) *unmappable = lost;
    return out;
}

std::string ToUtf8(std::string_view bytes, CodePage page) {
    const Table& table = TableOf(page);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const UChar32 code = table.toUnicode[static_cast<unsigned char>(c)];
        char buffer[U8_MAX_LENGTH];
        int32_t length = 0;
        U8_APPEND_UNSAFE(buffer, length, code);  // every table entry is a valid code point
        out.append(buffer, static_cast<std::size_t>(length));
    }
    return out;
}

}  // namespace kvarn
