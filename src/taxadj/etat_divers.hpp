// The deductions and reintegrations' place in the data module: their state and their installer.
//
// The state holds the two lists in memory (deductions, reintegrations, in table order) with their
// "loaded" flags, and empties the exported event _ToutLesDepenseSontExonereDeTVA when it is made
// and when it goes: the event is the module's from its start to its end. The installer creates the
// state and registers the attacher that fills the calculated fields of tblDiversFiscPartAssocie at
// each dossier start-up: the line's designation and its amount of the row's category (BA or BIC).
// The computed share (ValeurCalcule) depends on the associate's part of the result, which only the
// per-associate screen knows: the screen fills it, and it is null everywhere else.
#pragma once

#include "store/data_module.hpp"

#include <kvarn/divers.hpp>

namespace kvarn::taxadj {

struct EtatDivers final : store::EtatSousSysteme {
    EtatDivers();
    ~EtatDivers() override;

    TListeDeductionsReintegrations deductions;
    TListeDeductionsReintegrations reintegrations;
    bool deductionsChargees = false;
    bool reintegrationsChargees = false;
};

// The calculated fields of the share row the component holds.
void CalculerChampsPart(store::TdmDonnees& donnees, db::CTable& parts);

}  // namespace kvarn::taxadj
