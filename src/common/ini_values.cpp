#include "common/ini_values.hpp"

#include "common/numbers.hpp"
#include "common/text.hpp"

#include <charconv>

namespace kvarn {

std::optional<int> ParseIniInteger(std::string_view text) {
    const std::string trimmed = Trim(text);
    const char* begin = trimmed.data() + (trimmed.starts_with('+') ? 1 : 0);
    const char* end = trimmed.data() + trimmed.size();
    int value = 0;  // a number beyond an int's range is refused (errc::result_out_of_range)
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || begin == end) return std::nullopt;
    return value;
}

std::string FormatIniInteger(long long value) { return std::to_string(value); }

std::optional<double> ParseIniReal(std::string_view text) {
    bool valid = false;
    const double value = ZORStr2Double(text, &valid);
    if (!valid) return std::nullopt;
    return value;
}

std::string FormatIniReal(double value) {
    // Fixed notation, shortest text that reads back exactly: the readers take no exponent.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace kvarn
