// Null sentinels shared by every subsystem.
//
// The module's records carry "no value" in-band: an integer member equal to NULL_ENTIER, a real
// member equal to NULL_REEL, a date equal to 0. Writing a sentinel back to a table clears the
// column, and writing it to a setting deletes the key. Country identifiers default to France.
#pragma once

#include <limits>

namespace kvarn {

inline constexpr int NULL_ENTIER = -2147483647;
inline constexpr double NULL_REEL = std::numeric_limits<double>::lowest();
inline constexpr int PAYS_FRANCE = 76;

// The 16-bit fields of the C records carry this for a null member.
inline constexpr short NULL_ENTIER_16 = -32767;

}  // namespace kvarn
