#include "common/rounding.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvarn {
namespace {

// How close to a half a scaled value must be to count as the half a user typed: 1e-9 of a unit,
// or four units in the last place where those are coarser, and never so wide that a whole number
// could pass for a half.
double HalfTolerance(double magnitude) {
    const double ulp = std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
    return std::min(0.25, std::max(1e-9, 4 * ulp));
}

// Nearest whole number of a scaled value, halves (and binary near-halves) away from zero. Only a
// value close to a half is moved: any other rounds as std::round does, so large values keep
// their exact result.
double RoundScaled(double scaled) {
    if (!std::isfinite(scaled)) return scaled;
    const double magnitude = std::fabs(scaled);
    const double whole = std::floor(magnitude);
    const bool half = std::fabs(magnitude - whole - 0.5) <= HalfTolerance(magnitude);
    return std::copysign(half ? whole + 1 : std::round(magnitude), scaled);
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
