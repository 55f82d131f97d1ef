// The host's list of legal forms.
//
// Codes are the product's own, in 1..100, stored in dossiers (the record's legal form) and in the
// associates' `Titre` for companies: they are frozen forever, a new form takes a new code and a
// withdrawn one keeps its code. Each form has an abbreviation, a label, and the label the
// electronic tax returns use. The table is in src/standalone/formes_juridiques.cpp.
#pragma once

#include "host/liste_choix.hpp"

#include <string>
#include <vector>

namespace kvarn::host {

enum FORME_JURIDIQUE : int {
    FJ_ENTREPRISE_INDIVIDUELLE = 1,
    FJ_EIRL = 2,
    FJ_EURL = 3,
    FJ_SARL = 4,
    FJ_SA = 5,
    FJ_SAS = 6,
    FJ_SASU = 7,
    FJ_SNC = 8,
    FJ_SCS = 9,
    FJ_SCA = 10,
    FJ_SCI = 11,
    FJ_SCM = 12,
    FJ_SCP = 13,
    FJ_SEP = 14,
    FJ_SELARL = 15,
    FJ_SELAS = 16,
    FJ_SELAFA = 17,
    FJ_SELCA = 18,
    FJ_GAEC = 19,
    FJ_EARL = 20,
    FJ_GFA = 21,
    FJ_SCEA = 22,
    FJ_GFV = 23,
    FJ_SOCIETE_CIVILE = 24,
    FJ_SCPI = 25,
    FJ_SCCV = 26,
    FJ_ASSOCIATION = 27,
    FJ_GIE = 28,
    FJ_SCOP = 29,
    FJ_COOPERATIVE = 30,
    FJ_SOCIETE_DE_FAIT = 31,
    FJ_INDIVISION = 32,
    FJ_SPFPL = 33,
    FJ_SELURL = 34,
    FJ_SCIC = 35,
    FJ_FONDATION = 36,
    FJ_SYNDICAT_COPROPRIETAIRES = 37,
    FJ_ETABLISSEMENT_PUBLIC = 38,
    FJ_COLLECTIVITE_TERRITORIALE = 39,
    FJ_MUTUELLE = 40,
    FJ_FONDS_DE_DOTATION = 41,
    FJ_SOCIETE_EUROPEENNE = 42,
    FJ_SELEURL = 43,
    FJ_AUTRE = 99,
};

class cFormeJuridique {
public:
    struct Forme {
        int code;
        const char* abreviation;
        const char* libelle;
        const char* libelleEDI;
    };

    // Every form, by code.
    static const std::vector<Forme>& Liste();
    static const Forme* Trouver(int code);
    // The form's label, EDI label, abbreviation and code as text, each given only when asked
    // for. False (outputs emptied) for an unknown code.
    static bool DonnerInfos(int code, std::string* libelle, std::string* libelleEDI, std::string* abreviation,
                            std::string* codeTexte);
    // Fills a list with the forms' labels carrying their codes: an empty first entry (object 0)
    // when `avecVide`, sorted by label when `trier`, else by code; selects `formeSelectionnee`.
    static void AffecterComboBox(ListeChoix& liste, bool avecVide, bool trier, int formeSelectionnee);
};

}  // namespace kvarn::host
