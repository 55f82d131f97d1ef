#include "identification/screens/correction_dialogs.hpp"

#include "host/boites.hpp"
#include "host/choix_liste.hpp"
#include "host/formes_juridiques.hpp"

#include <algorithm>
#include <vector>

namespace kvarn::identification {
namespace {

constexpr const char* kForme = "forme-juridique";
constexpr const char* kPays = "pays";

frame::Field Affiche(const char* name, const char* label, std::string value) {
    return {.name = name, .label = label, .value = std::move(value), .readOnly = true};
}

frame::Field Liste(const char* name, const char* label, const host::ListeChoix& liste) {
    frame::Field field{.name = name, .label = label};
    for (const auto& element : liste.elements) field.choices.push_back(element.texte);
    return field;
}

// The object of the list's item whose text is `texte`, or nothing.
const host::ListeChoix::Element* ElementDeTexte(const host::ListeChoix& liste, const std::string& texte) {
    const auto trouve = std::find_if(liste.elements.begin(), liste.elements.end(),
                                     [&](const auto& element) { return element.texte == texte; });
    return trouve == liste.elements.end() ? nullptr : &*trouve;
}

// The dialog's list `liste` answered through the host's picker, its read-only fields shown as
// what the choice is for, the answer checked as the dialog checks it; false without an answer.
bool ChoisirParHote(frame::Screen& ecran, const char* liste) {
    ecran.Activate();
    std::vector<std::string> contexte;
    for (const frame::Field& champ : ecran.Fields())
        if (champ.readOnly) contexte.push_back(champ.label + " : " + champ.value);
    const std::vector<std::string> choix = ecran.GetField(liste).choices;
    const std::optional<std::size_t> choisi = host::ZORChoisirDansListe("Attention", contexte, choix);
    if (!choisi) return false;
    ecran.Edit(liste, choix[*choisi]);
    if (ecran.Leave()) return false;
    ecran.Deactivate();
    return true;
}

}  // namespace

TfrmFJ::TfrmFJ(std::string formeInvalide, std::string denomination) {
    host::cFormeJuridique::AffecterComboBox(liste_, true, true, 0);
    Declare(Affiche("forme-invalide", "Forme juridique invalide", std::move(formeInvalide)));
    Declare(Affiche("denomination", "Dénomination", std::move(denomination)));
    Declare(Liste(kForme, "Forme juridique", liste_));
}

void TfrmFJ::Activate() { SetValue(kForme, ""); }

// The empty first item carries form 0, which the host's list does not know.
int TfrmFJ::FormeChoisie() const {
    const host::ListeChoix::Element* element = ElementDeTexte(liste_, Value(kForme));
    return element && host::cFormeJuridique::DonnerInfos(element->objet, nullptr, nullptr, nullptr, nullptr)
               ? element->objet
               : 0;
}

std::optional<std::string> TfrmFJ::Leave() {
    if (FormeChoisie() != 0) return std::nullopt;
    host::ZORInformation("Veuillez sélectionner une forme juridique valide");
    return kForme;
}

void TfrmFJ::Deactivate() { forme_ = FormeChoisie(); }

TfrmPays::TfrmPays(std::string paysInvalide, std::string nomPatronymique, std::string prenoms) {
    host::TListePays::AffecterComboBox(liste_, 0);
    Declare(Affiche("pays-invalide", "Pays invalide", std::move(paysInvalide)));
    Declare(Affiche("nom-patronymique", "Nom patronymique", std::move(nomPatronymique)));
    Declare(Affiche("prenoms", "Prénoms", std::move(prenoms)));
    Declare(Liste(kPays, "Pays", liste_));
}

void TfrmPays::Activate() {
    SetValue(kPays, "");
    choisi_ = false;
}

void TfrmPays::Edited(frame::Field& field, const std::string&) {
    const host::ListeChoix::Element* element = ElementDeTexte(liste_, field.value);
    choisi_ = element && selecteur_.ChoisirPays(element->objet);
}

std::optional<std::string> TfrmPays::Leave() {
    if (choisi_) return std::nullopt;
    host::ZORInformation("Veuillez sélectionner un pays valide");
    return kPays;
}

// The choice is kept as it is made; there is nothing more to hand back.
void TfrmPays::Deactivate() {}

std::optional<int> ChoisirPaysCorrige(std::string paysInvalide, std::string nomPatronymique, std::string prenoms) {
    TfrmPays ecran(std::move(paysInvalide), std::move(nomPatronymique), std::move(prenoms));
    if (!ChoisirParHote(ecran, kPays)) return std::nullopt;
    return ecran.Pays();
}

std::optional<int> ChoisirFormeCorrigee(std::string formeInvalide, std::string denomination) {
    TfrmFJ ecran(std::move(formeInvalide), std::move(denomination));
    if (!ChoisirParHote(ecran, kForme)) return std::nullopt;
    return ecran.Forme();
}

}  // namespace kvarn::identification
