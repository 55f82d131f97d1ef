// Calendar dates as the module holds them, and their outside forms.
//
// Inside the module a date is a double counting days from 30 December 1899 (day 0, which also
// means "no date"); any fractional part is a time of day and is ignored here. This unit converts
// that count to and from a calendar date, to and from the "dd/mm/yyyy" text the French screens and
// settings use and the "yyyy-mm-dd" text the dossier's tables store (parsing is strict: 31/02/2025
// and 1/1/25 are refused), to and from the host's
// 4-byte dateDOS record, and turns file times into MS-DOS date and time words (local time,
// two-second precision) as the archive format stores them.
#pragma once

#include <kvarn/kvarn.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace kvarn {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Years 1 to 9999, months 1 to 12, days within the month.
bool IsValidDate(const CalendarDate& date);

// The day count of a valid calendar date; nullopt for an invalid one.
std::optional<double> EncodeDate(const CalendarDate& date);
// The calendar date of a day count (its whole part, rounded towards minus infinity).
CalendarDate DecodeDate(double dayCount);
// The same day `years` years later or earlier (29 February becomes 28 February).
double AddYears(double dayCount, int years);

// "dd/mm/yyyy"; the empty text for the empty date 0.
std::string FormatDate(double dayCount);
// Exactly two digits, "/", two digits, "/", four digits, naming a valid date; else nullopt.
std::optional<double> ParseDate(std::string_view text);

// "yyyy-mm-dd", as the dossier's tables store dates; and back, as strictly as ParseDate.
std::string FormatIsoDate(double dayCount);
std::optional<double> ParseIsoDate(std::string_view text);

dateDOS ToDateDOS(double dayCount);            // all zero for the empty date
double FromDateDOS(const dateDOS& date);       // 0 for all zero or an invalid record

// MS-DOS date and time words: date = (year - 1980) << 9 | month << 5 | day,
// time = hour << 11 | minute << 5 | second / 2.
struct DosDateTime {
    std::uint16_t date = 0;
    std::uint16_t time = 0;
    friend bool operator==(const DosDateTime&, const DosDateTime&) = default;
};

struct DosConversion {
    DosDateTime words;
    bool clamped = false;  // the time lay outside 1980..2107 and was brought to the nearest end
};

// The DOS date word of a calendar date; nullopt outside 1980..2107.
std::optional<std::uint16_t> ToDosDateWord(const CalendarDate& date);
// The day count of a DOS date word; 0 for the word 0 or one that names no day.
double FromDosDateWord(std::uint16_t word);

// Local time of `t` as DOS words; odd seconds round down to the even second below.
DosConversion ToDosDateTime(std::time_t t);
// The local time the words name; nullopt when a field is out of range. The hour repeated when
// summer time ends reads as winter time.
std::optional<std::time_t> FromDosDateTime(DosDateTime words);

}  // namespace kvarn
