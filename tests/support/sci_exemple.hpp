// A hand-made property company (SCI) whose year the tests of the associates' shares and of the
// result distribution work out by hand. Declared shares N = 1000.
//
//   A      500 PP at the start, BIC; sells 150 PP to H on 15 June            → 350 PP
//   B      200 PP, RF; dismembers 100 on 1 October, keeps the NP, J the U    → 100 PP, 100 NP
//   H      holding company, 100 PP, IS                                       → 250 PP
//   J      usufructuary of P's 200 shares, RF; gets B's usufruct             → 300 U
//   P      bare owner of 200 shares, RF                                      → 200 NP
//   a beneficiary, holding nothing
//
// Both functions work on the open dossier through the module's exported interface, inside the
// InitKV bracket. CreerAssociesSciExemple creates the associates (start-of-year holdings) and sets
// N; AjouterMouvementsSciExemple adds the start-of-year link between P and J, the two movements of
// the year (dated in the calendar year the dossier's financial year starts in; a dossier without a
// financial year is refused) and the dismemberment's link, to associates
// created by either way (the command line creates them in the same order).
#pragma once

namespace kvarn::testing_support {

struct SciExemple {
    int a = 0, b = 0, h = 0, j = 0, p = 0, beneficiaire = 0;
};

inline constexpr int kNbPartsSciExemple = 1000;

SciExemple CreerAssociesSciExemple();
void AjouterMouvementsSciExemple(const SciExemple& sci);
// Both.
SciExemple RemplirSciExemple();

}  // namespace kvarn::testing_support
