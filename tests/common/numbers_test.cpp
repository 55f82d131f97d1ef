#include "common/numbers.hpp"
#include "common/nulls.hpp"
#include "common/rounding.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

namespace kvarn {
namespace {

struct NumberText {
    const char* text;
    double value;
    bool valid;
};

class Str2Double : public testing::TestWithParam<NumberText> {};

TEST_P(Str2Double, ReadsCommaOrPointAndSaysWhenItCannot) {
    bool valid = !GetParam().valid;
    EXPECT_DOUBLE_EQ(ZORStr2Double(GetParam().text, &valid), GetParam().value);
    EXPECT_EQ(valid, GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Str2Double,
    testing::Values(NumberText{"1234,5", 1234.5, true}, NumberText{"1234.5", 1234.5, true},
                    NumberText{"-0,25", -0.25, true}, NumberText{" 12 ", 12, true},
                    NumberText{"+3", 3, true}, NumberText{"7,", 7, true},
                    NumberText{",5", 0.5, true}, NumberText{"0", 0, true},
                    NumberText{"", 0, false}, NumberText{"   ", 0, false},
                    NumberText{"abc", 0, false}, NumberText{"12a", 0, false},
                    NumberText{"1,234.5", 0, false}, NumberText{"1 234", 0, false},
                    NumberText{"1e3", 0, false}, NumberText{"-", 0, false},
                    NumberText{",", 0, false}, NumberText{"--1", 0, false},
                    NumberText{"inf", 0, false}, NumberText{"nan", 0, false}));

struct Rounding {
    double value;
    int decimals;
    double rounded;
};

class HostRound : public testing::TestWithParam<Rounding> {};

TEST_P(HostRound, NearestWithHalvesAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(Round(GetParam().value, GetParam().decimals), GetParam().rounded)
        << GetParam().value << " to " << GetParam().decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Values, HostRound,
    testing::Values(Rounding{2.675, 2, 2.68}, Rounding{-2.675, 2, -2.68},
                    Rounding{1.005, 2, 1.01}, Rounding{0.125, 2, 0.13},
                    Rounding{0.5, 0, 1}, Rounding{1.5, 0, 2}, Rounding{2.5, 0, 3},
                    Rounding{-0.5, 0, -1}, Rounding{-2.5, 0, -3}, Rounding{2.4999, 0, 2},
                    Rounding{1.234565, 5, 1.23457}, Rounding{33.333333333, 5, 33.33333},
                    Rounding{-1.234565, 5, -1.23457}, Rounding{100, 5, 100},
                    Rounding{0.1 + 0.2, 1, 0.3}, Rounding{1234.5, -1, 1230},
                    Rounding{1e300, 2, 1e300}, Rounding{0, 3, 0},
                    // Large values keep their exact result: only near-halves move.
                    Rounding{12345.5, 5, 12345.5}, Rounding{98765432.1, 5, 98765432.1},
                    Rounding{1234567.123455, 5, 1234567.12346}, Rounding{-12345.5, 5, -12345.5}));

struct LongRounding {
    double value;
    long rounded;
};

class HostLongRound : public testing::TestWithParam<LongRounding> {};

TEST_P(HostLongRound, ToTheNearestLong) { EXPECT_EQ(lArrond(GetParam().value), GetParam().rounded); }

INSTANTIATE_TEST_SUITE_P(
    Values, HostLongRound,
    testing::Values(LongRounding{0.285 * 100, 29}, LongRounding{2.5, 3}, LongRounding{-2.5, -3},
                    LongRounding{0.49, 0}, LongRounding{-0.49, 0}, LongRounding{1000.0 / 3, 333},
                    LongRounding{2000.0 / 3, 667}, LongRounding{-1000.5, -1001},
                    LongRounding{12345.5 * 3 / 3, 12346}, LongRounding{1.15 * 100, 115},
                    LongRounding{1e30, std::numeric_limits<long>::max()},
                    LongRounding{123456789.4999, 123456789}, LongRounding{4503599627370495.0, 4503599627370495},
                    LongRounding{NULL_REEL, std::numeric_limits<long>::min()}));

}  // namespace
}  // namespace kvarn
