// The report data provider of the statement of miscellaneous deductions or reintegrations: what
// the data module's report engine (amKV) answers to the engine's four events for the statements
// it owns.
//
// A statement carries its parameters (a PARAMETRES_ETAT_DIVERS block) as its tag; a statement
// without tag is not this provider's and starts unchanged. Starting a statement sets its SQL on
// KOLMIKV2 (the kind asked for, the lines with an amount in one of the columns asked for), on the
// dossier alias, its title "Détail des divers à réintégrer" or "... à déduire", its copies (the low
// 16 bits of the block's count) and its document-management name and criteria. The fields and
// columns of part 0 are filled from the block and the dossier's environment; other parts are not
// handled. A statement whose SQL gives no row prints nothing.
#pragma once

#include "environment/environ_base_kv.hpp"
#include "store/data_module.hpp"

#include <kvarn/etats.hpp>

#include <string>

namespace kvarn::reports {

inline constexpr const char* kFichierDetailDivers = "KV.eta";
inline constexpr const char* kNomDetailDivers = "Détail des divers";

std::string RequeteDetailDivers(store::TdmDonnees& donnees, const PARAMETRES_ETAT_DIVERS& parametres);
std::string TitreDetailDivers(const PARAMETRES_ETAT_DIVERS& parametres);

// The four events, as amKV's handlers call them.
bool DemarrerDetailDivers(store::TdmKvarn& module, TEtatUser& etat);
bool RemplirChamp(environment::cEnvironBaseKV& environnement, TBandeUser& bande, TCpChampUser& champ);
bool MontrerColonnes(TBandeUser& bande, TCpTableauUser& tableau);
bool DonneesPretes(TEtatUser& etat, TDonneesEtat& donnees);

}  // namespace kvarn::reports
