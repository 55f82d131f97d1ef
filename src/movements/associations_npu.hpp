// The links between bare owners and usufructuaries as the dossier stores them: cleaned of stale
// rows, then read into the map of which usufructuaries stand behind each bare owner
// (carte_npu.hpp).
//
// NettoyerAssoNPU deletes, in one statement each: the links of a movement (other than a
// reconstitution) whose bare owner takes part in it with neither a gain of U or NP nor a loss of
// PP; the links of movements that no longer exist; the start-of-year links whose bare owner holds
// no bare ownership at the start of the year according to MouvementKV. That last statement
// trusts MouvementKV, which a new process starts empty: the positions are computed first when
// this data module has not computed them or KOLMIKV1 changed since (calcul_positions.hpp),
// otherwise every start-of-year link would go.
//
// ConstruireAssociationsNPU cleans, then reads every movement's type and transferor and every
// link of KOLMIKVA (through the links component, closed afterwards, also on an error).
// LiensChiffres is that reading of the links: every row with a number of usufruct shares, in the
// table's order, stored columns only.
#pragma once

#include "movements/carte_npu.hpp"
#include "store/data_module.hpp"

#include <vector>

namespace kvarn::movements {

void NettoyerAssoNPU(store::TdmKvarn& module);
CarteNPU ConstruireAssociationsNPU(store::TdmKvarn& module);
std::vector<cAssoNPU> LiensChiffres(store::TdmKvarn& module);

}  // namespace kvarn::movements
