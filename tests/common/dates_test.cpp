#include "common/dates.hpp"
#include "support/bytes.hpp"

#include <gtest/gtest.h>

namespace kvarn {
namespace {

struct DayCountCase {
    CalendarDate date;
    double dayCount;
};

class DayCount : public testing::TestWithParam<DayCountCase> {};

TEST_P(DayCount, EncodesAndDecodes) {
    EXPECT_EQ(EncodeDate(GetParam().date), GetParam().dayCount);
    EXPECT_EQ(DecodeDate(GetParam().dayCount), GetParam().date);
}

// Between 1600 and 2400 the consecutive-day walk below carries these anchors to every day.
INSTANTIATE_TEST_SUITE_P(KnownDays, DayCount,
                         testing::Values(DayCountCase{{1899, 12, 30}, 0},
                                         DayCountCase{{1900, 3, 1}, 61},  // 1900 is not leap
                                         DayCountCase{{2000, 2, 29}, 36585},
                                         DayCountCase{{9999, 12, 31}, 2958465},
                                         DayCountCase{{1, 1, 1}, -693593}));

TEST(DayCount, ConsecutiveDaysFromSixteenHundredToTwentyFourHundred) {
    double expected = *EncodeDate({1600, 1, 1});
    for (int year = 1600; year <= 2400; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const CalendarDate date{year, month, day};
                ASSERT_EQ(EncodeDate(date), expected) << year << '-' << month << '-' << day;
                ASSERT_EQ(DecodeDate(expected + 0.75), date);  // the time of day is ignored
                expected += 1;
            }
}

TEST(DayCount, RefusesInvalidDates) {
    for (const CalendarDate& date : {CalendarDate{2025, 2, 29}, CalendarDate{1900, 2, 29},
                                     CalendarDate{2025, 4, 31}, CalendarDate{2025, 13, 1},
                                     CalendarDate{2025, 0, 1}, CalendarDate{2025, 1, 0},
                                     CalendarDate{0, 1, 1}, CalendarDate{10000, 1, 1}})
        EXPECT_FALSE(EncodeDate(date)) << date.year << '-' << date.month << '-' << date.day;
    EXPECT_TRUE(EncodeDate({2000, 2, 29}));
}

struct ParseCase {
    const char* text;
    std::optional<double> dayCount;
    bool iso = false;  // the tables' yyyy-mm-dd rather than dd/mm/yyyy
};

class DateText : public testing::TestWithParam<ParseCase> {};

TEST_P(DateText, ParsesStrictly) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(c.iso ? ParseIsoDate(c.text) : ParseDate(c.text), c.dayCount);
    if (c.dayCount && *c.dayCount) {
        EXPECT_EQ(c.iso ? FormatIsoDate(*c.dayCount) : FormatDate(*c.dayCount), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateText,
    testing::Values(ParseCase{"31/12/2025", 46022}, ParseCase{"29/02/2024", 45351},
                    ParseCase{"30/12/1899", 0}, ParseCase{"29/02/2025", std::nullopt},
                    ParseCase{"31/02/2025", std::nullopt}, ParseCase{"1/1/25", std::nullopt},
                    ParseCase{"01/01/25", std::nullopt}, ParseCase{"1/01/2025", std::nullopt},
                    ParseCase{"01-01-2025", std::nullopt}, ParseCase{" 01/01/2025", std::nullopt},
                    ParseCase{"01/01/2025 ", std::nullopt}, ParseCase{"0a/01/2025", std::nullopt},
                    ParseCase{"00/01/2025", std::nullopt}, ParseCase{"", std::nullopt},
                    ParseCase{"2025-12-31", 46022, true}, ParseCase{"0987-03-05", *EncodeDate({987, 3, 5}), true},
                    ParseCase{"2025-02-29", std::nullopt, true}, ParseCase{"31/12/2025", std::nullopt, true},
                    ParseCase{"2025/12/31", std::nullopt, true}, ParseCase{"2025-12-3", std::nullopt, true}));

TEST(DateText, FormatsWithLeadingZerosAndEmptyForZero) {
    EXPECT_EQ(FormatDate(*EncodeDate({987, 3, 5})), "05/03/0987");
    EXPECT_EQ(FormatDate(0), "");
}

TEST(DateDos, RecordLayoutAndConversion) {
    const dateDOS record = ToDateDOS(45351);  // 29/02/2024: year 2024 little-endian, day, month
    EXPECT_EQ(testing_support::BytesOf(record), std::string("\xE8\x07\x1D\x02", 4));
    EXPECT_EQ(FromDateDOS(record), 45351);

    const dateDOS empty = ToDateDOS(0);
    EXPECT_EQ(empty.annee | empty.jour | empty.mois, 0);
    EXPECT_EQ(FromDateDOS(empty), 0);
    EXPECT_EQ(FromDateDOS(dateDOS{2025, 31, 2}), 0);  // 31 February is no date
}

// Instants given in UTC; the tests run in French time (CET, CEST from the last Sunday of March).
struct DosCase {
    std::time_t utc;
    int year, month, day, hour, minute, evenSecond;
};

class DosWords : public testing::TestWithParam<DosCase> {};

TEST_P(DosWords, LocalTimeWithTwoSecondPrecision) {
    const DosCase& c = GetParam();
    const DosConversion converted = ToDosDateTime(c.utc);
    EXPECT_FALSE(converted.clamped);
    EXPECT_EQ(converted.words.date, (c.year - 1980) << 9 | c.month << 5 | c.day);
    EXPECT_EQ(converted.words.time, c.hour << 11 | c.minute << 5 | c.evenSecond / 2);
    // Back to an instant: the odd second is lost, nothing else.
    EXPECT_EQ(FromDosDateTime(converted.words), c.utc - (c.utc % 2));
}

INSTANTIATE_TEST_SUITE_P(
    WinterAndSummer, DosWords,
    testing::Values(DosCase{1736942401, 2025, 1, 15, 13, 0, 0},      // 12:00:01 UTC, CET
                    DosCase{1752580800, 2025, 7, 15, 14, 0, 0},      // 12:00:00 UTC, CEST
                    DosCase{1743296399, 2025, 3, 30, 1, 59, 58},     // last second of winter time
                    DosCase{1761433200, 2025, 10, 26, 1, 0, 0},      // 23:00 UTC, still CEST
                    DosCase{1709208059, 2024, 2, 29, 13, 0, 58}));   // 29 February, 12:00:59 UTC

TEST(DosWords, TheRepeatedAutumnHourReadsBackAsWinterTime) {
    // 26/10/2025 02:30 local happened twice; the words cannot tell which.
    const DosDateTime words{45 << 9 | 10 << 5 | 26, 2 << 11 | 30 << 5};
    EXPECT_EQ(ToDosDateTime(1761438600).words, words);  // 00:30 UTC, summer time
    EXPECT_EQ(ToDosDateTime(1761442200).words, words);  // 01:30 UTC, winter time
    EXPECT_EQ(FromDosDateTime(words), 1761442200);
}

TEST(DosWords, ClampsOutsideTheirRange) {
    const DosConversion early = ToDosDateTime(0);  // 1970
    EXPECT_TRUE(early.clamped);
    EXPECT_EQ(early.words.date, 0 << 9 | 1 << 5 | 1);
    EXPECT_EQ(early.words.time, 0);
    const DosConversion late = ToDosDateTime(4354819200);  // 2108
    EXPECT_TRUE(late.clamped);
    EXPECT_EQ(late.words.date, 127 << 9 | 12 << 5 | 31);
}

TEST(DosWords, RefusesFieldsOutOfRange) {
    EXPECT_FALSE(FromDosDateTime({0 << 9 | 13 << 5 | 1, 0}));  // month 13
    EXPECT_FALSE(FromDosDateTime({45 << 9 | 2 << 5 | 30, 0}));  // 30 February 2025
    EXPECT_FALSE(FromDosDateTime({45 << 9 | 1 << 5 | 1, 24 << 11}));
    EXPECT_FALSE(FromDosDateTime({45 << 9 | 1 << 5 | 1, 60 << 5}));
    EXPECT_FALSE(FromDosDateTime({45 << 9 | 1 << 5 | 1, 30}));  // 60 seconds
}

}  // namespace
}  // namespace kvarn
