// Every associate's position written to the working table MouvementKV, and what reads it back.
//
// CalculerPositionsAssocies loads the movement list when needed, drops the rows of associates no
// longer in KOLMIKV1, then writes one row per associate (beneficiaries aside: they hold no shares,
// and a row left from before stays as it was), updated in place or appended. KOLMIKV1 is walked
// through a component of its own, without filter: the list of associates holds the data module's
// associates component filtered while it runs this, and its filter must not decide which
// positions exist. The data module's position component is handed back as found
// (composant_retabli.hpp); the writes are one transaction that keeps what was posted when an
// error stops the run, and the error goes on to the caller. The run notes the change counter of
// KOLMIKV1 it worked from.
//
// PositionsAJour: computed by this data module, and KOLMIKV1 unchanged since. The working
// database outlives a data module within a process, and a new process starts it empty: a reader
// that relies on the positions (the cleaning of the start-of-year links) computes them first
// when they are not.
//
// ReporterPartsDebutExercice writes the start-of-year shares of MouvementKV back to KOLMIKV1: PP
// and NP from every row, U from the rows of the usufruct view (those holding usufruct at the end
// of the year). The total of the year-end full-ownership shares sums every row in key order; 0
// without the table.
#pragma once

#include "store/data_module.hpp"

namespace kvarn::movements {

void CalculerPositionsAssocies(store::TdmKvarn& module, bool avecMontant, double valeurUnitaire);
bool PositionsAJour(store::TdmKvarn& module);
// After work that changed nothing in KOLMIKV1 but told every component that rows changed.
void ConfirmerPositionsAJour(store::TdmKvarn& module);

double TotalPartsPPFin(store::TdmKvarn& module);
void ReporterPartsDebutExercice(store::TdmKvarn& module);

}  // namespace kvarn::movements
