// Deleting one associate as the list of associates deletes it.
//
// An associate holding shares stays: shares at the start of the year, at the end of the year
// (start plus the year's movements), a part in a movement that has a transferor (as transferor,
// or with any quantity on its row), or a link where it is the usufructuary with a positive number
// of usufruct shares. Otherwise, once the question is answered yes, its usufruct links and its row
// go in one transaction and the cached list of associates is reset.
#pragma once

#include "store/data_module.hpp"

namespace kvarn::associates {

enum class Suppression { Supprime, Inconnu, DetientDesParts, Abandonnee };

bool AssocieDetientDesParts(store::TdmKvarn& module, int idAssocie);

// The refusal in the host's error box, the question in its question box.
Suppression SupprimerAssocie(store::TdmKvarn& module, int idAssocie);

}  // namespace kvarn::associates
