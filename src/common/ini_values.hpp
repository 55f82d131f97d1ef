// How typed values are spelled in settings files.
//
// Integers as decimal text ("%i"), read only when an int holds them; booleans as 1 or 0, any non-zero integer reading as true
// (files written elsewhere hold "2"); reals written with "." and the shortest text that reads back
// to the same double, read with "." or ","; dates as "dd/mm/yyyy". A value that does not spell
// its type reads as absent, so the caller's default applies.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvarn {

std::optional<int> ParseIniInteger(std::string_view text);
std::string FormatIniInteger(long long value);

std::optional<double> ParseIniReal(std::string_view text);
std::string FormatIniReal(double value);

}  // namespace kvarn
