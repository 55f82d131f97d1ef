// TfrmDonneesAdministrative: the administrative data screen, without its widgets.
//
// Fields: "sie" (the tax office attached to the dossier, read-only, 35; the button "choisir-sie"
// lets the user pick it from the directory), "siret" (the dossier's SIRET, 14 digits),
// "siren-associe" (the SIREN of the company, SCM, SEP or SCP, of which the dossier is an associate;
// settings "SirentSocieteSiAssocieSCM_SEP_SCP"), "siret-tete-groupe" (the group head's SIRET),
// the tax office's references (references_fiscales.hpp), the recipient when it is not the company
// (destinataire_different.hpp) and "date-echeance", the caller's due date under "Acompte :" or
// "Liquidation :" (read-only).
//
// The caller's CDonneesAdministrative gives the due date, the group head's SIRET and takes it back.
// From the wizard there is none: no due date (its row hidden), and the group head's SIRET disabled
// and empty, since no caller keeps it.
//
// Leaving: the dossier's SIRET must pass the host's check, even empty; then the group head's,
// while it is enabled and filled; a new SIRET must fit the dossier's VAT prefix (the dossier
// record refuses it otherwise); the recipient's postcode. Deactivating writes the SIRET (when
// changed) into the dossier's numbers, the references into the administrative record, the
// associate SIREN into the settings, the recipient, and hands the group head's SIRET back.
#pragma once

#include "identification/screens/destinataire_different.hpp"
#include "identification/screens/ecran_identification.hpp"

#include <kvarn/parametres_ecrans.hpp>

#include <optional>

namespace kvarn::identification {

class TfrmDonneesAdministrative final : public EcranIdentification {
public:
    // `parametres`: the caller's, copied; null from the wizard.
    explicit TfrmDonneesAdministrative(const CDonneesAdministrative* parametres = nullptr);

    // The title of the return the caller prepares; empty from the wizard.
    const std::string& Titre() const { return titre_; }

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

private:
    void Charger();
    void Enregistrer();
    void ChargerSIE();
    std::optional<std::string> VerifierPrefixe() const;

    std::optional<CDonneesAdministrative> parametres_;
    std::string titre_;
    std::string siretCharge_;
    DestinataireDifferent destinataire_;
};

}  // namespace kvarn::identification
