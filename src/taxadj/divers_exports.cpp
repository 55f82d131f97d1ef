// The exported functions of the deductions and reintegrations: each runs on the data module inside
// the InitKV bracket and keeps its errors inside the module, shown in the host's exception box with
// the data module's unit (1015) and the function's place, 61 onwards in the order of the exported
// header, and returns its neutral value.
#include <kvarn/divers.hpp>

#include "frame/exports_proteges.hpp"
#include "host/ecran_modal.hpp"
#include "taxadj/associes_divers.hpp"
#include "taxadj/calculs_divers.hpp"
#include "taxadj/divers.hpp"
#include "taxadj/etat_divers.hpp"
#include "taxadj/screens/rev_fisc_deduc.hpp"

#include <cstdint>

KV_EVENEMENT_EXO_TVA _ToutLesDepenseSontExonereDeTVA = {nullptr, nullptr};

namespace {

using namespace kvarn::taxadj;

enum Place : std::uint32_t {
    kPlaceMAJ = 61, kPlaceInitListes, kPlaceDesinitListes, kPlaceListeDeductions, kPlaceListeReintegrations,
    kPlacePresence, kPlaceDiversADeduire, kPlaceTotalAssocie, kPlaceSetExoTVA, kPlaceGetExoTVA, kPlaceEcran,
};

template <class Resultat, class Operation>
Resultat Proteger(Place place, Resultat echec, Operation&& operation) {
    const kvarn::frame::CrochetInitKV crochet;
    return kvarn::frame::Proteger(kvarn::store::kUniteDataModule, place, echec, std::forward<Operation>(operation));
}

template <class Operation>
void Proteger(Place place, Operation&& operation) {
    const kvarn::frame::CrochetInitKV crochet;
    kvarn::frame::Proteger(kvarn::store::kUniteDataModule, place, std::forward<Operation>(operation));
}

TListeDeductionsReintegrations* Liste(Place place, bool reintegrations) {
    return Proteger(place, static_cast<TListeDeductionsReintegrations*>(nullptr), [reintegrations] {
        EtatDivers& etat = ModuleDivers().EtatDe<EtatDivers>();
        return reintegrations ? &etat.reintegrations : &etat.deductions;
    });
}

}  // namespace

void CDeductionsReintegrationsDiverses::RAZ() { *this = CDeductionsReintegrationsDiverses(); }

void CDeductionsReintegrationsDiverses::MAJ() const {
    Proteger(kPlaceMAJ, [this] { MettreAJourLigne(ModuleDivers().Donnees(), *this); });
}

bool InitListeDeductionsReintegrations() {
    return Proteger(kPlaceInitListes, false, [] {
        ChargerListes(ModuleDivers());
        return true;
    });
}

void DesinitListeDeductionsReintegrations() {
    Proteger(kPlaceDesinitListes, [] {
        EtatDivers& etat = ModuleDivers().EtatDe<EtatDivers>();
        etat.deductionsChargees = etat.reintegrationsChargees = false;
        etat.deductions.clear();
        etat.reintegrations.clear();
    });
}

TListeDeductionsReintegrations* DonnerListeDeductions() { return Liste(kPlaceListeDeductions, false); }

TListeDeductionsReintegrations* DonnerListeReintegrations() { return Liste(kPlaceListeReintegrations, true); }

bool PresenceDeDeductionsReintegrations(bool reintegrations, bool bic, bool ba, bool bnc) {
    return Proteger(kPlacePresence, false,
                    [&] { return PresenceDans(ListeChargee(ModuleDivers(), reintegrations), bic, ba, bnc); });
}

int DiversADeduireOuAReintegrer(TYPE_ASSOCIE type, bool deduction) {
    return Proteger(kPlaceDiversADeduire, 0, [&] {
        return static_cast<int>(SommeDivers(LireLignesDivers(ModuleDivers().Donnees()), type, deduction));
    });
}

int GetTotalDeductionReintegrationsDiverses(bool deduction, int idAssocie, double numerateur, double denominateur,
                                            bool ba) {
    return Proteger(kPlaceTotalAssocie, 0, [&] {
        return TotalAssocie(ModuleDivers().Donnees(), deduction, idAssocie, numerateur, denominateur, ba);
    });
}

void SetTouteDepenseExoTVA(bool exonere, int idAssocie) {
    Proteger(kPlaceSetExoTVA, [&] { EcrireExoTVA(ModuleDivers(), idAssocie, exonere); });
}

bool GetTouteDepenseExoTVA(int idAssocie) {
    return Proteger(kPlaceGetExoTVA, false, [&] { return LireExoTVA(ModuleDivers(), idAssocie).value_or(false); });
}

void DeductionsReintegrationsDiverses(bool deduction, long* totalBIC, long* totalBA, long* totalBNC,
                                      const TPartAssocieDiversEvent& partAssocie) {
    Proteger(kPlaceEcran, [&] {
        TfrmRevFiscDeduc ecran(ModuleDivers(), deduction, {totalBIC, totalBA, totalBNC}, partAssocie);
        kvarn::host::ZORMontrerModal(ecran);
    });
}
