// The movement synthesis in the working table SyntheseMouvementKV: each movement's rows written
// from its detail rows (synthese.hpp, table_synthese.hpp), or deleted.
//
// SynthetiserMouvement writes the rows of the current movement of a movement component from the
// detail component linked to it: the movement screen passes its own pair. A movement after the situation date, or without a date, writes nothing.
// The synthesis component is handed back as found (composant_retabli.hpp); while it writes it is
// in key order, where an appended row needs no new reading of the order (a locate finds a row
// in any order). InitialiserSyntheseMouvements gives every movement, in date order, the same rows:
// computed from the detail rows read in one statement, then written in one pass
// (EcrireLignesSynthese, table_synthese.hpp), which leaves the table as the rows written one movement
// at a time would; with the host's progress bar, in one transaction that keeps what was written
// when an error stops it; the processing movement component is handed back as found.
// SupprimerSyntheseMouvement deletes one movement's rows in one statement.
#pragma once

#include "db/table.hpp"
#include "movements/table_synthese.hpp"
#include "store/data_module.hpp"

#include <vector>

namespace kvarn::movements {

void SynthetiserMouvement(store::TdmKvarn& module, db::CTable& mouvements, db::CTable& details);
// Returns every row of the table afterwards, in key order.
std::vector<LigneSyntheseStockee> InitialiserSyntheseMouvements(store::TdmKvarn& module);
void SupprimerSyntheseMouvement(store::TdmKvarn& module, int idMouvement);

}  // namespace kvarn::movements
