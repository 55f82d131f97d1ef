#include "common/rounding.hpp"

#include <cmath>
#include <limits>

namespace kvarn {
namespace {

constexpr double kRelativeNudge = 1e-9;

// Nearest whole number of a scaled value, halves away from zero after the nudge.
double RoundScaled(double scaled) {
    if (!std::isfinite(scaled)) return scaled;
    return std::round(scaled * (1.0 + kRelativeNudge));
}

}  // namespace

double Round(double value, int decimals) {
    // Scale by an exact power of ten in the direction that keeps it a whole number.
    const double power = std::pow(10.0, decimals < 0 ? -decimals : decimals);
    const double scaled = decimals < 0 ? value / power : value * power;
    // Beyond 2^52 every double is already whole at this scale.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) return value;
    const double rounded = RoundScaled(scaled);
    return decimals < 0 ? rounded * power : rounded / power;
}

long lArrond(double value) {
    const double rounded = RoundScaled(value);
    if (std::isnan(rounded)) return 0;
    if (rounded >= static_cast<double>(std::numeric_limits<long>::max()))
        return std::numeric_limits<long>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<long>::min()))
        return std::numeric_limits<long>::min();
    return static_cast<long>(rounded);
}

}  // namespace kvarn
