#include "taxadj/calculs_divers.hpp"

#include "common/ini_values.hpp"
#include "common/rounding.hpp"
#include "common/text.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kvarn::taxadj {
namespace {

double Euros(const std::optional<CCurrency>& montant) { return montant ? montant->EnDouble() : 0.0; }

const std::optional<CCurrency>& MontantDeCategorie(const CDeductionsReintegrationsDiverses& ligne, bool ba) {
    return ba ? ligne.MontantBA : ligne.MontantBIC;
}

}  // namespace

std::optional<std::optional<long>> LireEurosSaisis(std::string_view texte) {
    if (Trim(texte).empty()) return std::optional<long>();
    const std::optional<int> euros = ParseIniInteger(texte);
    if (!euros) return std::nullopt;
    return std::optional<long>(*euros);
}

std::string TexteEuros(std::optional<long> euros) { return euros ? std::to_string(*euros) : std::string(); }

std::optional<long> EurosEntiers(const std::optional<CCurrency>& montant) {
    if (!montant) return std::nullopt;
    return lArrond(montant->EnDouble());
}

long SommeDivers(const std::vector<LigneDiversFisc>& lignes, TYPE_ASSOCIE type, bool deduction) {
    std::optional<CCurrency> CDeductionsReintegrationsDiverses::*colonne = nullptr;
    switch (type) {
        case TA_BNC: colonne = &CDeductionsReintegrationsDiverses::MontantBNC; break;
        case TA_BIC: colonne = &CDeductionsReintegrationsDiverses::MontantBIC; break;
        case TA_BA: colonne = &CDeductionsReintegrationsDiverses::MontantBA; break;
        default: return 0;
    }
    double somme = 0;
    for (const LigneDiversFisc& ligne : lignes)
        if (ligne.divers.EstReintegration != deduction) somme += Euros(ligne.divers.*colonne);
    return lArrond(somme);
}

bool PresenceDans(const TListeDeductionsReintegrations& liste, bool bic, bool ba, bool bnc) {
    return std::any_of(liste.begin(), liste.end(), [&](const CDeductionsReintegrationsDiverses& ligne) {
        return (bic && ligne.MontantBIC) || (ba && ligne.MontantBA) || (bnc && ligne.MontantBNC);
    });
}

std::optional<long> ValeurCalculee(std::optional<long> total, int numerateur, int denominateur) {
    if (!total || denominateur == 0) return std::nullopt;
    return static_cast<long>(static_cast<std::int64_t>(*total) * numerateur / denominateur);
}

int TotalPartsAssocie(const std::vector<PartAssocieDivers>& parts, const std::map<int, LigneDiversFisc>& lignes,
                      double numerateur, double denominateur, bool ba) {
    int total = 0;
    for (const PartAssocieDivers& part : parts) {
        if (part.valeurSaisi) {
            total += static_cast<int>(*part.valeurSaisi);
            continue;
        }
        if (denominateur == 0) continue;
        const auto ligne = lignes.find(part.idDiversFisc);
        const double montant = ligne == lignes.end() ? 0.0 : Euros(MontantDeCategorie(ligne->second.divers, ba));
        total = static_cast<int>(std::trunc(total + montant * numerateur / denominateur));
    }
    return total;
}

// Per category rather than on the first row found for the line: a line with both amounts has two
// rows, and the row of a category whose amount went null must go whichever row comes first, as
// the row of a category that gained an amount must come.
PlanParts PlanSynchronisation(const std::vector<LigneDiversFisc>& lignes, const std::vector<PartAssocieDivers>& parts,
                              int idAssocie) {
    PlanParts plan;
    for (const LigneDiversFisc& ligne : lignes)
        for (const bool ba : {false, true}) {
            const bool montant = MontantDeCategorie(ligne.divers, ba).has_value();
            const auto existante = std::find_if(parts.begin(), parts.end(), [&](const PartAssocieDivers& part) {
                return part.idDiversFisc == ligne.id && part.idAssocie == idAssocie && part.estPourBA == ba;
            });
            const bool deduction = !ligne.divers.EstReintegration;
            if (existante == parts.end() && montant)
                plan.ajouts.push_back({0, ligne.id, deduction, idAssocie, ba, std::nullopt});
            else if (existante != parts.end() && !montant)
                plan.suppressions.push_back(existante->autoId);
            else if (existante != parts.end() && existante->isDeduction != deduction)
                plan.changementsDeSens.emplace_back(*existante).isDeduction = deduction;
        }
    return plan;
}

}  // namespace kvarn::taxadj
