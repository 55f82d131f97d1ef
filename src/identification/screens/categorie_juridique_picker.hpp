// TfrmCategorieJuridique: the picker of the company's legal category, without its widgets.
//
// The tree has the ten level-one rows as roots, their level-two rows under them and the
// level-three rows under those, in table order, the withdrawn codes 5498, 5720 and 6588 left out
// (and so the old first-level codes 1100 to 1900, whose groups have no level-two row). Node texts
// are labels only; the view shows Arbre() as a read-only tree. Its one field, "categorie", holds
// the code of the selected node (any level; empty for none): activating selects the node of the
// exchange's code, or the first node; leaving accepts only a level-three node; deactivating hands
// its code and label back through the exchange.
#pragma once

#include "frame/screens/screen.hpp"

#include <kvarn/categorie_juridique.hpp>

#include <string>
#include <vector>

namespace kvarn::identification {

// What the caller hands the picker and gets back: a first slot the picker does not use, the
// current code (the chosen one on confirmation), and the chosen label.
struct EchangeCategorieJuridique {
    std::string inutilise;
    std::string code;
    std::string libelle;
};

struct NoeudCategorie {
    int niveau = 0;  // 1, 2 or 3
    const LigneCategorieJuridique* ligne = nullptr;
    std::vector<NoeudCategorie> enfants;
    bool deploye = false;
};

class TfrmCategorieJuridique final : public frame::Screen {
public:
    explicit TfrmCategorieJuridique(EchangeCategorieJuridique& echange);

    const std::vector<NoeudCategorie>& Arbre() const { return racines_; }
    // The selected node, or nullptr.
    const NoeudCategorie* Selection() const;

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;

private:
    EchangeCategorieJuridique& echange_;
    std::vector<NoeudCategorie> racines_;
};

}  // namespace kvarn::identification
