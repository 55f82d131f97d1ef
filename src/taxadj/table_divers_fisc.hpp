// KOLMIKV2, the lines of miscellaneous deductions and reintegrations: the one file that names its
// columns. It turns a row (of a table component or a query) into a line and back, and writes the
// statements the subsystem runs on the table, in the module's SQL dialect, as the lines of a
// statement: amounts in whole euros, "NULL" for a null one, the designation quoted with its
// apostrophes doubled, the kind as the data module's literals 'True' (deduction) and 'False'.
#pragma once

#include "db/query.hpp"
#include "db/table.hpp"
#include "store/data_module.hpp"

#include <kvarn/divers.hpp>

#include <optional>
#include <string>
#include <vector>

namespace kvarn::taxadj {

inline constexpr int kLargeurDesignation = 30;

// A line with its key.
struct LigneDiversFisc {
    int id = 0;
    CDeductionsReintegrationsDiverses divers;
};

// The amounts of a line in the table's order: BIC, BA, BNC.
inline constexpr std::optional<CCurrency> CDeductionsReintegrationsDiverses::*kMontantsDivers[] = {
    &CDeductionsReintegrationsDiverses::MontantBIC, &CDeductionsReintegrationsDiverses::MontantBA,
    &CDeductionsReintegrationsDiverses::MontantBNC};

// The columns of the lines' grid, in the table's order.
enum class ColonneDivers { Designation, MontantBIC, MontantBA, MontantBNC };

using Instruction = std::vector<std::string>;

// The data module's literal of a Logical value.
const std::string& Litteral(store::TdmDonnees& donnees, bool valeur);
// A text as an SQL string: "'L''an'".
std::string TexteSQL(const std::string& texte);

template <class Donnees>  // db::CTable or db::CQuery, on the current row
LigneDiversFisc LireLigneDivers(Donnees& donnees);

// The row being edited or inserted.
void EcrireSens(db::CTable& table, bool deduction);
void EcrireDesignation(db::CTable& table, const std::string& designation);
void EcrireMontant(db::CTable& table, ColonneDivers colonne, std::optional<long> euros);

// The line of a designation.
Instruction RequeteLigneParDesignation(const std::string& designation);
// The line of a key.
Instruction RequeteLigneParId(int id);
// Every line, in the table's order.
Instruction RequeteLignes();
// What writes the line's designation: an update (or a deletion when every amount is null) when it
// exists, an insertion otherwise; nothing for a new line without an amount.
std::optional<Instruction> InstructionMAJ(store::TdmDonnees& donnees, const CDeductionsReintegrationsDiverses& ligne,
                                          bool existe);
// The three sums of one kind, as TOTALMONTANTBIC, TOTALMONTANTBA, TOTALMONTANTBNC.
Instruction RequeteTotaux(store::TdmDonnees& donnees, bool deduction);
struct Totaux {
    double bic, ba, bnc;  // 0 for a sum of nothing
};
Totaux LireTotaux(db::CQuery& requete);
// The filter of one kind's lines.
std::string FiltreSens(store::TdmDonnees& donnees, bool deduction);

}  // namespace kvarn::taxadj
