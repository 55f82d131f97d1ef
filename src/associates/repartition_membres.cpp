// The members of Associe that share the company's amounts: each reads the declared number of
// shares and applies the distribution's rules (repartition.hpp) to the record's year-end holdings
// and entered overrides.
#include <kvarn/associe.hpp>

#include "associates/repartition.hpp"

namespace repartition = kvarn::associates;

int Associe::BeneficeCalc(int resultat) const {
    return repartition::BeneficeCalc(resultat, BeneficeSaisi, repartition::DetentionFinExercice(*this), repartition::NbPartsDeclarees());
}

int Associe::DeficitCalc(int resultat) const {
    return repartition::DeficitCalc(resultat, BeneficeSaisi, repartition::DetentionFinExercice(*this), repartition::NbPartsDeclarees());
}

int Associe::PVLTCalc(int pvlt, int) const {
    return repartition::PVLTCalc(pvlt, PVLTSaisi, repartition::DetentionFinExercice(*this), repartition::NbPartsDeclarees());
}

long Associe::ResultatBICCalc(long bic) const {
    return repartition::ResultatExploitationCalc(bic, ResultatBICSaisi, repartition::DetentionFinExercice(*this), repartition::NbPartsDeclarees());
}

long Associe::ResultatBACalc(long ba) const {
    return repartition::ResultatExploitationCalc(ba, ResultatBASaisi, repartition::DetentionFinExercice(*this), repartition::NbPartsDeclarees());
}

long Associe::AbandonsLoyersCalc(long abandons) const {
    return repartition::AbandonsLoyersCalc(abandons, AbandonsSaisi, repartition::DetentionFinExercice(*this), repartition::NbPartsDeclarees());
}
