// The handlers the movements attach to the data module's components at every dossier start-up.
//
// The names: the calculated NomAsso of the screens' detail components (the associate of the
// row) and of the links component (the usufructuary), the displayed associate of a synthesis
// row. They come from the list of associates, loaded first when it is not; an associate absent
// from it, or 0, gives "". The displayed type of a synthesis row (libelle_synthese.hpp). The
// usufruct view of the positions shows the rows holding usufruct at the end of the year.
//
// The second detail component of the screens shares the detail table without being its own
// component, so the data module gives it no calculated field: its NomAsso is declared here, once
// per data module (DeclarerChampsMouvements, run by the installer while every component is closed).
#pragma once

#include "store/data_module.hpp"

#include <kvarn/associe.hpp>

#include <string>

namespace kvarn::movements {

// "" without an associate; else the title and the designation, trimmed.
std::string NomAssocie(const Associe* associe);
std::string DesignationAffichee(const Associe* associe);

void DeclarerChampsMouvements(store::TdmKvarn& module);
void AttacherGestionnairesMouvements(store::TdmKvarn& module);

}  // namespace kvarn::movements
