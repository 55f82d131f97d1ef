#include "common/dates.hpp"

#include <algorithm>
#include <cmath>

namespace kvarn {
namespace {

// Day number of 30 December 1899 in the proleptic Gregorian count used below (days since
// 1 March of year 0).
constexpr long kDaysFromCivilOfBase = 693899;

long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

CalendarDate CivilFromDays(long z) {
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

// The two fixed ten-character layouts of a date as text: where the day, month and year digits
// stand, and the separator at the two other places.
struct TextLayout {
    std::size_t day, month, year, firstSeparator, secondSeparator;
    char separator;
};
constexpr TextLayout kFrench{0, 3, 6, 2, 5, '/'};  // dd/mm/yyyy
constexpr TextLayout kIso{8, 5, 0, 4, 7, '-'};     // yyyy-mm-dd
constexpr std::size_t kTextLength = 10;

bool Digits(std::string_view text, std::size_t from, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

void PutDigits(std::string& text, std::size_t from, std::size_t count, int value) {
    for (std::size_t i = from + count; i-- > from; value /= 10) text[i] = static_cast<char>('0' + value % 10);
}

std::string FormatIn(const TextLayout& layout, double dayCount) {
    const CalendarDate d = DecodeDate(dayCount);
    std::string text(kTextLength, layout.separator);
    PutDigits(text, layout.day, 2, d.day);
    PutDigits(text, layout.month, 2, d.month);
    PutDigits(text, layout.year, 4, d.year);
    return text;
}

std::optional<double> ParseIn(const TextLayout& layout, std::string_view text) {
    if (text.size() != kTextLength || text[layout.firstSeparator] != layout.separator ||
        text[layout.secondSeparator] != layout.separator)
        return std::nullopt;
    CalendarDate d;
    if (!Digits(text, layout.day, 2, d.day) || !Digits(text, layout.month, 2, d.month) ||
        !Digits(text, layout.year, 4, d.year))
        return std::nullopt;
    return EncodeDate(d);
}

constexpr int kDosFirstYear = 1980;
constexpr int kDosLastYear = 2107;

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const CalendarDate& date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

std::optional<double> EncodeDate(const CalendarDate& date) {
    if (!IsValidDate(date)) return std::nullopt;
    return static_cast<double>(DaysFromCivil(date.year, date.month, date.day) -
                               kDaysFromCivilOfBase);
}

CalendarDate DecodeDate(double dayCount) {
    return CivilFromDays(static_cast<long>(std::floor(dayCount)) + kDaysFromCivilOfBase);
}

std::string FormatDate(double dayCount) {
    if (dayCount == 0) return {};
    return FormatIn(kFrench, dayCount);
}

std::optional<double> ParseDate(std::string_view text) { return ParseIn(kFrench, text); }

std::string FormatIsoDate(double dayCount) { return FormatIn(kIso, dayCount); }

std::optional<double> ParseIsoDate(std::string_view text) { return ParseIn(kIso, text); }

dateDOS ToDateDOS(double dayCount) {
    dateDOS out{};
    if (dayCount == 0) return out;
    const CalendarDate d = DecodeDate(dayCount);
    out.annee = static_cast<std::uint16_t>(d.year);
    out.jour = static_cast<std::uint8_t>(d.day);
    out.mois = static_cast<std::uint8_t>(d.month);
    return out;
}

double FromDateDOS(const dateDOS& date) {
    return EncodeDate({date.annee, date.mois, date.jour}).value_or(0.0);
}

std::optional<std::uint16_t> ToDosDateWord(const CalendarDate& date) {
    if (!IsValidDate(date) || date.year < kDosFirstYear || date.year > kDosLastYear) return std::nullopt;
    return static_cast<std::uint16_t>((date.year - kDosFirstYear) << 9 | date.month << 5 | date.day);
}

double FromDosDateWord(std::uint16_t word) {
    const CalendarDate date{kDosFirstYear + (word >> 9), (word >> 5) & 0xF, word & 0x1F};
    return EncodeDate(date).value_or(0.0);
}

DosConversion ToDosDateTime(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    DosConversion out;
    int year = local.tm_year + 1900;
    if (year < kDosFirstYear) {
        local = std::tm{};
        local.tm_mday = 1;
        year = kDosFirstYear;
        out.clamped = true;
    } else if (year > kDosLastYear) {
        local = std::tm{};
        local.tm_mon = 11;
        local.tm_mday = 31;
        local.tm_hour = 23;
        local.tm_min = 59;
        local.tm_sec = 58;
        year = kDosLastYear;
        out.clamped = true;
    }
    out.words.date = *ToDosDateWord({year, local.tm_mon + 1, local.tm_mday});
    // tm_sec may be 60 on a leap second; DOS holds at most 58.
    const int seconds = local.tm_sec > 59 ? 59 : local.tm_sec;
    out.words.time = static_cast<std::uint16_t>(local.tm_hour << 11 | local.tm_min << 5 |
                                                seconds / 2);
    return out;
}

std::optional<std::time_t> FromDosDateTime(DosDateTime words) {
    const CalendarDate d{kDosFirstYear + (words.date >> 9), (words.date >> 5) & 0x0F,
                         words.date & 0x1F};
    const int hour = words.time >> 11;
    const int minute = (words.time >> 5) & 0x3F;
    const int second = (words.time & 0x1F) * 2;
    if (!IsValidDate(d) || hour > 23 || minute > 59 || second > 59) return std::nullopt;
    std::tm local{};
    local.tm_year = d.year - 1900;
    local.tm_mon = d.month - 1;
    local.tm_mday = d.day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;  // let the time zone's rule decide summer or winter time
    return std::mktime(&local);
}

double AddYears(double dayCount, int years) {
    CalendarDate d = DecodeDate(dayCount);
    d.year += years;
    d.day = std::min(d.day, DaysInMonth(d.year, d.month));
    return *EncodeDate(d);
}

}  // namespace kvarn
