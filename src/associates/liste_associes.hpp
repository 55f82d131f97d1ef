// Loading and reading the cached list of associates (etat_associes.hpp), on one data module.
//
// Loading empties the list, holds the associates table with the standing filter of the loading
// mode (beneficiaries too in mode 5) in key or company-name order, has the movements recompute
// every position (which gives the total of the year-end full-ownership shares), then reads each
// row the table shows into an Associe: its members by the record's rules, its end-of-year shares
// from the same step as the table's calculated columns (so the list is right also while another
// program holds the table without them), its holding percentage and whether it takes part in the
// year. The flag is set only when the whole load succeeded; an error goes to the caller and
// leaves the list unloaded.
#pragma once

#include "associates/etat_associes.hpp"
#include "store/data_module.hpp"

#include <kvarn/liste_associes.hpp>

namespace kvarn::associates {

// The standing filter's mode the list and every reader of the whole table use: beneficiaries
// too in loading mode 5, everyone but them otherwise.
int ModeOuvertureAssocies(const store::TdmKvarn& module);

// The end-of-year shares of a record holding its key and start-of-year shares, by the step the
// movements registered; the start-of-year shares while none is registered.
PartsFinExercice FinExercice(const EtatAssocies& etat, const Associe& membres);

void InitListe(store::TdmKvarn& module, bool triRaisonSociale);
void DesinitListe(store::TdmKvarn& module);
// The list, loaded first when its flag is clear.
ListeAssocies& ListeChargee(store::TdmKvarn& module, bool triRaisonSociale);
// The list loaded again, whatever its flag.
ListeAssocies& ListeRechargee(store::TdmKvarn& module, bool triRaisonSociale);
// nullptr for an unknown key; the successor as calculs_liste.hpp says, 0 when not found.
Associe* TrouverAssocie(store::TdmKvarn& module, int idAssocie, int* suivant);

}  // namespace kvarn::associates
