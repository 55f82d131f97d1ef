#include "movements/cumul.hpp"

#include "movements/codes_mouvement.hpp"

namespace kvarn::movements {

bool ApresSituation(double dateMouvement, double dateSituation) {
    return dateSituation != 0 && dateMouvement > dateSituation;
}

bool MouvementCompte(const cMouvParts& m, const Exclusions& e) {
    if (ApresSituation(m.DateMouvement, e.dateSituation)) return false;
    if (e.idMouvementExclu != 0 && m.AutoID == e.idMouvementExclu) return false;
    if (e.dateLimite != 0 && m.DateMouvement > e.dateLimite) return false;
    return m.TypeMouvement < kPremierTypeHorsMouvement;
}

PartsPPUNP CumulerDetails(const std::vector<DetailIndexe>& details, const Exclusions& exclusions) {
    PartsPPUNP parts;
    for (const DetailIndexe& detail : details) {
        if (!MouvementCompte(*detail.mouvement, exclusions)) continue;
        switch (detail.typeParts) {
            case kPartsU: parts.u += detail.nbParts; break;
            case kPartsNP: parts.np += detail.nbParts; break;
            default: parts.pp += detail.nbParts; break;
        }
    }
    return parts;
}

PartsPPUNP CumulerMouvementsAssocie(store::TdmKvarn& module, int idAssocie, int idMouvementExclu, double dateLimite) {
    ChargerMouvements(module);
    const Exclusions exclusions{module.Environnement().GetDateSituation(), idMouvementExclu, dateLimite};
    return CumulerDetails(module.EtatDe<EtatMouvements>().DetailsDe(idAssocie), exclusions);
}

bool AssocieAcquiertDesParts(store::TdmKvarn& module, int idAssocie) {
    for (const DetailIndexe& detail : module.EtatDe<EtatMouvements>().DetailsDe(idAssocie)) {
        const int type = detail.mouvement->TypeMouvement;
        if (detail.nbParts > 0 && type >= kCessionPP && type < kPremierTypeHorsMouvement && type != kReductionCapital)
            return true;
    }
    return false;
}

}  // namespace kvarn::movements
