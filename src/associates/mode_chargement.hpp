// The loading mode that changes how the associates read: in mode 5 a physical person goes by
// the birth name, in the designation and in the calculated columns alike.
#pragma once

namespace kvarn::associates {

inline constexpr int kModeNomsDeNaissance = 5;

}  // namespace kvarn::associates
