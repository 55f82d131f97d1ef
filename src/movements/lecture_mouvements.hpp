// Reading every dated movement of the dossier with its details.
//
// The movements are walked on the processing component tblMouvementPartsTraitement in the order
// of its index "idxTri" (date, then order of entry) and ranked from 1; undated movements are
// left out and take no rank. The walk goes through the component (its events fire as for any
// walk) but its rows are read by a reader that follows it in one statement (db/forward_reader.hpp):
// through the component itself, an order other than the key order searches the table for every
// row. The details come from KOLMIKVP, read in one statement stepped straight from the engine (a
// cursor's walk costs more per row) and handed to their movements: following the linked detail
// component would ask the table again for every movement. Each row's details are decoded
// (decodage_detail.hpp) into its movement's set. The processing components are handed back as
// found (composant_retabli.hpp).
//
// LireListeMouvPartsParLien reads the same list through the components alone, following the
// linked detail component tblDetMouvPartsTraitement one movement after the other: the plain
// reading, kept as the reference the one-pass reading is checked against.
#pragma once

#include "store/data_module.hpp"

#include <kvarn/mouvements.hpp>

namespace kvarn::movements {

// Both fill `liste` as they go, so that after an error it holds what was read before it.
void LireListeMouvParts(store::TdmKvarn& module, ListeMouvParts& liste);
void LireListeMouvPartsParLien(store::TdmKvarn& module, ListeMouvParts& liste);

// LireListeMouvParts under the exception box of RecupererListeMouvParts; false when an error
// was shown.
bool RecupererListe(store::TdmKvarn& module, ListeMouvParts& liste);

}  // namespace kvarn::movements
