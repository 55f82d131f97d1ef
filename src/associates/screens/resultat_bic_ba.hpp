// TfrmResultAssoBICBA: the associates' shares of the BIC/IS and BA results and of the rent
// waivers, with the shares entered by hand, without its widgets.
//
// Created with its parameter object, it takes over the parameter's BIC/BA callback and drops the
// cached list of associates; it filters the result view down to the associates the screen is
// about (AfficheBICBA over the year-end holdings), orders it by company name (opening it when it
// is closed), keeps the view's after-post and after-delete handlers aside while it lives, and
// follows the view's rows: it saves the current row before the view leaves it and shows a row once
// the view came to it. Fields: "nb-parts-total" (N), "nb-parts-associe" and its note "note-parts",
// then three lines of TOTAL, Calculé and Saisi: "bic-…", "ba-…" and "abandons-…" (-total,
// -calcule, -saisi). The regime chooses the business line: BA (2) shows the BA line, any other
// regime the BIC/IS line; the other line's entry is emptied and disabled. The BIC entry is also
// disabled outside the BIC and IS regimes and BA, since saving would not keep it. An entry greater
// in magnitude than its line's TOTAL, or positive against a negative TOTAL, goes back to the
// Calculé share. Saving writes the waivers' entry, and the BIC/IS entry under BIC or IS, the BA
// entry under BA. Fermer saves, then puts the view back as it found it, clears the callback and
// drops the cached list; going without Fermer puts everything back without saving.
#pragma once

#include "associates/screens/saisies_resultats.hpp"
#include "frame/screens/screen.hpp"
#include "store/data_module.hpp"

#include <kvarn/ecrans.hpp>

#include <memory>
#include <optional>
#include <string>

namespace kvarn::associates {

inline constexpr const char* kNotePartsNegatif = "(en pleine propriété ou en nue-propriété)";
inline constexpr const char* kNotePartsPositif = "(en pleine propriété ou en usufruit)";

// Whether an entered share of a business result is kept against the line's TOTAL.
bool SaisieExploitationAdmise(double saisi, long total);

class TfrmResultAssoBICBA final : public frame::Screen {
public:
    static constexpr const char* kGroupe = "  Résultat par associé ";

    TfrmResultAssoBICBA(store::TdmKvarn& module, const CResultatAssociesBICBA& parametre);
    ~TfrmResultAssoBICBA() override;

    void Activate() override { Afficher(); }
    std::optional<std::string> Leave() override { return std::nullopt; }
    void Deactivate() override { Sauver(); }

    void Afficher();
    void Sauver();
    void Fermer();
    db::CTable& Vue() { return vue_; }

private:
    void Edited(frame::Field& field, const std::string& before) override;
    void Retablir();

    store::TdmKvarn& module_;
    db::CTable& vue_;
    std::string index_;
    db::TDataSetNotifyEvent apresPost_, apresSuppression_;
    std::unique_ptr<DefilementEcran> defilement_;
    bool retabli_ = false;
    long total_ = 0;        // the shown business line's TOTAL
    std::string calcule_;   // and its Calculé share, as shown
};

}  // namespace kvarn::associates
