#include "associates/vues_associes.hpp"

namespace kvarn::associates {
namespace {

bool PPouU(const Associe& a) { return a.NbPartsPPFinExo != 0 || a.NbPartsUFinExo != 0; }
bool PPouUouNP(const Associe& a) { return PPouU(a) || a.NbPartsNPFinExo != 0; }
bool PasGerantNonAssocie(const Associe& a) { return a.Qualite != QA_GERANT_NON_ASSOCIE; }
bool RFouBNC(int regime) { return regime == RIS_RF || regime == RIS_BNC; }

}  // namespace

bool Retenu(Vue vue, const Associe& a) {
    switch (vue) {
        case Vue::NbPartsNonNull: return a.NbPartsPPFinExo != 0;
        case Vue::PasAssoGerantNbPartsNbPartsUnonNull: return PPouU(a) && PasGerantNonAssocie(a);
        case Vue::PasAssoGerantNbParts: return a.Qualite != QA_BENEFICIAIRE;
        case Vue::PasAssoGerant: return PasGerantNonAssocie(a);
        case Vue::NbPartsNbPartsUnonNull: return PPouU(a);
        case Vue::RFOuBNCPasAssoGerantNbPartsNbPartsUnonNull:
            return PPouUouNP(a) && PasGerantNonAssocie(a) && RFouBNC(a.RegimeImpositionSCI);
        case Vue::RFPasAssoGerantNbPartsNbPartsUnonNull:
            return PPouU(a) && PasGerantNonAssocie(a) && a.RegimeImpositionSCI == RIS_RF;
        case Vue::NonRFPasAssoGerantNbPartsNbPartsUnonNull:
            return PPouU(a) && PasGerantNonAssocie(a) && a.RegimeImpositionSCI != RIS_RF;
        case Vue::BICouBAouISetNbPartsPPouUouNPNonNull:
            return (a.NbPartsPPFinExo > 0 || a.NbPartsUFinExo > 0 || a.NbPartsNPFinExo > 0) &&
                   !RFouBNC(a.RegimeImpositionSCI);
    }
    return false;
}

void Filtrer(const CarteAssocies& source, Vue vue, CarteAssocies& retenus) {
    retenus.clear();
    for (const auto& [id, associe] : source)
        if (Retenu(vue, associe)) retenus.emplace(id, associe);
}

void Filtrer(const CarteAssocies& source, Vue vue, OrdreAssocies& retenus) {
    retenus.clear();
    for (const auto& [id, associe] : source)
        if (Retenu(vue, associe)) retenus.push_back(id);
}

bool AuMoinsUnDetenteur(const CarteAssocies& associes, bool rfOuBnc) {
    for (const auto& [id, a] : associes)
        if (PPouUouNP(a) && PasGerantNonAssocie(a) && RFouBNC(a.RegimeImpositionSCI) == rfOuBnc) return true;
    return false;
}

void RegimesDetenteurs::Compter(int regime, double pp, double u, double np) {
    if (pp == 0 && u == 0 && np == 0) return;
    switch (regime) {
        case RIS_BIC:
        case RIS_IS: bicOuIs = true; break;
        case RIS_BA: ba = true; break;
        case RIS_RF: rf = true; break;
        case RIS_BNC: bnc = true; break;
        default: break;
    }
}

}  // namespace kvarn::associates
