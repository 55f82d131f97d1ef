// TfrmNumGeneraux: the general-numbers screen ("Numéros généraux"), without its widgets.
//
// Tabs and fields, each tab shown as its caller's CNumGeneraux says (OngletVisible):
//  - "Numéros d'identification ": "prefixe" (4, letters and digits, upper-cased), the SIREN in three
//    groups "siren-1" to "siren-3" and "nic" (groupes_siret.hpp), "ape" (before 2008, 5), "ape-2008"
//    (5), "nace" (6, upper-cased), and the " Juridique " group's check box "pme";
//  - "ROF": for each obligation TVA, TDFC, CVAE, IS, RCM, the row's label "rof-tva-libelle" (from
//    the dossier's tax category and imposition regime, LibellesROF), the computed reference
//    "rof-tva-calculee" (read-only, as the dossier gives it) and "rof-tva", the number part of the
//    entered reference (1 to 999 for TVA, 0 to 99999 for the others, empty allowed);
//  - "Information TVA": "regime-tva" (19 entries, kRegimesTVA) and the tax office's references
//    (references_fiscales.hpp);
//  - "Activité": "designation", "debut-activite" (shown, not written: the dossier's record keeps
//    it), "cessation-activite" (dd/mm/yyyy).
//
// Activating loads everything from the dossier. Not detached and under ISA processing, every field
// is read-only and nothing is saved. Leaving records whether anything changed (Modifie), then
// checks the identification numbers (while the SIREN is shown), the required references that are
// missing (a warning), the entered references whose number differs from the computed one (a
// question: yes keeps the screen open) and a cessation date that is no date; the first failing
// check names the field to focus. Deactivating writes the numbers and activity codes, the
// references of the rows shown (the row's label followed by the number, or empty), the VAT regime
// and references, the activity, and the small-company flag. Detached, the screen reads neither the
// references nor the flag, and writes back only those the user changed.
#pragma once

#include "identification/screens/ecran_identification.hpp"
#include "identification/screens/groupes_siret.hpp"

#include <kvarn/parametres_ecrans.hpp>

#include <array>
#include <functional>
#include <map>
#include <string>

namespace kvarn::identification {

// The 19 entries of "Régime TVA :", each its code, " - " and its label.
extern const std::array<const char*, 19> kRegimesTVA;

struct LibellesROF {
    std::string tdfc;
    std::string is;
};
// The labels of the TDFC and IS rows for a tax category and an imposition regime.
LibellesROF LibellesLignesROF(int categorie, int regime);

// Where the screen takes the dossier's tax category and imposition regime; an empty function:
// from the environment.
struct Imposition {
    std::function<int()> categorie;
    std::function<int()> regime;
};

class TfrmNumGeneraux final : public EcranIdentification {
public:
    enum Onglet { kOngletIdentification, kOngletROF, kOngletInformationTVA, kOngletActivite };
    static const char* LibelleOnglet(Onglet onglet);

    // The wizard's: every tab but the activity, no reference required.
    static CNumGeneraux ParDefaut();
    // The ROF request's: the row of that obligation (0 TVA, 1 TDFC, 2 IS, 3 CVAE, 4 RCM) alone,
    // required when asked.
    static CNumGeneraux PourROF(int typeRof, bool obligatoire);

    explicit TfrmNumGeneraux(const CNumGeneraux& affichage = ParDefaut(), Imposition imposition = {},
                             bool detache = false);

    bool OngletVisible(Onglet onglet) const;
    // The ROF tab is the only one shown: the tabs are laid out ragged-right.
    bool SeulOngletROF() const;
    bool Modifie() const { return modifie_; }

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

protected:
    void ApresSaisie(frame::Field& field, const std::string& before) override;

private:
    void Charger();
    void Enregistrer();
    void AppliquerAffichage(const CNumGeneraux& affichage);
    std::optional<std::string> VerifierIdentification() const;
    std::optional<std::string> VerifierROF() const;
    bool Change(const std::string& field) const;

    CNumGeneraux affichage_;
    Imposition imposition_;
    bool detache_;
    bool lectureSeule_ = false;
    bool modifie_ = false;
    GroupesSiret siren_;
    std::map<std::string, std::string> charge_;  // the values as loaded
};

}  // namespace kvarn::identification
