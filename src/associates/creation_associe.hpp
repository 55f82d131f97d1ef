// Looking up an associate by name in the whole associates table, whatever the standing filter
// hides: Associe::Creer finds its row by exact name and first names, and a caller about to create
// an associate asks first whether that row already exists (creating would update it).
#pragma once

#include "db/table.hpp"
#include "store/data_module.hpp"

#include <string>

namespace kvarn::associates {

// The key of the first row whose Nom and Prenoms are exactly these, beneficiaries included;
// 0 when none.
int CleAssocieNomme(store::TdmKvarn& module, const std::string& nom, const std::string& prenoms);

// Opens a component of the caller's over the whole of KOLMIKV1, on the dossier's alias, positioned
// on the associate of that key; false when there is none.
bool OuvrirSurAssocie(store::TdmKvarn& module, db::CTable& table, int idAssocie);

}  // namespace kvarn::associates
