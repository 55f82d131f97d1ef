#include "identification/screens/ecran_identification.hpp"

#include "common/dates.hpp"
#include "common/text.hpp"
#include "host/boites.hpp"

#include <algorithm>
#include <stdexcept>

namespace kvarn::identification {
namespace {

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
bool EstLettreOuChiffre(char c) { return EstChiffre(c) || (c >= 'A' && c <= 'Z'); }

bool Accepte(GenreSaisie genre, const std::string& valeur) {
    switch (genre) {
        case GenreSaisie::Chiffres: return std::all_of(valeur.begin(), valeur.end(), EstChiffre);
        case GenreSaisie::Code: return std::all_of(valeur.begin(), valeur.end(), EstLettreOuChiffre);
        case GenreSaisie::Coche: return valeur == "oui" || valeur == "non";
    }
    return false;
}

}  // namespace

const Bouton& EcranIdentification::GetBouton(std::string_view name) const {
    const auto trouve = std::find_if(boutons_.begin(), boutons_.end(), [&](const Bouton& b) { return b.name == name; });
    if (trouve == boutons_.end()) throw std::out_of_range("bouton inconnu de l'écran : " + std::string(name));
    return *trouve;
}

void EcranIdentification::Appuyer(std::string_view name) {
    const Bouton& bouton = GetBouton(name);
    if (!bouton.enabled || !bouton.visible)
        throw std::logic_error("le bouton « " + bouton.name + " » n'est pas disponible");
    bouton.action();
}

void EcranIdentification::ToutEnLectureSeule() {
    for (const frame::Field& field : Fields()) FieldRef(field.name).readOnly = true;
    for (Bouton& bouton : boutons_) bouton.enabled = false;
}

std::optional<std::string> EcranIdentification::VerifierDate(const std::string& field, const std::string& quoi) const {
    const std::string& date = Value(field);
    if (date.empty() || ParseDate(date)) return std::nullopt;
    host::ZORErreur("La date " + quoi + " « " + date + " » n'est pas une date (jj/mm/aaaa).");
    return field;
}

void EcranIdentification::Edited(frame::Field& field, const std::string& before) {
    if (const auto genre = genres_.find(field.name); genre != genres_.end()) {
        if (genre->second == GenreSaisie::Code) field.value = ToUpperFrench(field.value);
        if (!Accepte(genre->second, field.value)) {
            field.value = before;
            return;
        }
    }
    ApresSaisie(field, before);
}

void EcranIdentification::ApresSaisie(frame::Field&, const std::string&) {}

}  // namespace kvarn::identification
