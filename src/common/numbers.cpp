#include "common/numbers.hpp"

#include "common/text.hpp"

#include <charconv>
#include <string>

namespace kvarn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Sign, digits, at most one separator, and at least one digit.
bool IsPlainDecimal(std::string_view text) {
    std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    bool digit = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digit = true;
        } else if ((text[i] == ',' || text[i] == '.') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

double ZORStr2Double(std::string_view text, bool* valide) {
    std::string cleaned = Trim(text);
    const bool ok = IsPlainDecimal(cleaned);
    if (valide) *valide = ok;
    if (!ok) return 0.0;
    for (char& c : cleaned)
        if (c == ',') c = '.';
    const char* begin = cleaned.data() + (cleaned[0] == '+' ? 1 : 0);
    double value = 0.0;
    std::from_chars(begin, cleaned.data() + cleaned.size(), value);
    return value;
}

}  // namespace kvarn
