// The distribution of the company's result between its associates: one associate's share of each
// amount the host hands over (profit or loss, long-term gain, BIC/IS and BA results, rent waivers),
// in whole euros, from its year-end holdings and the company's declared number of shares N.
//
// Every function takes N; the members of Associe (BeneficeCalc ... AbandonsLoyersCalc) read it from
// the settings store and call them, and the result view reads it once per row. N = 0 turns the
// proportional shares off; an entered share (a member other than NULL_ENTIER) wins whatever N.
// A share is the amount times the holdings, then divided by N, in double, rounded on its own to the
// nearest euro with halves away from zero (the long-term gain's member truncates instead). Nobody
// takes the remainder: the shares need not add up to the amount, and the returns read each share
// as computed here, so none is moved to make them add up.
//
// Who takes part: the company's result and its long-term gain go to full ownership (PP) alone; a
// profit of a business result (BIC, BA) and the rent waivers to full owners and usufructuaries
// (PP + U), a loss of a business result to full owners and bare owners (PP + NP).
#pragma once

#include "associates/table_associes.hpp"

#include <kvarn/associe.hpp>

namespace kvarn::associates {

// The setting "KV"/"NbParts" of the settings store; 0 when unset.
int NbPartsDeclarees();

// The year-end holdings of a record (NbPartsPPFinExo, NbPartsUFinExo, NbPartsNPFinExo).
PartsFinExercice DetentionFinExercice(const Associe& associe);

// Proportional shares, N ≠ 0, without entered overrides: what the result view's "Calc" columns show.
long PartProportionnelle(double montant, double parts, int n);
// PP + (montant < 0 ? NP : U): the holdings a business result is shared over.
double PartsExploitation(long montant, const PartsFinExercice& detention);
long PartExploitation(long montant, const PartsFinExercice& detention, int n);
long PartAbandons(long abandons, const PartsFinExercice& detention, int n);

// The members' rules: the entered share when there is one, else the proportional share when
// N ≠ 0, else 0.
int BeneficeCalc(int resultat, int saisi, const PartsFinExercice& detention, int n);  // never negative
int DeficitCalc(int resultat, int saisi, const PartsFinExercice& detention, int n);   // never positive
// Truncated toward zero; 0 for a gain of NULL_ENTIER.
int PVLTCalc(int pvlt, int saisi, const PartsFinExercice& detention, int n);
// The BIC/IS or the BA result.
long ResultatExploitationCalc(long montant, int saisi, const PartsFinExercice& detention, int n);
long AbandonsLoyersCalc(long abandons, int saisi, const PartsFinExercice& detention, int n);

// Whether the BIC/BA screen shows an associate: not a beneficiary, neither RF nor BNC, and
// holding some shares of some kind at year end.
bool AfficheBICBA(int qualite, int regime, const PartsFinExercice& detention);

}  // namespace kvarn::associates
