// TfrmIntervenants: the declarant and the outside parties, without widgets.
//
// Fields: "nom-declarant" and "qualite-declarant" (CIntervenants' declarant accessors); for the
// manager, co-manager, accountant, adviser, approved association and property administrator,
// "gerant", "cogerant", "comptable", "conseil", "aga", "administrateur" (the party's name) each
// followed by its address on one line ("comptable-adresse", ...), read-only; the buttons
// "choisir-comptable", "choisir-conseil", "choisir-aga", "choisir-administrateur" let the user pick
// the party from the directory and attach it to the dossier (what is attached is shown again).
// The manager and co-manager come from the associates (DirigeantsDossier); under the associates,
// the current associate's manager: "gerant-associe-nom", "gerant-associe-prenom" and an address
// panel "gerant-associe-..." (GerantAssocie). What the screen is not handed stays hidden, as does
// what the caller's CIntervenants hides.
//
// The accountant, outside the associates, follows the practice's rule: when the companion module
// is installed and the practice does not choose the accountant per dossier, the button does not
// open the directory but says where the accountant is set. No button detaches a party: the
// environment leaves that to the dossier's own screens, and a button that did nothing would
// mislead.
//
// Deactivating writes the declarant's name and capacity, and the associate's manager.
#pragma once

#include "identification/screens/ecran_identification.hpp"
#include "identification/screens/sources_associes.hpp"

#include "frame/screens/address_panel.hpp"

#include <kvarn/parametres_ecrans.hpp>

namespace kvarn::identification {

inline constexpr const char* kComptableDossier =
    "Le comptable est à renseigner au niveau de la modification du dossier, onglet 'Données EDI'.";
inline constexpr const char* kComptableCabinet =
    "Le comptable est à renseigner au niveau Tavelor, menu 'Paramétrage' -> 'Données EDI'.";

class TfrmIntervenants final : public EcranIdentification {
public:
    // The wizard's: everything but the associate's manager.
    static CIntervenants ParDefaut() { return CIntervenants(0, true, true, true, true, true, true, true, false); }

    explicit TfrmIntervenants(const CIntervenants& affichage = ParDefaut(), const DirigeantsDossier* dirigeants = nullptr,
                              GerantAssocie* gerantAssocie = nullptr);

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

private:
    void Charger();
    void ChargerIntervenants();
    void ChoisirComptable();

    const DirigeantsDossier* dirigeants_;
    GerantAssocie* gerantAssocie_;
    frame::AddressPanel panneauGerant_{"gerant-associe-"};
};

}  // namespace kvarn::identification
