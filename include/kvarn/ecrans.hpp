// The screen groups of the wizard and the base of every screen-parameter class.
//
// The host shows one group of the wizard's screens at a time, chosen by a code 0 to 14; a caller
// outside the wizard describes one call of a screen with a parameter object derived from CKvarn,
// which carries the group's code and one integer of the caller's, and after them the caller's
// switches of that screen (numbered from 1, false when not given). The data module keeps one
// outside-party object and one addressee object for the screens that work with them.
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

// The parameter object of the addressee's address screens: four switches.
class KVARN_EXPORT CAdresseDestinataire : public CKvarn {
public:
    explicit CAdresseDestinataire(bool s1 = false, bool s2 = false, bool s3 = false, bool s4 = false);
    ~CAdresseDestinataire() override;
    bool Interrupteur(int numero) const;  // 1 to 4; false outside

private:
    bool interrupteurs_[4];
};

// The parameter object of the outside-party screens: eight switches.
class KVARN_EXPORT CIntervenants : public CKvarn {
public:
    explicit CIntervenants(bool s1 = false, bool s2 = false, bool s3 = false, bool s4 = false, bool s5 = false,
                           bool s6 = false, bool s7 = false, bool s8 = false);
    ~CIntervenants() override;
    bool Interrupteur(int numero) const;  // 1 to 8; false outside

private:
    bool interrupteurs_[8];
};
