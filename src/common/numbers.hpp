// Reading a number typed by a French user or stored in a settings file.
//
// ZORStr2Double accepts an optional sign, digits and at most one decimal separator, which may be
// "," (French) or "." (files written elsewhere), with blanks around: "1234,5", "1234.5", "-0,25",
// " 12 ". Anything else (an empty text, letters, two separators, thousands separators, exponents)
// gives 0, and `valide`, when given, is set to false so the caller can tell 0 from "not a number".
// It never depends on the process's locale.
#pragma once

#include <string_view>

namespace kvarn {

double ZORStr2Double(std::string_view text, bool* valide = nullptr);

}  // namespace kvarn
