// What the deductions and reintegrations read and write of the associates table KOLMIKV1, through
// the data module's processing component tblAssociesKVTraitement: the one file of this subsystem
// that names that table's columns. The component is opened when it is closed and closed again
// after, so that a holder that keeps it open keeps it so.
#pragma once

#include "store/data_module.hpp"

#include <optional>
#include <string>

namespace kvarn::taxadj {

// The associate's "every expense exempt from VAT" flag; nullopt when no associate has that key.
std::optional<bool> LireExoTVA(store::TdmKvarn& module, int idAssocie);
// Sets and posts it; false, and nothing written, when no associate has that key.
bool EcrireExoTVA(store::TdmKvarn& module, int idAssocie, bool exonere);

// The associate's name ("Nom Prénoms"), or nullopt when no associate has that key.
//
// The one place this subsystem looks an associate up by key. The associates' cached list
// (DonnerAssocie) is built beside this subsystem; until it is part of the module, this reads the
// row of KOLMIKV1, and it becomes a call to DonnerAssocie when the list lands.
std::optional<std::string> NomAssocie(store::TdmKvarn& module, int idAssocie);

}  // namespace kvarn::taxadj
