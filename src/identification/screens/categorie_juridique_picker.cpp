#include "identification/screens/categorie_juridique_picker.hpp"

#include "host/boites.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace kvarn::identification {
namespace {

constexpr const char* kChamp = "categorie";
constexpr std::array<std::string_view, 3> kCodesMasques{"5498", "5720", "6588"};

bool EstMasque(const std::string& code) {
    return std::find(kCodesMasques.begin(), kCodesMasques.end(), code) != kCodesMasques.end();
}

// The rows of `lignes` whose code begins with `prefixe`, in table order.
std::vector<NoeudCategorie> Enfants(const std::vector<LigneCategorieJuridique>& lignes, const std::string& prefixe,
                                    int niveau) {
    std::vector<NoeudCategorie> enfants;
    for (const auto& ligne : lignes)
        if (ligne.code.compare(0, prefixe.size(), prefixe) == 0 && !EstMasque(ligne.code))
            enfants.push_back({niveau, &ligne, {}, true});
    return enfants;
}

// The node of that code at any level (codes of different levels differ in length).
const NoeudCategorie* Chercher(const std::vector<NoeudCategorie>& noeuds, const std::string& code) {
    for (const NoeudCategorie& noeud : noeuds) {
        if (noeud.ligne->code == code) return &noeud;
        if (const NoeudCategorie* trouve = Chercher(noeud.enfants, code)) return trouve;
    }
    return nullptr;
}

}  // namespace

TfrmCategorieJuridique::TfrmCategorieJuridique(EchangeCategorieJuridique& echange) : echange_(echange) {
    for (const auto& un : CCategorieJuridique::Niveau1()) {
        NoeudCategorie racine{1, &un, Enfants(CCategorieJuridique::Niveau2(), un.code, 2), true};
        for (NoeudCategorie& deux : racine.enfants)
            deux.enfants = Enfants(CCategorieJuridique::Niveau3(), deux.ligne->code, 3);
        racines_.push_back(std::move(racine));
    }
    Declare({.name = kChamp, .label = "Catégorie juridique"});
}

const NoeudCategorie* TfrmCategorieJuridique::Selection() const {
    return Value(kChamp).empty() ? nullptr : Chercher(racines_, Value(kChamp));
}

void TfrmCategorieJuridique::Activate() {
    const NoeudCategorie* courant = echange_.code.empty() ? nullptr : Chercher(racines_, echange_.code);
    if (courant && courant->niveau != 3) courant = nullptr;
    if (!courant && !racines_.empty()) courant = &racines_.front();
    SetValue(kChamp, courant ? courant->ligne->code : "");
}

std::optional<std::string> TfrmCategorieJuridique::Leave() {
    const NoeudCategorie* selection = Selection();
    if (!selection) {
        host::ZORInformation("Veuillez sélectionner une catégorie juridique.");
        return kChamp;
    }
    if (selection->niveau != 3) {
        host::ZORInformation("Veuillez sélectionner une catégorie juridique au troisième niveau.");
        return kChamp;
    }
    return std::nullopt;
}

void TfrmCategorieJuridique::Deactivate() {
    const NoeudCategorie* selection = Selection();
    echange_.code = selection->ligne->code;
    echange_.libelle = selection->ligne->libelle;
}

}  // namespace kvarn::identification
