// A SIRET typed the way the screens take it: the three groups of three digits of its SIREN, then
// the five digits of its NIC, as four fields of a screen.
//
// A screen declares the four fields among its own, named after a prefix ("siret-n-" gives
// "siret-n-siren-1", "siret-n-siren-2", "siret-n-siren-3", "siret-n-nic"; no prefix gives
// "siren-1" ... "nic"), takes digits only in them, shows a number through Valeurs, joins them back
// with Joint and, after an entry, passes the focus on when a typed digit fills a group (Suivant):
// first group to second, second to third, third to the NIC.
//
// A caller that holds the whole number (the command line) names it by the prefix without its
// dash ("siret-n") and RepartirSaisie spreads it over the four fields.
#pragma once

#include "frame/screens/screen.hpp"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvarn::identification {

class GroupesSiret {
public:
    explicit GroupesSiret(std::string prefixe = "");

    // The four names, in display order.
    const std::vector<std::string>& Noms() const { return noms_; }
    bool Contient(std::string_view champ) const;
    // The fields, the SIREN groups under `libelle` and the NIC under `libelleNic`.
    std::vector<frame::Field> Champs(const std::string& libelle, const std::string& libelleNic, bool lectureSeule) const;
    // The value of each field that shows `siret` (a SIREN alone leaves the NIC empty).
    std::vector<std::pair<std::string, std::string>> Valeurs(std::string_view siret) const;
    // The SIREN, the four fields joined and trimmed; the SIREN alone.
    std::string Joint(const frame::Screen& ecran) const;
    std::string Siren(const frame::Screen& ecran) const;
    // True when every field is empty.
    bool Vide(const frame::Screen& ecran) const;
    // The field that gets the focus once `champ` went from `avant` to its value; empty: none.
    std::string Suivant(const frame::Field& champ, const std::string& avant) const;

private:
    std::vector<std::string> noms_;
};

// The entries that put `texte` into the field `nom` of `ecran`: the four fields of a grouped SIRET
// when `nom` names one (14 digits spread 3, 3, 3, 5), otherwise the field itself.
std::vector<std::pair<std::string, std::string>> RepartirSaisie(const frame::Screen& ecran, std::string_view nom,
                                                                 std::string_view texte);
// The grouped SIRETs of `ecran` as whole fields (the first group's label and state, the value
// joined), for a caller that shows numbers whole.
std::vector<frame::Field> SiretsGroupes(const frame::Screen& ecran);

}  // namespace kvarn::identification
