// The calculated columns of the result view tblResultatsAssocies, computed each time a row comes
// into its buffer.
//
// A row's associate is looked up in the cached list of associates (loaded by the first row that
// needs it, positions included, through the associates table: the view's own cursor stays where it
// is). Its year-end holdings and the amounts the host's callbacks give for it (the callbacks set in
// the associates' state by the open screens; without them a result of 0, no long-term gain, no
// further amount, and no BIC, BA or waivers) make the shares. The proportional "…Calc" columns
// ignore the entered shares; Benefice, Deficit and PVLT follow the members' rules with the entered
// shares the row holds. A row whose associate is not cached (a beneficiary outside the loading
// modes that load them) shows its name and its holdings only: no callback is asked for it and
// every amount stays empty. The holdings of every row are its start-of-year shares plus the year's
// movements, by the step the movements register.
#pragma once

#include "associates/etat_associes.hpp"
#include "associates/table_resultats.hpp"
#include "store/data_module.hpp"

#include <kvarn/associe.hpp>

namespace kvarn::associates {

// What the host's callbacks give for one associate.
struct MontantsRepartition {
    int resultat = 0;
    int pvlt = Associe::kNulEntier;
    int autre = Associe::kNulEntier;
    long bic = 0;
    long ba = 0;
    long abandons = 0;
};

// The amounts of the callbacks set in `etat` for that associate.
MontantsRepartition DemanderMontants(const EtatAssocies& etat, const Associe& associe);

// The columns of a row (`ligne`: its stored members, LireLigneResultats) whose year-end holdings
// are `fin`; `associe` is its cached associate or nullptr; `n` the declared number of shares.
ColonnesResultats CalculerColonnesResultats(const Associe& ligne, const PartsFinExercice& fin,
                                            const Associe* associe, const MontantsRepartition& montants, int n);

// The view's OnCalcFields and display texts, attached at every dossier start-up.
void AttacherGestionnairesResultats(store::TdmKvarn& module);

}  // namespace kvarn::associates
