// What the movements attach at each dossier start-up: the end-of-year step of the associates
// component's calculated fields (fin_exercice.hpp), registered into the associates' handler.
//
// The attacher assigns, so running it at every start-up stacks nothing. The associates' step is
// registered for the whole process, not per data module, so the registered step finds the data
// module at each call instead of keeping one that may since have been destroyed.
#pragma once

#include "store/data_module.hpp"

namespace kvarn::movements {

void AttacherGestionnairesMouvements(store::TdmKvarn& module);

}  // namespace kvarn::movements
