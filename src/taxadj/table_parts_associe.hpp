// KOLMIKV3, each line's share per associate: the one file that names its columns. A share row
// is one line, one associate and one category (EstPourBA: the BA amount, else the BIC amount);
// its entered value is null when not entered. The component tblDiversFiscPartAssocie adds three
// calculated fields: the line's designation, the line's amount of the row's category (Total) and
// the computed share (ValeurCalcule).
#pragma once

#include "db/query.hpp"
#include "db/table.hpp"
#include "store/data_module.hpp"
#include "taxadj/table_divers_fisc.hpp"

#include <optional>
#include <string>

namespace kvarn::taxadj {

struct PartAssocieDivers {
    int autoId = 0;  // 0 for a row not yet written
    int idDiversFisc = 0;
    bool isDeduction = true;
    int idAssocie = 0;
    bool estPourBA = false;
    std::optional<long> valeurSaisi;
};

// A row as the per-associate grid shows it.
struct PartAffichee {
    std::string designation;
    std::optional<long> total;
    std::optional<long> valeurCalcule;
    std::optional<long> valeurSaisi;
};

PartAssocieDivers LirePart(db::CQuery& requete);
PartAffichee LirePartAffichee(db::CTable& table);
int LigneDeLaPart(db::CTable& table);
bool PartPourBA(db::CTable& table);

// The calculated fields of the current record.
void EcrireChampsCalcules(db::CTable& table, const std::optional<std::string>& designation, std::optional<long> total);
void EcrireValeurCalculee(db::CTable& table, std::optional<long> valeur);
// The entered share of the row being edited.
void EcrireValeurSaisie(db::CTable& table, std::optional<long> valeur);

// "IdAssocie=5 AND IsDeduction = 'True' AND EstPourBA='False'": one associate's shares of one
// kind and category.
std::string ConditionPartsAssocie(store::TdmDonnees& donnees, int idAssocie, bool deduction, bool ba);
Instruction RequetePartsAssocie(store::TdmDonnees& donnees, int idAssocie, bool deduction, bool ba);
// Every share of one associate.
Instruction RequeteToutesPartsAssocie(int idAssocie);
// The shares of the lines that no longer exist.
Instruction SuppressionPartsOrphelines();
Instruction SuppressionPart(int autoId);
Instruction InsertionPart(store::TdmDonnees& donnees, const PartAssocieDivers& part);
Instruction ChangementDeSensPart(store::TdmDonnees& donnees, const PartAssocieDivers& part);

}  // namespace kvarn::taxadj
