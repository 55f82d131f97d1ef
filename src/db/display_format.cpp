#include "db/display_format.hpp"

#include <cmath>
#include <cstdio>

namespace kvarn::db {
namespace {

struct Picture {
    bool grouping = false;
    int minimumDecimals = 0;
    int maximumDecimals = 0;
    int minimumIntegerDigits = 0;
};

Picture ReadPicture(std::string_view picture) {
    picture = picture.substr(0, picture.find(';'));
    Picture read;
    const std::size_t point = picture.find('.');
    const std::string_view integer = picture.substr(0, point);
    for (char c : integer) {
        if (c == ',') read.grouping = true;
        if (c == '0') ++read.minimumIntegerDigits;
    }
    if (point != std::string_view::npos) {
        for (char c : picture.substr(point + 1)) {
            if (c == '0') read.minimumDecimals = ++read.maximumDecimals;
            else if (c == '#') ++read.maximumDecimals;
        }
    }
    return read;
}

std::string Grouped(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string FormatFloat(std::string_view pictureText, double value) {
    const Picture picture = ReadPicture(pictureText);
    // printf rounds the double as it is held, to the nearest: a figure is shown, not computed,
    // so no decimal correction is applied.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", picture.maximumDecimals, std::fabs(value));
    std::string text = buffer;
    std::string integer = text.substr(0, text.find('.'));
    std::string decimals = text.find('.') == std::string::npos ? "" : text.substr(text.find('.') + 1);
    while (static_cast<int>(decimals.size()) > picture.minimumDecimals && decimals.back() == '0')
        decimals.pop_back();
    if (integer == "0" && picture.minimumIntegerDigits == 0) integer.clear();
    while (static_cast<int>(integer.size()) < picture.minimumIntegerDigits) integer.insert(0, "0");
    std::string out = picture.grouping ? Grouped(integer) : integer;
    if (!decimals.empty()) out += "," + decimals;
    if (out.empty()) out = "0";
    const bool negative = value < 0 && out.find_first_not_of("0, ") != std::string::npos;
    return negative ? "-" + out : out;
}

}  // namespace kvarn::db
