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

// The same for every associate of one walk over many: the movement list is loaded and the
// situation date read when it is made, not once per associate (reading the date asks the dossier
// record). Valid while nobody changes the movements or the date.
class FinExerciceParcours {
public:
    explicit FinExerciceParcours(store::TdmKvarn& module);
    PartsPPUNP operator()(int idAssocie, const PartsPPUNP& debut) const;

private:
    const EtatMouvements* etat_;
    Exclusions exclusions_;
};

}  // namespace kvarn::movements
