// TfrmImpotDeclarant: the recipient tax office and the signature, without widgets.
//
// Fields: "sie" (the tax office attached to the dossier, read-only; button "choisir-sie"); the
// rental-income contribution block: "sie-crl" (its tax office, the dossier's CGI party, read-only;
// button "choisir-sie-crl"), the payment mode as three exclusive check boxes "especes",
// "virement", "cheque" (none ticked: mode 0; otherwise 1, 2, 3), and "nb-virements", enabled only
// while "virement" is ticked and emptied (NULL_ENTIER) when it is unticked; the signature block:
// "date" ("Le ", dd/mm/yyyy), "lieu", "signature" (25), "qualite" (25, a list of the usual
// capacities that also takes any text), and the dossier's "telephone" and "email" (read-only:
// the dossier's record keeps them). The caller's CImpotDeclarant shows or hides each block.
//
// Activating reads the signature through CImpotDeclarant, the mode and the count from the
// settings store. Leaving refuses a date that is no date. Deactivating writes the date, name,
// capacity and place, and the payment mode and count too: an entry the screen takes is kept.
#pragma once

#include "identification/screens/ecran_identification.hpp"

#include <kvarn/parametres_ecrans.hpp>

namespace kvarn::identification {

class TfrmImpotDeclarant final : public EcranIdentification {
public:
    // The wizard's: both blocks.
    static CImpotDeclarant ParDefaut() { return CImpotDeclarant(0, true, true); }
    explicit TfrmImpotDeclarant(const CImpotDeclarant& affichage = ParDefaut());

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

protected:
    void ApresSaisie(frame::Field& field, const std::string& before) override;

private:
    void Charger();
    void Enregistrer();
    void ChargerCentres();
    int Mode() const;
    void ReglerNombre();
};

}  // namespace kvarn::identification
