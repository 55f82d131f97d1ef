// The computations over lines and shares, without the tables: sums by category, the presence of
// amounts, an associate's share of a line, an associate's total, and what brings an associate's
// share rows in line with the lines.
#pragma once

#include "taxadj/table_divers_fisc.hpp"
#include "taxadj/table_parts_associe.hpp"

#include <kvarn/divers.hpp>

#include <map>
#include <string>
#include <string_view>
#include <optional>
#include <vector>

namespace kvarn::taxadj {

// An amount as the user types it, in whole euros: "" is no amount, "-300" or " 12 " an amount;
// nullopt for anything else (letters, decimals, beyond a Long).
std::optional<std::optional<long>> LireEurosSaisis(std::string_view texte);

// Whole euros as shown: "-300", "" for none.
std::string TexteEuros(std::optional<long> euros);

// An amount in whole euros, the nearest.
std::optional<long> EurosEntiers(const std::optional<CCurrency>& montant);

// The sum of one kind's lines in the column of an income type (0 BNC, 1 BIC, 2 BA; another type
// gives 0); a null amount counts 0.
long SommeDivers(const std::vector<LigneDiversFisc>& lignes, TYPE_ASSOCIE type, bool deduction);

// Whether a line has an amount in one of the categories asked for.
bool PresenceDans(const TListeDeductionsReintegrations& liste, bool bic, bool ba, bool bnc);

// total × numerator ÷ denominator in 64-bit whole numbers, truncated toward zero; null for a null
// total or a zero denominator.
std::optional<long> ValeurCalculee(std::optional<long> total, int numerateur, int denominateur);

// An associate's total over its share rows: each entered value as it is; otherwise, when the
// denominator is not 0, the running total becomes the truncation of itself plus the line's amount
// (BA or BIC, null 0) × numerator ÷ denominator.
int TotalPartsAssocie(const std::vector<PartAssocieDivers>& parts, const std::map<int, LigneDiversFisc>& lignes,
                      double numerateur, double denominateur, bool ba);

// The share rows to add and to delete so that the associate has one row per line and category
// whose amount is not null, and none for a null amount; and the rows whose kind must follow their
// line's, switched since (their entered value stays).
struct PlanParts {
    std::vector<PartAssocieDivers> ajouts;
    std::vector<int> suppressions;  // AutoID of the rows
    std::vector<PartAssocieDivers> changementsDeSens;  // the rows with their line's kind
};
PlanParts PlanSynchronisation(const std::vector<LigneDiversFisc>& lignes, const std::vector<PartAssocieDivers>& parts,
                              int idAssocie);

}  // namespace kvarn::taxadj
