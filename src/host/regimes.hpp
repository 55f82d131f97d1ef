// The host's lists of tax categories, tax regimes and imposition regimes.
//
// The tax category of a dossier decides which returns it files and how the module loads
// (3 BNC, 5 real-estate company, 8 the 2036 return). Codes are stored in dossiers and frozen.
// The tables are in src/standalone/regimes.cpp.
#pragma once

#include "host/liste_choix.hpp"

#include <string>
#include <vector>

namespace kvarn::host {

enum CATEGORIE_IMPOSITION : int {
    CI_BIC = 1,
    CI_BA = 2,
    CI_BNC = 3,
    CI_RF = 4,
    CI_RF_SOCIETE_IMMOBILIERE = 5,  // return 2072
    CI_IS_GROUPE = 6,
    CI_BIC_2036 = 8,                // return 2036
};

enum REGIME_IMPOSITION : int {
    RI_IR = 1,  // the associates pay income tax on their share
    RI_IS = 2,  // the company pays corporation tax
};

// A coded entry of one of these lists.
struct CodeLibelle {
    int code;
    const char* abreviation;
    const char* libelle;
};

class cCategoriesImposition {
public:
    static const std::vector<CodeLibelle>& Liste();
    static bool DonnerInfos(int code, std::string* libelle, std::string* abreviation);
    static void AffecterComboBox(ListeChoix& liste, int selection);
};

class cRegimesFiscaux {
public:
    static const std::vector<CodeLibelle>& Liste();
    static bool DonnerInfos(int code, std::string* libelle, std::string* abreviation);
    static void AffecterComboBox(ListeChoix& liste, int selection);
};

class cRegimesImposition {
public:
    static const std::vector<CodeLibelle>& Liste();
    static bool DonnerInfos(int code, std::string* libelle, std::string* abreviation);
};

}  // namespace kvarn::host
