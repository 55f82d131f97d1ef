#include "taxadj/table_divers_fisc.hpp"

#include "common/rounding.hpp"
#include "environment/tables_dossier.hpp"

#include <limits>
#include <stdexcept>

namespace kvarn::taxadj {
namespace {

constexpr const char* kTable = environment::kTableDiversFisc.nom;
constexpr const char* kId = "IdDiversFisc";
constexpr const char* kIsDeduction = "IsDeduction";
constexpr const char* kDesignation = "Designation";
constexpr const char* kColonnesMontants[] = {"MontantBIC", "MontantBA", "MontantBNC"};
constexpr const char* kColonnesMontantsSQL[] = {"MONTANTBIC", "MONTANTBA", "MONTANTBNC"};

std::optional<CCurrency> LireMontant(const db::Field& champ) {
    if (champ.IsNull()) return std::nullopt;
    return CCurrency(champ.AsFloat());
}

// Whole euros, as the Long columns hold them; a value they cannot hold is refused before anything
// is written.
std::string EurosSQL(const std::optional<CCurrency>& montant) {
    if (!montant) return "NULL";
    const long euros = lArrond(montant->EnDouble());
    if (euros < std::numeric_limits<std::int32_t>::min() || euros > std::numeric_limits<std::int32_t>::max())
        throw std::out_of_range("Montant hors limites : " + std::to_string(euros));
    return CCurrency::DepuisDixMilliemes(euros * 10000).TexteSQL();
}

bool SansMontant(const CDeductionsReintegrationsDiverses& ligne) {
    return !ligne.MontantBIC && !ligne.MontantBA && !ligne.MontantBNC;
}

}  // namespace

const std::string& Litteral(store::TdmDonnees& donnees, bool valeur) {
    return valeur ? donnees.LitteralVrai : donnees.LitteralFaux;
}

std::string TexteSQL(const std::string& texte) {
    std::string sql = "'";
    for (char c : texte) sql += c == '\'' ? std::string("''") : std::string(1, c);
    return sql + "'";
}

template <class Donnees>
LigneDiversFisc LireLigneDivers(Donnees& donnees) {
    LigneDiversFisc ligne;
    ligne.id = donnees.FieldByName(kId).AsInteger();
    ligne.divers.EstReintegration = !donnees.FieldByName(kIsDeduction).AsBoolean();
    ligne.divers.Designation = donnees.FieldByName(kDesignation).AsString();
    for (int i = 0; i < 3; ++i) ligne.divers.*kMontantsDivers[i] = LireMontant(donnees.FieldByName(kColonnesMontants[i]));
    return ligne;
}
template LigneDiversFisc LireLigneDivers(db::CTable&);
template LigneDiversFisc LireLigneDivers(db::CQuery&);

void EcrireSens(db::CTable& table, bool deduction) { table.FieldByName(kIsDeduction).SetAsBoolean(deduction); }

void EcrireDesignation(db::CTable& table, const std::string& designation) {
    table.FieldByName(kDesignation).SetAsString(designation);
}

void EcrireMontant(db::CTable& table, ColonneDivers colonne, std::optional<long> euros) {
    db::Field& champ = table.FieldByName(kColonnesMontants[static_cast<int>(colonne) - 1]);
    if (euros) champ.SetAsInteger(static_cast<int>(*euros));
    else champ.Clear();
}

Instruction RequeteLigneParDesignation(const std::string& designation) {
    return {std::string("SELECT * FROM ") + kTable, " WHERE Designation=" + TexteSQL(designation)};
}

Instruction RequeteLigneParId(int id) {
    return {std::string("SELECT * FROM ") + kTable, std::string(" WHERE ") + kId + "=" + std::to_string(id)};
}

Instruction RequeteLignes() { return {std::string("SELECT * FROM ") + kTable, std::string(" ORDER BY ") + kId}; }

std::optional<Instruction> InstructionMAJ(store::TdmDonnees& donnees, const CDeductionsReintegrationsDiverses& ligne,
                                          bool existe) {
    const std::string& sens = Litteral(donnees, !ligne.EstReintegration);
    const std::string designation = TexteSQL(ligne.Designation);
    if (existe && SansMontant(ligne))
        return Instruction{std::string("DELETE FROM ") + kTable, " WHERE DESIGNATION=" + designation};
    if (existe) {
        Instruction miseAJour{std::string("UPDATE ") + kTable, " SET ISDEDUCTION=" + sens};
        for (int i = 0; i < 3; ++i)
            miseAJour.push_back(std::string(",") + kColonnesMontantsSQL[i] + "=" + EurosSQL(ligne.*kMontantsDivers[i]));
        miseAJour.push_back("WHERE DESIGNATION=" + designation);
        return miseAJour;
    }
    if (SansMontant(ligne)) return std::nullopt;
    Instruction insertion{std::string("INSERT INTO ") + kTable + "(DESIGNATION,ISDEDUCTION"};
    std::string valeurs = ") VALUES(" + designation + "," + sens;
    for (int i = 0; i < 3; ++i) {
        const std::optional<CCurrency>& montant = ligne.*kMontantsDivers[i];
        if (!montant) continue;
        insertion.push_back(std::string(",") + kColonnesMontantsSQL[i]);
        valeurs += "," + EurosSQL(montant);
    }
    insertion.push_back(valeurs);
    insertion.push_back(")");
    return insertion;
}

Instruction RequeteTotaux(store::TdmDonnees& donnees, bool deduction) {
    return {"SELECT SUM(MONTANTBIC) AS TOTALMONTANTBIC,SUM(MONTANTBA) AS TOTALMONTANTBA, "
            "SUM(MONTANTBNC) AS TOTALMONTANTBNC FROM " +
            std::string(kTable) + " WHERE ISDEDUCTION =" + Litteral(donnees, deduction)};
}

Totaux LireTotaux(db::CQuery& requete) {
    return {requete.FieldByName("TOTALMONTANTBIC").AsFloat(), requete.FieldByName("TOTALMONTANTBA").AsFloat(),
            requete.FieldByName("TOTALMONTANTBNC").AsFloat()};
}

std::string FiltreSens(store::TdmDonnees& donnees, bool deduction) {
    return std::string(kIsDeduction) + " = " + Litteral(donnees, deduction);
}

}  // namespace kvarn::taxadj
