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
// panel "gerant-associe-..." without telephone nor country, which the associates table does not
// keep (GerantAssocie). What the screen is not handed stays hidden, as does what the caller's
// CIntervenants hides.
//
// The wizard's screen 11 shows the declarant and the parties; the manager and co-manager only in
// a dossier of category 5, the property company whose return (2072) names them: elsewhere the
// look-up would only warn that the company has no manager. Its screen 5, under the associates, is
// the associates' variant: the associate's name ("associe", read-only) and, for a legal person,
// its manager, read from and written to its row of the associates table.
//
// The accountant, outside the associates, follows the practice's rule: when the companion module
// is installed and the practice does not choose the accountant per dossier, the button does not
// open the directory but says where the accountant is set. No button detaches a party: the
// environment leaves that to the dossier's own screens, and a button that did nothing would
// mislead.
//
// Deactivating writes the declarant's name and capacity when they are shown, and the associate's
// manager.
#pragma once

#include "identification/screens/ecran_identification.hpp"
#include "identification/screens/sources_associes.hpp"

#include "frame/screens/address_panel.hpp"

#include <kvarn/parametres_ecrans.hpp>

#include <memory>
#include <optional>

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
    // Screen 5: the associates' variant for `associe` (none, or a physical person: nothing to fill).
    explicit TfrmIntervenants(const std::optional<Associe>& associe);

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

private:
    TfrmIntervenants(const CIntervenants& affichage, const DirigeantsDossier* dirigeants, GerantAssocie* gerantAssocie,
                     std::unique_ptr<GerantAssocie> associe);
    void Charger();
    void ChargerIntervenants();
    void ChargerDirigeants();
    void Montrer(const std::string& nom, const INTERVENANT_KV& intervenant);
    void ChoisirComptable();

    const DirigeantsDossier* dirigeants_;
    GerantAssocie* gerantAssocie_;
    std::unique_ptr<GerantAssocie> associe_;  // the variant's, owned
    frame::AddressPanel panneauGerant_{"gerant-associe-"};
};

}  // namespace kvarn::identification
