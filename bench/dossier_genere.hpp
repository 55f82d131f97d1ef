// A generated dossier for the benchmarks that work on associates and their movements: N
// associates and M detail rows, M/2 movements of all seven types through the year, a tenth of them
// after the situation date, about ten details per associate (movements between associates drawn at
// random, always with the same seed).
//
// OuvrirDossierGenere creates the dossier of a size once per run in the run's private directory
// (private_root.hpp), opens it through the standalone host and creates its data module (not
// started); asking for the size already open does nothing. NouveauModuleDemarre then gives the
// state every command and C caller meets: a data module just created and started, the movement
// list not loaded, and the working tables of positions and synthesis empty (the working database
// outlives a data module within a process, a new process finds it empty).
#pragma once

namespace kvarn::bench {

constexpr double kDebutExercice = 45658;                   // 1 January 2025
constexpr double kDateSituation = kDebutExercice + 328;    // a tenth of the year after it

void OuvrirDossierGenere(int associes, int details);
void NouveauModuleDemarre();

}  // namespace kvarn::bench
