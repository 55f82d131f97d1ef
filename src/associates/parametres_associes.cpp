// The associate screens' parameter classes, and the C interface's functions that allocate them
// for a caller: every object the functions give carries the integer 100, as the wizard's.
#include <kvarn/parametres_associes.hpp>

#include <kvarn/accesseurs.hpp>
#include <kvarn/kvarn.h>

namespace {
constexpr int kParametreInterfaceC = 100;
}

CParamAssocies::CParamAssocies(int parametre, TRappelBooleen rappelBooleen, TNotification notification, bool drapeau)
    : CKvarn(TE_ASSOCIES, parametre), RappelBooleen(rappelBooleen), Notification(notification), Drapeau(drapeau) {}
CParamAssocies::~CParamAssocies() = default;

CParamAssocie::CParamAssocie(int parametre) : CKvarn(TE_ASSOCIE, parametre) {}
CParamAssocie::~CParamAssocie() = default;

CParamCapitalSocial::CParamCapitalSocial(int parametre, CParamAssocies::TRappelBooleen rappelBooleen,
                                         CParamAssocies::TNotification notification, double dateSituation,
                                         int categorieImposition)
    : CKvarn(TE_CAPITAL_SOCIAL, parametre),
      RappelBooleen(rappelBooleen),
      Notification(notification),
      DateSituation(dateSituation),
      CategorieImposition(categorieImposition) {}
CParamCapitalSocial::~CParamCapitalSocial() = default;

CParamFonctionsEtCapital::CParamFonctionsEtCapital(int parametre) : CKvarn(TE_FONCTIONS_ET_CAPITAL, parametre) {}
CParamFonctionsEtCapital::~CParamFonctionsEtCapital() = default;

void* KVAlloueAssocies_C(int16_t liste) {
    if (liste) return static_cast<CKvarn*>(new CParamAssocies(kParametreInterfaceC, nullptr, nullptr, false));
    return static_cast<CKvarn*>(new CParamAssocie(kParametreInterfaceC));
}

void* KVAlloueAssocies_C_CapitalSocial(int16_t categorieImposition) {
    return static_cast<CKvarn*>(new CParamCapitalSocial(kParametreInterfaceC, nullptr, nullptr, GetDateSituation(), categorieImposition));
}

void* KVAlloueFonctionsEtCapital_C(void) {
    return static_cast<CKvarn*>(new CParamFonctionsEtCapital(kParametreInterfaceC));
}

// The objects were handed out as CKvarn pointers: deleted through the base's virtual destructor.
void KVDesalloueAssocies_C(void* objet) { delete static_cast<CKvarn*>(objet); }
void KVDesalloueAssocies_C_CaptialSocial(void* objet) { delete static_cast<CKvarn*>(objet); }
void KVDesalloueFonctionsEtCapital_C(void* objet) { delete static_cast<CKvarn*>(objet); }
