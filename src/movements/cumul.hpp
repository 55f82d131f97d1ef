// An associate's net share movements of the year, and whether the associate gains shares.
//
// CumulerMouvementsAssocie loads the cached list when needed (liste_en_cache.hpp) and adds the
// associate's details, kind by kind, in list order, leaving out per call: the movements dated
// after the dossier's situation date, the movement named to be left out (0: none), the movements
// dated after the limit date (0: none; a movement on that date counts), and those whose type is
// not a movement (7 and above). The situation date is asked for at each call: a session may
// change it. A dossier without a situation date (0) has no situation to stop at: every movement
// of the year counts, as when no limit date is given.
//
// AssocieAcquiertDesParts reads the list as it stands: its callers load it first.
#pragma once

#include "movements/liste_en_cache.hpp"
#include "store/data_module.hpp"

#include <vector>

namespace kvarn::movements {

struct PartsPPUNP {
    double pp = 0.0;
    double u = 0.0;
    double np = 0.0;
};

struct Exclusions {
    double dateSituation = 0.0;
    int idMouvementExclu = 0;
    double dateLimite = 0.0;
};

// Whether a movement of that date is after the situation; none is when there is no situation date.
bool ApresSituation(double dateMouvement, double dateSituation);

// Whether a movement counts in a sum under these exclusions.
bool MouvementCompte(const cMouvParts& mouvement, const Exclusions& exclusions);

// The sum of indexed details under the exclusions; a kind other than U and NP counts as PP.
PartsPPUNP CumulerDetails(const std::vector<DetailIndexe>& details, const Exclusions& exclusions);

PartsPPUNP CumulerMouvementsAssocie(store::TdmKvarn& module, int idAssocie, int idMouvementExclu, double dateLimite);

// True when a movement of any type but a capital reduction (and but the non-movements) gives the
// associate a positive number of shares; no date applies.
bool AssocieAcquiertDesParts(store::TdmKvarn& module, int idAssocie);

}  // namespace kvarn::movements
