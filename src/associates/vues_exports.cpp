// The exported filtered views of the list of associates, on the module-wide data module and inside
// the InitKV bracket; a loading error reaches the caller, as for the list itself.
#include <kvarn/liste_associes.hpp>

#include "associates/liste_associes.hpp"
#include "associates/vues_associes.hpp"
#include "frame/exports_proteges.hpp"

namespace {

namespace as = kvarn::associates;
using as::Vue;

// The list in key order, loaded when it is not, handed to `lecture` inside the bracket.
template <class Lecture>
auto SurLaListe(Lecture&& lecture) {
    const kvarn::frame::CrochetInitKV crochet;
    return lecture(as::ListeChargee(kvarn::frame::DataModuleCree(), false).tous);
}

template <class Sortie>
void Vue_(Vue vue, Sortie& sortie) {
    SurLaListe([&](const CarteAssocies& tous) { as::Filtrer(tous, vue, sortie); });
}

}  // namespace

void DonnerListeAssociesNbPartsNonNull(CarteAssocies& retenus, bool triRaisonSociale) {
    const kvarn::frame::CrochetInitKV crochet;
    // Always loaded again: the caller counts the holders as the table stands now.
    as::Filtrer(as::ListeRechargee(kvarn::frame::DataModuleCree(), triRaisonSociale).tous, Vue::NbPartsNonNull,
                retenus);
}

void DonnerListeAssociesPasAssoGerantNbPartsNbPartsUnonNull(CarteAssocies& retenus) {
    Vue_(Vue::PasAssoGerantNbPartsNbPartsUnonNull, retenus);
}
void DonnerOrdreAssociesPasAssoGerantNbPartsNbPartsUnonNull(OrdreAssocies& retenus) {
    Vue_(Vue::PasAssoGerantNbPartsNbPartsUnonNull, retenus);
}
void DonnerListeAssociesPasAssoGerantNbParts(CarteAssocies& retenus) { Vue_(Vue::PasAssoGerantNbParts, retenus); }
void DonnerOrdreAssociesPasAssoGerantNbParts(OrdreAssocies& retenus) { Vue_(Vue::PasAssoGerantNbParts, retenus); }
void DonnerListeAssociesPasAssoGerant(CarteAssocies& retenus) { Vue_(Vue::PasAssoGerant, retenus); }
void DonnerOrdreAssociesPasAssoGerant(OrdreAssocies& retenus) { Vue_(Vue::PasAssoGerant, retenus); }
void DonnerListeAssociesNbPartsNbPartsUnonNull(CarteAssocies& retenus) { Vue_(Vue::NbPartsNbPartsUnonNull, retenus); }
void DonnerOrdreAssociesNbPartsNbPartsUnonNull(OrdreAssocies& retenus) { Vue_(Vue::NbPartsNbPartsUnonNull, retenus); }
void DonnerListeAssociesRFOuBNCPasAssoGerantNbPartsNbPartsUnonNull(CarteAssocies& retenus) {
    Vue_(Vue::RFOuBNCPasAssoGerantNbPartsNbPartsUnonNull, retenus);
}
void DonnerOrdreAssociesRFPasAssoGerantNbPartsNbPartsUnonNull(OrdreAssocies& retenus) {
    Vue_(Vue::RFPasAssoGerantNbPartsNbPartsUnonNull, retenus);
}
void DonnerListeAssociesNonRFPasAssoGerantNbPartsNbPartsUnonNull(CarteAssocies& retenus) {
    Vue_(Vue::NonRFPasAssoGerantNbPartsNbPartsUnonNull, retenus);
}
void DonnerOrdreAssociesNonRFPasAssoGerantNbPartsNbPartsUnonNull(OrdreAssocies& retenus) {
    Vue_(Vue::NonRFPasAssoGerantNbPartsNbPartsUnonNull, retenus);
}
void DonnerListeAssociesBICouBAouISetNbPartsPPouUouNPNonNull(CarteAssocies& retenus) {
    Vue_(Vue::BICouBAouISetNbPartsPPouUouNPNonNull, retenus);
}
// The order twin keeps the predicate its callers have always had: that of the non-RF order.
void DonnerOrdreAssociesBICouBAouISetNbPartsPPouUouNPNonNull(OrdreAssocies& retenus) {
    Vue_(Vue::NonRFPasAssoGerantNbPartsNbPartsUnonNull, retenus);
}

bool AuMoinUnAssoNonGerantEtNbPartAndNbPartUnonNull(bool rfOuBnc) {
    return SurLaListe([&](const CarteAssocies& tous) { return as::AuMoinsUnDetenteur(tous, rfOuBnc); });
}
