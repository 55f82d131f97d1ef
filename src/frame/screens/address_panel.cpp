#include "frame/screens/address_panel.hpp"

#include "host/boites.hpp"
#include "host/pays.hpp"
#include "host/verifications.hpp"

namespace kvarn::frame {
namespace {

struct Member {
    const char* name;
    const char* label;
    int width;
    std::string host::TAdresseFormatTDFC::*text;
};

// The text members in display order; the country comes after the town.
const Member kTexts[] = {
    {"complement-1", "Complément 1", 35, &host::TAdresseFormatTDFC::Complement1},
    {"complement-2", "Complément 2", 35, &host::TAdresseFormatTDFC::Complement2},
    {"numero-voie", "N° de voie", 5, &host::TAdresseFormatTDFC::NoVoie},
    {"indice-repetition", "Indice de répétition", 3, &host::TAdresseFormatTDFC::IndiceRepetition},
    {"voie", "Voie", 35, &host::TAdresseFormatTDFC::NomVoie},
    {"bp", "BP", 5, &host::TAdresseFormatTDFC::BP},
    {"code-postal", "Code postal", 17, &host::TAdresseFormatTDFC::CP},
    {"ville", "Ville", 31, &host::TAdresseFormatTDFC::Ville},
    {"telephone", "Téléphone", 17, &host::TAdresseFormatTDFC::Telephone},
};
constexpr std::size_t kAvantPays = 8;  // the members shown before the country
constexpr const char* kPays = "pays";

std::string NomDuPays(int id) {
    const host::Pays* pays = host::TListePays::Trouver(id);
    return pays ? pays->libelle : std::string();
}

int PaysNomme(const std::string& nom) {
    for (const host::Pays& pays : host::TListePays::Liste())
        if (nom == pays.libelle) return pays.id;
    return PAYS_FRANCE;
}

}  // namespace

AddressPanel::AddressPanel(std::string prefix) : prefix_(std::move(prefix)) {}

std::vector<Field> AddressPanel::Fields() const {
    std::vector<Field> fields;
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (i == kAvantPays) {
            host::ListeChoix pays;
            host::TListePays::AffecterComboBox(pays, PAYS_FRANCE);
            Field liste{.name = Name(kPays), .label = "Pays"};
            for (const auto& element : pays.elements) liste.choices.push_back(element.texte);
            fields.push_back(std::move(liste));
        }
        fields.push_back({.name = Name(kTexts[i].name), .label = kTexts[i].label, .width = kTexts[i].width});
    }
    return fields;
}

std::vector<std::pair<std::string, std::string>> AddressPanel::Values(const host::TAdresseFormatTDFC& adresse) const {
    std::vector<std::pair<std::string, std::string>> values;
    for (const Member& m : kTexts) values.emplace_back(Name(m.name), adresse.*m.text);
    values.emplace_back(Name(kPays), NomDuPays(adresse.IDPays));
    return values;
}

host::TAdresseFormatTDFC AddressPanel::Read(const Screen& screen, host::TAdresseFormatTDFC adresse) const {
    for (const Member& m : kTexts) adresse.*m.text = screen.GetField(Name(m.name)).value;
    adresse.IDPays = PaysNomme(screen.GetField(Name(kPays)).value);
    return adresse;
}

std::optional<std::string> AddressPanel::Check(const Screen& screen) const {
    const std::string codePostal = screen.GetField(Name("code-postal")).value;
    if (PaysNomme(screen.GetField(Name(kPays)).value) != PAYS_FRANCE || codePostal.empty() ||
        host::EstCodePostalValide(codePostal))
        return std::nullopt;
    host::ZORErreur("Le code postal « " + codePostal + " » n'est pas valide : un code postal français compte cinq chiffres.");
    return Name("code-postal");
}

}  // namespace kvarn::frame
