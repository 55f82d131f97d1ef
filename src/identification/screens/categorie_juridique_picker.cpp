#include "identification/screens/categorie_juridique_picker.hpp"

#include "host/boites.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace kvarn::identification {
namespace {

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

const NoeudCategorie* Chercher(const std::vector<NoeudCategorie>& noeuds, const std::string& code) {
    for (const NoeudCategorie& noeud : noeuds) {
        if (noeud.niveau == 3 && noeud.ligne->code == code) return &noeud;
        if (const NoeudCategorie* trouve = Chercher(noeud.enfants, code)) return trouve;
    }
    return nullptr;
}

}  // namespace

TfrmCategorieJuridique::TfrmCategorieJuridique(const EchangeCategorieJuridique& echange) {
    for (const auto& un : CCategorieJuridique::Niveau1()) {
        NoeudCategorie racine{1, &un, Enfants(CCategorieJuridique::Niveau2(), un.code, 2), true};
        for (NoeudCategorie& deux : racine.enfants)
            deux.enfants = Enfants(CCategorieJuridique::Niveau3(), deux.ligne->code, 3);
        racines_.push_back(std::move(racine));
    }
    if (!SelectionnerCode(echange.code)) selection_ = racines_.empty() ? nullptr : &racines_.front();
}

bool TfrmCategorieJuridique::SelectionnerCode(const std::string& code) {
    const NoeudCategorie* trouve = code.empty() ? nullptr : Chercher(racines_, code);
    if (trouve) selection_ = trouve;
    return trouve != nullptr;
}

bool TfrmCategorieJuridique::Confirmer(EchangeCategorieJuridique& echange) const {
    if (!selection_) {
        host::ZORInformation("Veuillez sélectionner une catégorie juridique.");
        return false;
    }
    if (selection_->niveau != 3) {
        host::ZORInformation("Veuillez sélectionner une catégorie juridique au troisième niveau.");
        return false;
    }
    echange.code = selection_->ligne->code;
    echange.libelle = selection_->ligne->libelle;
    return true;
}

}  // namespace kvarn::identification
