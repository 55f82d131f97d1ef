// The codes a movement and its details carry: the movement types and the kinds of shares.
#pragma once

namespace kvarn::movements {

// Kinds of shares. Usufruct comes before bare ownership here, not in the columns.
inline constexpr int kPartsPP = 0;
inline constexpr int kPartsU = 1;
inline constexpr int kPartsNP = 2;

// Movement types.
inline constexpr int kTypeNonDefini = -1;
inline constexpr int kCessionPP = 0;
inline constexpr int kCessionNP = 1;
inline constexpr int kCessionU = 2;
inline constexpr int kDemembrement = 3;
inline constexpr int kAugmentationCapital = 4;
inline constexpr int kReductionCapital = 5;
inline constexpr int kReconstitution = 6;
// This code and those above it are not movements: no sum counts them.
inline constexpr int kPremierTypeHorsMouvement = 7;

}  // namespace kvarn::movements
