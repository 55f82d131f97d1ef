#include "store/filtre_associes.hpp"

#include "host/regimes.hpp"
#include "store/data_module.hpp"

namespace kvarn::store {
namespace {

// Codes of the associates' record: the quality of a beneficiary, the farmers' and the property
// income's tax regimes.
constexpr int kQualiteBeneficiaire = 10;
constexpr int kRegimeBA = 2;
constexpr int kRegimeRF = 3;

void Joindre(std::string& texte, std::string_view terme) {
    if (terme.empty()) return;
    if (!texte.empty()) texte += " AND ";
    texte += terme;
}

std::string TermeQualite(int mode) {
    const std::string beneficiaire = std::to_string(kQualiteBeneficiaire);
    if (mode == 0) return "(Qualite = " + beneficiaire + ")";
    if (mode == 1) return "(Qualite <> " + beneficiaire + ")";
    return {};
}

}  // namespace

std::string TexteFiltreAssocies(int mode, int modeChargement, int categorie, std::string_view filtreSupplementaire) {
    std::string texte;
    if (modeChargement != kModeCloture) {
        texte = TermeQualite(mode);
        if (categorie == host::CI_BIC_2036)
            Joindre(texte, "(RegimeImpositionSCI <>" + std::to_string(kRegimeBA) + ") AND (RegimeImpositionSCI <>" +
                               std::to_string(kRegimeRF) + ")");
    }
    Joindre(texte, filtreSupplementaire);
    return texte;
}

}  // namespace kvarn::store
