// The associates' end-of-year shares: start-of-year shares plus the year's net movements.
//
// Each kind is the start rounded to 5 decimals plus the movements rounded to 5 decimals; the sum
// is written here once, for the calculated columns of the associates component and for every
// other reader of end-of-year positions. CalculerPartsFinExercice is the step of the associates
// component's calculated fields: it reads the row's key and start-of-year shares (an empty start
// counts as 0) and fills NbPartsPPFinExo, NbPartsUFinExo and NbPartsNPFinExo, with no movement
// left out and no limit date.
#pragma once

#include "db/table.hpp"
#include "movements/cumul.hpp"
#include "store/data_module.hpp"

namespace kvarn::movements {

PartsPPUNP SommerPartsFinExercice(const PartsPPUNP& debut, const PartsPPUNP& mouvements);

// The end-of-year shares of an associate whose start-of-year shares are `debut`.
PartsPPUNP PartsFinExerciceAssocie(store::TdmKvarn& module, int idAssocie, const PartsPPUNP& debut);

// On the current row of a component over KOLMIKV1 that declares the three calculated columns.
void CalculerPartsFinExercice(store::TdmKvarn& module, db::CTable& associes);

}  // namespace kvarn::movements
