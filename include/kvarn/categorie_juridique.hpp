// CCategorieJuridique: the statistics institute's three-level nomenclature of legal categories.
//
// Level one (one digit) and level two (two digits) group the level-three rows (four digits),
// the only codes ever stored. The level-three table keeps a fixed order of 271 rows; each row's
// CATEGORIE_JURIDIQUE value is derived from its position (see the .cpp). Beware: the lookups by
// CATEGORIE_JURIDIQUE work on positions, except AffecterComboBox, which works on values; the two
// differ for positions 43 to 267. Codes 1100 to 1900 (positions 0 to 8) are withdrawn first-level
// codes kept to recognise old values; 5498, 5720 and 6588 are withdrawn codes the picker hides.
#pragma once

#include <kvarn/kvarn.h>

#include <string>
#include <utility>
#include <vector>

enum CATEGORIE_JURIDIQUE : int {
    CJ_AUCUNE = -1,
    CJ_ENTREPRENEUR_INDIVIDUEL = 268,  // 1000
    CJ_OPCVM = 269,                    // 0000
    CJ_SOCIETE_LIBRE_PARTENARIAT = 270 // 5310
};

struct LigneCategorieJuridique {
    int valeur;           // CATEGORIE_JURIDIQUE of a level-three row; -1 on levels one and two
    std::string code;     // 1, 2 or 4 digits
    std::string libelle;  // French label, as published
};

class KVARN_EXPORT CCategorieJuridique {
public:
    // A combo box's content without the widget: texts each carrying a pointer to its row.
    using ListeTextes = std::vector<std::pair<std::string, const LigneCategorieJuridique*>>;

    static const std::vector<LigneCategorieJuridique>& Niveau1();
    static const std::vector<LigneCategorieJuridique>& Niveau2();
    static const std::vector<LigneCategorieJuridique>& Niveau3();

    // Label of the first level-three row whose code is exactly `code`; empty when none.
    static std::string DonneLibelleCategorieJuridique(const std::string& code);
    // Refills the list with the 271 labels in table order; the index of the row whose *value* is
    // `valeur`, or -1. The boolean has no effect.
    static int AffecterComboBox(ListeTextes& liste, bool inutilise, CATEGORIE_JURIDIQUE valeur);
    // Label and code of the row at *position* 9 to 270; empty otherwise.
    static std::string CategorieJuridiqueLibelle(CATEGORIE_JURIDIQUE position);
    static std::string CategorieJuridiqueCode(CATEGORIE_JURIDIQUE position);
    // *Position* of the first row whose label equals `libelle` without regard to case; -1 when
    // none or for an empty text.
    static CATEGORIE_JURIDIQUE DonneCategorieJuridique(const std::string& libelle);
};
