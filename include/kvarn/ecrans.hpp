// The screen groups of the wizard and the base of every screen-parameter class.
//
// The host shows one group of the wizard's screens at a time, chosen by a code 0 to 14; a caller
// outside the wizard describes one call of a screen with a parameter object derived from CKvarn,
// which carries the group's code and one integer of the caller's.
#pragma once

#include <kvarn/kvarn.h>

enum TYPE_ECRAN_COMMUN : int {
    TE_NUM_GENERAUX = 0,
    TE_ASSOCIES = 1,
    TE_ADRESSE_DESTINATAIRE = 2,
    TE_IMPOT_DECLARANT = 3,
    TE_INTERVENANTS = 4,
    TE_PRORATA = 5,
    TE_REPARTITION_RESULTAT = 6,
    TE_RESULTAT_ASSOCIE = 7,
    TE_AUTRES_REVENUS = 8,
    TE_ASSOCIE = 9,
    TE_ADRESSE_SIEGE_SOCIAL = 10,
    TE_SIRET = 11,
    TE_CAPITAL_SOCIAL = 12,
    TE_DONNEES_ADMINISTRATIVES = 13,
    TE_FONCTIONS_ET_CAPITAL = 14,
};

class KVARN_EXPORT CKvarn {
public:
    CKvarn(TYPE_ECRAN_COMMUN type, int parametre);
    virtual ~CKvarn();

    TYPE_ECRAN_COMMUN GetTypeEcran() const { return type_; }
    int GetParametre() const { return parametre_; }
    void SetParametre(int parametre) { parametre_ = parametre; }

private:
    TYPE_ECRAN_COMMUN type_;
    int parametre_;
};
