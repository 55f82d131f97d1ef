// TfrmCategorieJuridique: the picker of the company's legal category, without its widgets.
//
// The tree has the ten level-one rows as roots, their level-two rows under them and the
// level-three rows under those, in table order, the withdrawn codes 5498, 5720 and 6588 left out
// (and so the old first-level codes 1100 to 1900, whose groups have no level-two row). Node texts
// are labels only. Opening selects the node of the current code, or the first node; confirming
// accepts only a level-three node.
#pragma once

#include <kvarn/categorie_juridique.hpp>

#include <memory>
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

class TfrmCategorieJuridique {
public:
    explicit TfrmCategorieJuridique(const EchangeCategorieJuridique& echange);

    const std::vector<NoeudCategorie>& Arbre() const { return racines_; }
    const NoeudCategorie* Selection() const { return selection_; }
    // Selects the node of that level-three code; false (selection unchanged) when there is none.
    bool SelectionnerCode(const std::string& code);
    void SelectionnerNoeud(const NoeudCategorie* noeud) { selection_ = noeud; }

    // OK: true when a level-three node is selected, its code and label then written to `echange`;
    // otherwise the reason is shown through the host's information box and the picker stays open.
    bool Confirmer(EchangeCategorieJuridique& echange) const;

private:
    std::vector<NoeudCategorie> racines_;
    const NoeudCategorie* selection_ = nullptr;
};

}  // namespace kvarn::identification
