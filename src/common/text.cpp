#include "common/text.hpp"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <memory>
#include <stdexcept>

namespace kvarn {
namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte length of the UTF-8 sequence starting at `text[i]`; a malformed sequence counts one byte.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k)
        if (!IsContinuationByte(text[i + k])) return 1;
    return length;
}

const icu::Locale& French() {
    static const icu::Locale locale("fr", "FR");
    return locale;
}

const icu::Collator& FrenchCollator() {
    static const std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> created(icu::Collator::createInstance(French(), status));
        if (U_FAILURE(status)) throw std::runtime_error("ICU: collation française indisponible");
        created->setStrength(icu::Collator::SECONDARY);  // letters and accents, not case
        return created;
    }();
    return *collator;
}

}  // namespace

int CompareFrench(std::string_view a, std::string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = FrenchCollator().compareUTF8(
        icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
        icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    return U_FAILURE(status) ? a.compare(b) : static_cast<int>(result);
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin])) ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string ToUpperFrench(std::string_view text) {
    icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    unicode.toUpper(French());
    std::string out;
    unicode.toUTF8String(out);
    return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a == b || ToUpperFrench(a) == ToUpperFrench(b);
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += SequenceLength(text, i)) ++count;
    return count;
}

std::string CutToWidth(std::string_view text, std::size_t width) {
    std::size_t i = 0;
    for (std::size_t taken = 0; i < text.size() && taken < width; ++taken)
        i += SequenceLength(text, i);
    return std::string(text.substr(0, i));
}

std::wstring ToWide(std::string_view text) {
    std::wstring large;
    const auto longueur = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < longueur;) {
        UChar32 caractere = 0;
        U8_NEXT(text.data(), i, longueur, caractere);
        large.push_back(static_cast<wchar_t>(caractere < 0 ? 0xFFFD : caractere));
    }
    return large;
}

bool IsValidUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) return false;
    }
    return true;
}

}  // namespace kvarn
