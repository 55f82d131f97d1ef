// The screen-parameter classes of the associate screens, which a caller (or the C interface's
// KVAlloue... functions) creates to describe the screen it opens.
//
// The base CKvarn carries the screen group's code and the caller's integer; the classes add what
// the screens call back or read: the two optional host callbacks of the list of associates and of
// the share capital (a boolean one taking two booleans; a notification after a deletion and when
// the screen closes), the list's flag, the share capital's situation date and tax category.
// Nothing here reads or writes the dossier.
#pragma once

#include <kvarn/ecrans.hpp>
#include <kvarn/kvarn.h>

// Group 1: the list of associates.
class KVARN_EXPORT CParamAssocies : public CKvarn {
public:
    // Two booleans in, a boolean out: the list's screen passes its two switches and the host says
    // whether to go on.
    typedef bool (*TRappelBooleen)(bool, bool);
    typedef void (*TNotification)();

    CParamAssocies(int parametre, TRappelBooleen rappelBooleen, TNotification notification, bool drapeau);
    ~CParamAssocies() override;

    TRappelBooleen RappelBooleen;  // null: none
    TNotification Notification;    // null: none
    bool Drapeau;
};

// Group 9: one associate.
class KVARN_EXPORT CParamAssocie : public CKvarn {
public:
    explicit CParamAssocie(int parametre);
    ~CParamAssocie() override;
};

// Group 12: the share capital at a date, for a tax category (0: the dossier's own).
class KVARN_EXPORT CParamCapitalSocial : public CKvarn {
public:
    CParamCapitalSocial(int parametre, CParamAssocies::TRappelBooleen rappelBooleen,
                        CParamAssocies::TNotification notification, double dateSituation, int categorieImposition);
    ~CParamCapitalSocial() override;

    CParamAssocies::TRappelBooleen RappelBooleen;  // null: none
    CParamAssocies::TNotification Notification;    // null: none
    double DateSituation;  // a day count
    int CategorieImposition;
};

// Group 14: the associates' functions and capital in other companies.
class KVARN_EXPORT CParamFonctionsEtCapital : public CKvarn {
public:
    explicit CParamFonctionsEtCapital(int parametre);
    ~CParamFonctionsEtCapital() override;
};
