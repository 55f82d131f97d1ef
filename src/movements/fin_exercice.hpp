// The associates' end-of-year shares: start-of-year shares plus the year's net movements.
//
// Each kind is the start rounded to 5 decimals plus the movements rounded to 5 decimals; the sum
// is written here once, for the calculated columns of the associates component (the step the
// movements' installer registers with the associates) and for every other reader of end-of-year
// positions. The year's movements are all of them: none left out, no limit date.
#pragma once

#include "movements/cumul.hpp"
#include "store/data_module.hpp"

namespace kvarn::movements {

PartsPPUNP SommerPartsFinExercice(const PartsPPUNP& debut, const PartsPPUNP& mouvements);

// The end-of-year shares of an associate whose start-of-year shares are `debut`.
PartsPPUNP PartsFinExerciceAssocie(store::TdmKvarn& module, int idAssocie, const PartsPPUNP& debut);

}  // namespace kvarn::movements
