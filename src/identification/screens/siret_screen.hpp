// TfrmSiret: the SIRET screen, without its widgets: the company's SIRET, pseudo-SIRET and IDSP at
// the closings of the financial year N and of the year before, and its legal category.
//
// Fields: the dossier's SIRET "siret-principal-siren-1" ... "siret-principal-nic" (read-only), the
// SIRET at 31/12/N and at 31/12/N-1 as groups "siret-n-..." and "siret-n1-..." (three SIREN groups
// and the NIC, digits, the focus passing on as a group fills: groupes_siret.hpp),
// "pseudo-siret-n", "pseudo-siret-n1", "idsp-n", "idsp-n1" (14 characters each) and
// "categorie-juridique" (the category's label, read-only; the picker changes it). The year of
// each closing stands in the labels. Activating loads them from the dossier and the settings
// store (CSiret, at 31/12/N and 31/12/N-1). After each load or entry: pseudo-SIRET N and IDSP N
// stay enabled only while the dossier's SIRET and the SIRET N are both empty, pseudo-SIRET N-1
// and IDSP N-1 only while the SIRET N-1 is empty, and an IDSP field that becomes disabled is
// emptied. Leaving checks the pseudo-SIRETs (N, then N-1), the IDSPs, then each SIRET that is
// not empty (the host's check says why it refuses); the first failure names its field.
// Deactivating stores the SIRETs and IDSPs of both closings, and the pseudo-SIRET of each closing
// whose field is enabled.
#pragma once

#include "identification/screens/categorie_juridique_picker.hpp"
#include "identification/screens/ecran_identification.hpp"
#include "identification/screens/groupes_siret.hpp"

namespace kvarn::identification {

class TfrmSiret final : public EcranIdentification {
public:
    explicit TfrmSiret(int annee);

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

    // What the legal-category picker starts from: the stored code.
    EchangeCategorieJuridique EchangeCategorie() const { return {"", codeCategorie_, ""}; }
    // What the picker handed back on confirmation: stored at once, its label shown.
    void CategorieChoisie(const EchangeCategorieJuridique& echange);

protected:
    void ApresSaisie(frame::Field& field, const std::string& before) override;

private:
    void ReglerActivation();  // the enabling rule
    int annee_;
    std::string codeCategorie_;
};

}  // namespace kvarn::identification
