// The host's rounding of money and share counts.
//
// Round(x, n) rounds to n decimals and lArrond(x) to a whole number, both to the nearest with
// halves away from zero, applied to the decimal value that the double stands for: 2.675 is held
// as 2.67499999999999982236431605997495353221893310546875, yet an accountant typed 2.675 and
// expects 2.68. So a scaled value within 1e-9 of a half (or a few units in the last place, for
// large values) counts as that half; every other value rounds to its nearest, untouched. Nothing
// a user could tell apart at the precisions the module uses (whole euros, 5 decimals of a share
// count) is moved.
#pragma once

namespace kvarn {

double Round(double value, int decimals);

// To the nearest whole number; values beyond the range of long are clamped to it.
long lArrond(double value);

}  // namespace kvarn
