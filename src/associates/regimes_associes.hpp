// The check of the associates' tax regimes that ends every dossier start-up.
//
// A dossier of category 8 (a company sharing means, return 2036) cannot have associates taxed as
// farmers (BA) or on property income (RF): the check clears those regimes in KOLMIKV1, through a
// table component of its own on the dossier alias (the data module's components may be held by
// screens), and tells the user once, however many associates it changed. What was cleared stays
// cleared even when a later row fails. Other categories, and a dossier without the table, are
// left alone.
#pragma once

#include "store/data_module.hpp"

namespace kvarn::associates {

void VerifierRegimesAssocies(store::TdmKvarn& module);

}  // namespace kvarn::associates
