#include "associates/regimes_associes.hpp"

#include "associates/table_associes.hpp"
#include "db/transaction.hpp"
#include "environment/tables_dossier.hpp"
#include "host/boites.hpp"
#include "host/dossier.hpp"
#include "host/regimes.hpp"

#include <kvarn/associe.hpp>

namespace kvarn::associates {
namespace {

constexpr const char* kMessageRegimes =
    "Le régime d'imposition de certains associés est incompatible avec la catégorie des revenus du "
    "dossier (2036).\nPour les associés concernés vous devez modifier le régime d'imposition.";

bool IncompatibleAvec2036(const db::Field& regime) {
    return !regime.IsNull() && (regime.AsInteger() == RIS_BA || regime.AsInteger() == RIS_RF);
}

}  // namespace

void VerifierRegimesAssocies(store::TdmKvarn& module) {
    if (!host::pCurDossier || host::pCurDossier->GetCategorie() != host::CI_BIC_2036) return;
    db::CTable associes(module.Donnees().Session());
    associes.SetDatabaseName(module.Environnement().GetAliasDossier());
    associes.SetSessionName(module.Environnement().GetNomSession());
    associes.SetTableName(environment::kTableAssocies.nom);
    if (!associes.Exists()) return;
    associes.Open();
    bool corrige = false;
    db::KeepWhatWasPosted(module.Donnees().Session(), [&] {
        for (associes.First(); !associes.Eof(); associes.Next()) {
            if (!IncompatibleAvec2036(RegimeImpositionSCI(associes))) continue;
            associes.Edit();
            RegimeImpositionSCI(associes).Clear();
            associes.Post();
            corrige = true;
        }
    });
    associes.Close();
    if (corrige) host::ZORInformation(kMessageRegimes);
}

}  // namespace kvarn::associates
