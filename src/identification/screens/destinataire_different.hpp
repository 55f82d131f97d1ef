// The recipient of the returns when it is not the company, as two screens take it (administrative
// data, addresses): "nom-destinataire" (35 characters) and an address panel "destinataire-...",
// read from and written to the dossier's settings through the environment (GetAdresseDestDiff /
// SetAdresseDestDiff). Those settings keep no country, so the panel shows none: an address the
// screen could not keep is not offered.
#pragma once

#include "frame/screens/address_panel.hpp"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvarn::identification {

class DestinataireDifferent {
public:
    std::vector<frame::Field> Champs() const;
    // The fields' values as the dossier keeps them.
    std::vector<std::pair<std::string, std::string>> Charger() const;
    void Enregistrer(const frame::Screen& ecran) const;
    // The address panel's check on leaving.
    std::optional<std::string> Verifier(const frame::Screen& ecran) const { return panneau_.Check(ecran); }
    const frame::AddressPanel& Panneau() const { return panneau_; }

private:
    frame::AddressPanel panneau_{"destinataire-"};
};

}  // namespace kvarn::identification
