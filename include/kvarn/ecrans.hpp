// The screen groups of the wizard and the base of every screen-parameter class.
//
// The host shows one group of the wizard's screens at a time, chosen by a code 0 to 14; a caller
// outside the wizard describes one call of a screen with a parameter object derived from CKvarn,
// which carries the group's code and one integer of the caller's.
//
// The two distribution screens take the host's amounts through callbacks carried by their
// parameter objects: the result screen's (CRepartitionResultatAssocies) gives the company's result,
// its long-term gain and a further amount; the BIC/BA screen's (CResultatAssociesBICBA) the BIC/IS
// result, the BA result and the rent waivers. Each is asked for one associate at a time; what it
// returns is the host's and is not used. The screen takes the callback over while it is open.
#pragma once

#include <kvarn/kvarn.h>

#include <functional>

class Associe;

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

using TCalculResultatAssocies = std::function<bool(const Associe& associe, int& resultat, int& pvlt, int& autre)>;
using TCalculResultatBICBA = std::function<bool(const Associe& associe, long& bic, long& ba, long& abandons)>;

class KVARN_EXPORT CRepartitionResultatAssocies : public CKvarn {
public:
    CRepartitionResultatAssocies(int parametre, TCalculResultatAssocies calcul);
    const TCalculResultatAssocies& GetCalcul() const { return calcul_; }

private:
    TCalculResultatAssocies calcul_;
};

class KVARN_EXPORT CResultatAssociesBICBA : public CKvarn {
public:
    CResultatAssociesBICBA(int parametre, TCalculResultatBICBA calcul);
    const TCalculResultatBICBA& GetCalcul() const { return calcul_; }

private:
    TCalculResultatBICBA calcul_;
};
