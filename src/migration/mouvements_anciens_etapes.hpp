// The three data steps that bring the older movement model into the current one, and the
// conversion entry point that runs them for a conversion tool.
//
// Each acts only on a dossier still in the older model (KOLMIKVM with PartsCedees) and runs whole
// or not at all, in one transaction (joined to the caller's when it has one):
//   0x11130 parks each associate's start holdings as KOLMIKVN lines of movement 0, unless some
//           are parked already;
//   0x11140 clears the counts, which held the end of the year;
//   0x11410 takes the counts back from the parked lines, writes each movement in the current
//           model (KOLMIKVP rows, KOLMIKVA links, the current type codes) and drops KOLMIKVN and
//           PartsCedees.
// The positions computed afterwards end on the counts the older model held.
#pragma once

#include "store/data_module.hpp"

#include <cstdint>

namespace kvarn::migration {

inline constexpr std::uint32_t kEtapePartsDebut = 0x11130;
inline constexpr std::uint32_t kEtapeEffacerComptes = 0x11140;
inline constexpr std::uint32_t kEtapeConversionMouvements = 0x11410;

void PlacerPartsDebut(store::TdmKvarn& module);
void EffacerComptesAnciens(store::TdmKvarn& module);
void ConvertirMouvementsAnciens(store::TdmKvarn& module);

}  // namespace kvarn::migration
