// The parameter objects of the two distribution screens, and the host's prerequisite hook.
#include <kvarn/ecrans.hpp>

#include <utility>

KV_PREALABLES_REPARTITION _CalculerPrealablesRepartitionResultatEntreAssocies = {nullptr, nullptr};

CRepartitionResultatAssocies::CRepartitionResultatAssocies(int parametre, TCalculResultatAssocies calcul)
    : CKvarn(TE_REPARTITION_RESULTAT, parametre), calcul_(std::move(calcul)) {}

CResultatAssociesBICBA::CResultatAssociesBICBA(int parametre, TCalculResultatBICBA calcul)
    : CKvarn(TE_RESULTAT_ASSOCIE, parametre), calcul_(std::move(calcul)) {}
