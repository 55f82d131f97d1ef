// TfrmResultatAssocie: one associate's share of the profit or loss and of the long-term gain, with
// the shares entered by hand, without its widgets.
//
// It shows the result view's current row (the view is the one the distribution list opened) and
// follows the view: before the view leaves a row it saves the two entered shares into it, after it
// came to a row it shows that row. Creating it and closing it drop the cached list of associates,
// so that what it saved reaches every reader. Fields, in display order: "nom", "prenom",
// "profession", "regime" (the regime's label), "nb-parts-associe" (year-end PP + NP),
// "nb-parts-total" (the declared N), "resultat-total" and "pvlt-total" (the amounts of the callback),
// "resultat-calcule" and "pvlt-calcule" (the proportional shares), and the two entries
// "benefice-saisi" and "pvlt-saisi", empty when nothing is entered. Fermer saves, takes its
// handlers off the view, drops the cached list and refreshes the view.
#pragma once

#include "associates/screens/saisies_resultats.hpp"
#include "frame/screens/screen.hpp"
#include "store/data_module.hpp"

#include <memory>
#include <optional>
#include <string>

namespace kvarn::associates {

class TfrmResultatAssocie final : public frame::Screen {
public:
    static constexpr const char* kTitre = "Résultat de l'associé";

    explicit TfrmResultatAssocie(store::TdmKvarn& module);
    ~TfrmResultatAssocie() override;

    void Activate() override { Afficher(); }
    std::optional<std::string> Leave() override { return std::nullopt; }
    void Deactivate() override { Sauver(); }

    void Afficher();
    void Sauver();
    void Fermer();

private:
    void Edited(frame::Field& field, const std::string& before) override;

    store::TdmKvarn& module_;
    db::CTable& vue_;
    std::unique_ptr<DefilementEcran> defilement_;
};

}  // namespace kvarn::associates
