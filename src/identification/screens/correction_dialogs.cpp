#include "identification/screens/correction_dialogs.hpp"

#include "host/boites.hpp"
#include "host/formes_juridiques.hpp"

namespace kvarn::identification {

TfrmFJ::TfrmFJ(std::string formeInvalide, std::string denomination)
    : formeInvalide_(std::move(formeInvalide)), denomination_(std::move(denomination)) {
    host::cFormeJuridique::AffecterComboBox(liste_, true, true, 0);
    liste_.selection = -1;
}

bool TfrmFJ::Confirmer(std::string& forme) const {
    const bool valide = liste_.selection >= 0 && liste_.selection < static_cast<int>(liste_.elements.size()) &&
                        host::cFormeJuridique::DonnerInfos(liste_.elements[static_cast<std::size_t>(liste_.selection)].objet,
                                                           &forme, nullptr, nullptr, nullptr);
    if (!valide) host::ZORInformation("Veuillez sélectionner une forme juridique valide");
    return valide;
}

TfrmPays::TfrmPays(std::string paysInvalide, std::string nomPatronymique, std::string prenoms)
    : paysInvalide_(std::move(paysInvalide)), nomPatronymique_(std::move(nomPatronymique)), prenoms_(std::move(prenoms)) {}

void TfrmPays::Choisir(int pays) { choisi_ = selecteur_.ChoisirPays(pays); }

bool TfrmPays::Confirmer(int& pays) const {
    if (!choisi_) {
        host::ZORInformation("Veuillez sélectionner un pays valide");
        return false;
    }
    pays = selecteur_.DonnerPays();
    return true;
}

}  // namespace kvarn::identification
