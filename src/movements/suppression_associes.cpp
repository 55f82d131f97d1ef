// _SupprimerTousLesAssocies: the dossier without associates. The associates, the year's share
// movements, their details and the bare owners' links go together (all or nothing: a movement
// without its associates would make no sense), and the lists cached from them go too, so that no
// reader keeps working on associates that no longer exist. It lives with the movements, which
// own three of the four tables and their cached list.
#include <kvarn/kvarn.h>

#include "associates/execution_c.hpp"
#include "associates/liste_associes.hpp"
#include "db/transaction.hpp"
#include "movements/liste_en_cache.hpp"

namespace {
constexpr std::uint32_t kPlaceSupprimerTous = 20;  // within the associates' C interface
}

void _SupprimerTousLesAssocies(void) {
    namespace kv = kvarn;
    kv::associates::ExecuterC(kv::associates::kUniteInterfaceC, kPlaceSupprimerTous, [](kv::store::TdmKvarn& module) {
        kv::db::AllOrNothing(module.Donnees().Session(), [&] {
            for (const char* composant : {"tblAssociesKV", "tblMouvementParts", "tblDetMouvParts", "tblAssoNPU"})
                module.Donnees().Composant(composant).EmptyTable();
        });
        kv::associates::DesinitListe(module);
        kv::movements::EtatMouvements& mouvements = module.EtatDe<kv::movements::EtatMouvements>();
        mouvements.liste.clear();
        mouvements.Indexer();
        mouvements.listeChargee = false;
        return true;
    });
}
