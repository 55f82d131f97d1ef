#include "identification/screens/destinataire_different.hpp"

#include "frame/etat_module.hpp"

namespace kvarn::identification {
namespace {

constexpr const char* kNom = "nom-destinataire";
constexpr int kLargeurNom = 35;

}  // namespace

std::vector<frame::Field> DestinataireDifferent::Champs() const {
    std::vector<frame::Field> champs{{.name = kNom, .label = "Nom", .width = kLargeurNom}};
    for (frame::Field& champ : panneau_.Fields()) {
        champ.visible = champ.name != panneau_.Name("pays");
        champs.push_back(std::move(champ));
    }
    return champs;
}

std::vector<std::pair<std::string, std::string>> DestinataireDifferent::Charger() const {
    host::TAdresseFormatTDFC adresse;
    std::string nom;
    frame::Environnement().GetAdresseDestDiff(adresse, nom);
    auto valeurs = panneau_.Values(adresse);
    valeurs.emplace_back(kNom, nom);
    return valeurs;
}

void DestinataireDifferent::Enregistrer(const frame::Screen& ecran) const {
    frame::Environnement().SetAdresseDestDiff(panneau_.Read(ecran, {}), ecran.GetField(kNom).value);
}

}  // namespace kvarn::identification
