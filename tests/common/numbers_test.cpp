#include "common/numbers.hpp"
#include "common/nulls.hpp"
#include "common/rounding.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

namespace kvarn {
namespace {

TEST(Str2Double, ReadsCommaOrPointAndSaysWhenItCannot) {
    struct NumberText {
        const char* text;
        double value;
        bool valid;
    };
    const NumberText cases[] = {{"1234,5", 1234.5, true}, {"1234.5", 1234.5, true}, {"-0,25", -0.25, true},
                                {" 12 ", 12, true}, {"+3", 3, true}, {"7,", 7, true}, {",5", 0.5, true},
                                {"0", 0, true}, {"", 0, false}, {"   ", 0, false}, {"abc", 0, false},
                                {"12a", 0, false}, {"1,234.5", 0, false}, {"1 234", 0, false}, {"1e3", 0, false},
                                {"-", 0, false}, {",", 0, false}, {"--1", 0, false}, {"inf", 0, false},
                                {"nan", 0, false}};
    for (const NumberText& c : cases) {
        bool valid = !c.valid;
        EXPECT_DOUBLE_EQ(ZORStr2Double(c.text, &valid), c.value) << c.text;
        EXPECT_EQ(valid, c.valid) << c.text;
    }
}

TEST(HostRound, NearestWithHalvesAwayFromZeroOnTheDecimalValue) {
    struct Rounding {
        double value;
        int decimals;
        double rounded;
    };
    const Rounding cases[] = {{2.675, 2, 2.68}, {-2.675, 2, -2.68}, {1.005, 2, 1.01}, {0.125, 2, 0.13},
                              {0.5, 0, 1}, {1.5, 0, 2}, {2.5, 0, 3}, {-0.5, 0, -1}, {-2.5, 0, -3}, {2.4999, 0, 2},
                              {1.234565, 5, 1.23457}, {33.333333333, 5, 33.33333}, {-1.234565, 5, -1.23457},
                              {100, 5, 100}, {0.1 + 0.2, 1, 0.3}, {1234.5, -1, 1230}, {1e300, 2, 1e300},
                              {0, 3, 0},
                              // Large values keep their exact result: only near-halves move.
                              {12345.5, 5, 12345.5}, {98765432.1, 5, 98765432.1},
                              {1234567.123455, 5, 1234567.12346}, {-12345.5, 5, -12345.5}};
    for (const Rounding& c : cases)
        EXPECT_EQ(Round(c.value, c.decimals), c.rounded) << c.value << " to " << c.decimals;
}

TEST(HostLongRound, ToTheNearestLong) {
    const std::pair<double, long> cas[] = {{0.285 * 100, 29}, {2.5, 3}, {-2.5, -3}, {0.49, 0}, {-0.49, 0},
                                           {1000.0 / 3, 333}, {2000.0 / 3, 667}, {-1000.5, -1001},
                                           {12345.5 * 3 / 3, 12346}, {1.15 * 100, 115},
                                           {1e30, std::numeric_limits<long>::max()}, {123456789.4999, 123456789},
                                           {4503599627370495.0, 4503599627370495},
                                           {NULL_REEL, std::numeric_limits<long>::min()}};
    for (const auto& [value, rounded] : cas) EXPECT_EQ(lArrond(value), rounded) << value;
}

}  // namespace
}  // namespace kvarn
