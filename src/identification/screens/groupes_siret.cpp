#include "identification/screens/groupes_siret.hpp"

#include "common/text.hpp"

#include <algorithm>
#include <array>

namespace kvarn::identification {
namespace {

constexpr std::array<std::size_t, 4> kLargeurs{3, 3, 3, 5};
constexpr std::string_view kPremierGroupe = "-siren-1";

std::string Morceau(std::string_view texte, std::size_t debut, std::size_t largeur) {
    return debut >= texte.size() ? std::string() : std::string(texte.substr(debut, largeur));
}

}  // namespace

GroupesSiret::GroupesSiret(std::string prefixe)
    : noms_{prefixe + "siren-1", prefixe + "siren-2", prefixe + "siren-3", prefixe + "nic"} {}

bool GroupesSiret::Contient(std::string_view champ) const {
    return std::find(noms_.begin(), noms_.end(), champ) != noms_.end();
}

std::vector<frame::Field> GroupesSiret::Champs(const std::string& libelle, const std::string& libelleNic,
                                               bool lectureSeule) const {
    std::vector<frame::Field> champs;
    for (std::size_t i = 0; i < noms_.size(); ++i)
        champs.push_back({.name = noms_[i],
                          .label = i + 1 < noms_.size() ? libelle : libelleNic,
                          .readOnly = lectureSeule,
                          .width = static_cast<int>(kLargeurs[i])});
    return champs;
}

std::vector<std::pair<std::string, std::string>> GroupesSiret::Valeurs(std::string_view siret) const {
    std::vector<std::pair<std::string, std::string>> valeurs;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < noms_.size(); ++i) {
        valeurs.emplace_back(noms_[i], Morceau(siret, debut, kLargeurs[i]));
        debut += kLargeurs[i];
    }
    return valeurs;
}

std::string GroupesSiret::Siren(const frame::Screen& ecran) const {
    std::string siren;
    for (std::size_t i = 0; i + 1 < noms_.size(); ++i) siren += ecran.GetField(noms_[i]).value;
    return Trim(siren);
}

std::string GroupesSiret::Joint(const frame::Screen& ecran) const {
    std::string siret;
    for (const std::string& nom : noms_) siret += ecran.GetField(nom).value;
    return Trim(siret);
}

bool GroupesSiret::Vide(const frame::Screen& ecran) const {
    return std::all_of(noms_.begin(), noms_.end(), [&](const std::string& nom) { return ecran.GetField(nom).value.empty(); });
}

std::string GroupesSiret::Suivant(const frame::Field& champ, const std::string& avant) const {
    const auto groupe = std::find(noms_.begin(), noms_.end(), champ.name);
    if (groupe == noms_.end() || groupe + 1 == noms_.end()) return {};
    const std::size_t largeur = static_cast<std::size_t>(champ.width);
    const bool rempliALaTouche = avant.size() + 1 == largeur && champ.value.size() == largeur;
    return rempliALaTouche ? *(groupe + 1) : std::string();
}

std::vector<std::pair<std::string, std::string>> RepartirSaisie(const frame::Screen& ecran, std::string_view nom,
                                                                 std::string_view texte) {
    const std::string premier = std::string(nom) + std::string(kPremierGroupe);
    const bool groupe = std::any_of(ecran.Fields().begin(), ecran.Fields().end(),
                                    [&](const frame::Field& f) { return f.name == premier; });
    if (!groupe) return {{std::string(nom), std::string(texte)}};
    return GroupesSiret(std::string(nom) + "-").Valeurs(texte);
}

std::vector<frame::Field> SiretsGroupes(const frame::Screen& ecran) {
    std::vector<frame::Field> sirets;
    for (const frame::Field& champ : ecran.Fields()) {
        if (champ.name.size() <= kPremierGroupe.size() || !champ.name.ends_with(kPremierGroupe)) continue;
        frame::Field entier = champ;
        entier.name = champ.name.substr(0, champ.name.size() - kPremierGroupe.size());
        entier.value = GroupesSiret(entier.name + "-").Joint(ecran);
        entier.width = 14;
        sirets.push_back(std::move(entier));
    }
    return sirets;
}

}  // namespace kvarn::identification
