// The deductions and reintegrations' operations over the dossier's tables, as the exported
// functions, the screen and the command line run them. They raise their errors; the exported
// functions (divers_exports.cpp) show them in the host's exception box.
//
// Statements run through the data module's processing query qTraitement, each read whole before
// the next runs.
#pragma once

#include "db/query.hpp"
#include "store/data_module.hpp"
#include "taxadj/table_divers_fisc.hpp"

#include <kvarn/divers.hpp>

#include <optional>
#include <string>
#include <vector>

namespace kvarn::taxadj {

// The data module; std::logic_error without one.
store::TdmKvarn& ModuleDivers();

// Runs the statement's lines on the query: reading rows, or changing them.
void Ouvrir(db::CQuery& requete, const Instruction& instruction);
void Executer(db::CQuery& requete, const Instruction& instruction);

// Every line, in the table's order.
std::vector<LigneDiversFisc> LireLignesDivers(store::TdmDonnees& donnees);
// The line of a designation (either kind), or nullopt.
std::optional<LigneDiversFisc> TrouverLigne(store::TdmDonnees& donnees, const std::string& designation);
// MAJ: inserts, updates or deletes the line of the record's designation.
void MettreAJourLigne(store::TdmDonnees& donnees, const CDeductionsReintegrationsDiverses& ligne);

// Loads both lists of the state from KOLMIKV2 and sets their flags.
void ChargerListes(store::TdmKvarn& module);
// The requested list, loaded first when its flag is clear.
const TListeDeductionsReintegrations& ListeChargee(store::TdmKvarn& module, bool reintegrations);

// Brings an associate's share rows in line with the lines: the shares of deleted lines go, a row
// comes for each line and category with an amount, the row of a category whose amount is null
// goes. All of it or nothing.
void SynchroniserPartsAssocie(store::TdmDonnees& donnees, int idAssocie);
// GetTotalDeductionReintegrationsDiverses.
int TotalAssocie(store::TdmDonnees& donnees, bool deduction, int idAssocie, double numerateur, double denominateur,
                 bool ba);

}  // namespace kvarn::taxadj
