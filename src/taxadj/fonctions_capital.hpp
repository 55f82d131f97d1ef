// KOLMIKVS, the associates' functions and capital in other companies, for the C interface: the one
// file that names its columns, turning the current row of tblFonctionsEtCapital into the packed
// record FONCTIONSETCAPITAL_C; and the cache of those records by row number (1, 2, ... in the
// table's order), kept in the subsystem's state while the data module's flag
// cacheFonctionsChargee is set.
#pragma once

#include "db/table.hpp"
#include "store/data_module.hpp"

#include <kvarn/kvarn.h>

#include <map>

namespace kvarn::taxadj {

struct EtatFonctionsCapital final : store::EtatSousSysteme {
    std::map<int, FONCTIONSETCAPITAL_C> parNumero;
};

// Zeroes the record and fills it from the row: texts cut at their width (OEM where the record
// says so), the function only for an associate holding one, null reals as the null real.
void RemplirFonctionsEtCapitalC(db::CTable& table, FONCTIONSETCAPITAL_C& enregistrement);

// Reads every row into the cache and sets the flag; the table is closed again.
void ChargerFonctionsEtCapital(store::TdmKvarn& module);

}  // namespace kvarn::taxadj
