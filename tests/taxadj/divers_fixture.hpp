// A dossier started through InitKV with the data module over it, and what the tests of the
// deductions and reintegrations need to set it up and read it back: lines written by MAJ,
// associates planted in KOLMIKV1, the tables' rows as plain tuples.
#pragma once

#include "support/dossier_ouvert.hpp"
#include "taxadj/table_divers_fisc.hpp"

#include <kvarn/divers.hpp>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace kvarn::taxadj {

using Euros = std::optional<double>;
inline constexpr std::nullopt_t rien = std::nullopt;

CDeductionsReintegrationsDiverses Divers(const std::string& designation, bool deduction, Euros bic, Euros ba,
                                         Euros bnc);

// KOLMIKV2 row: designation, IsDeduction, BIC, BA, BNC (null as nullopt).
using RangeeDivers = std::tuple<std::string, bool, std::optional<long>, std::optional<long>, std::optional<long>>;
// KOLMIKV3 row of one associate: designation of its line, EstPourBA, IsDeduction, ValeurSaisi.
using RangeePart = std::tuple<std::string, bool, bool, std::optional<long>>;

class DossierDivers : public testing_support::ModuleDemarre {
protected:
    store::TdmDonnees& Donnees();
    void Ecrire(const std::vector<CDeductionsReintegrationsDiverses>& lignes);
    std::vector<RangeeDivers> RangeesDivers();
    std::vector<RangeePart> RangeesParts(int idAssocie);
    // A new associate in KOLMIKV1; its key.
    int Associe(const std::string& nom);
    void Sql(const std::string& instruction);
    void SaisirPart(int idAssocie, const std::string& designation, bool ba, long valeur);
};

}  // namespace kvarn::taxadj
