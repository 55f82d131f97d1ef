#include "taxadj/table_parts_associe.hpp"

#include "environment/tables_dossier.hpp"

namespace kvarn::taxadj {
namespace {

constexpr const char* kTable = environment::kTableDiversFiscPartAssocie.nom;
constexpr const char* kLignes = environment::kTableDiversFisc.nom;
constexpr const char* kAutoId = "AutoID";
constexpr const char* kIdDiversFisc = "IdDiversFisc";
constexpr const char* kIsDeduction = "IsDeduction";
constexpr const char* kIdAssocie = "IdAssocie";
constexpr const char* kEstPourBA = "EstPourBA";
constexpr const char* kValeurSaisi = "ValeurSaisi";
constexpr const char* kDesignation = "Designation";
constexpr const char* kTotal = "Total";
constexpr const char* kValeurCalcule = "ValeurCalcule";

std::optional<long> Entier(const db::Field& champ) {
    if (champ.IsNull()) return std::nullopt;
    return champ.AsInteger();
}

void Ecrire(db::Field& champ, std::optional<long> valeur) {
    if (valeur) champ.SetAsInteger(static_cast<int>(*valeur));
    else champ.Clear();
}

}  // namespace

PartAssocieDivers LirePart(db::CQuery& requete) {
    return {requete.FieldByName(kAutoId).AsInteger(), requete.FieldByName(kIdDiversFisc).AsInteger(),
            requete.FieldByName(kIsDeduction).AsBoolean(), requete.FieldByName(kIdAssocie).AsInteger(),
            requete.FieldByName(kEstPourBA).AsBoolean(), Entier(requete.FieldByName(kValeurSaisi))};
}

PartAffichee LirePartAffichee(db::CTable& table) {
    return {table.FieldByName(kDesignation).AsString(), Entier(table.FieldByName(kTotal)),
            Entier(table.FieldByName(kValeurCalcule)), Entier(table.FieldByName(kValeurSaisi))};
}

int LigneDeLaPart(db::CTable& table) { return table.FieldByName(kIdDiversFisc).AsInteger(); }

bool PartPourBA(db::CTable& table) { return table.FieldByName(kEstPourBA).AsBoolean(); }

void EcrireChampsCalcules(db::CTable& table, const std::optional<std::string>& designation, std::optional<long> total) {
    db::Field& champ = table.FieldByName(kDesignation);
    if (designation) champ.SetAsString(*designation);
    else champ.Clear();
    Ecrire(table.FieldByName(kTotal), total);
}

void EcrireValeurCalculee(db::CTable& table, std::optional<long> valeur) {
    Ecrire(table.FieldByName(kValeurCalcule), valeur);
}

void EcrireValeurSaisie(db::CTable& table, std::optional<long> valeur) {
    Ecrire(table.FieldByName(kValeurSaisi), valeur);
}

std::string ConditionPartsAssocie(store::TdmDonnees& donnees, int idAssocie, bool deduction, bool ba) {
    return std::string(kIdAssocie) + "=" + std::to_string(idAssocie) + " AND " + kIsDeduction + " = " +
           Litteral(donnees, deduction) + " AND " + kEstPourBA + "=" + Litteral(donnees, ba);
}

Instruction RequetePartsAssocie(store::TdmDonnees& donnees, int idAssocie, bool deduction, bool ba) {
    return {std::string("SELECT * FROM ") + kTable,
            " WHERE " + ConditionPartsAssocie(donnees, idAssocie, deduction, ba),
            std::string(" ORDER BY ") + kIdDiversFisc + "," + kAutoId};
}

Instruction RequeteToutesPartsAssocie(int idAssocie) {
    return {std::string("SELECT * FROM ") + kTable,
            std::string(" WHERE ") + kIdAssocie + "=" + std::to_string(idAssocie),
            std::string(" ORDER BY ") + kIdDiversFisc + "," + kAutoId};
}

Instruction SuppressionPartsOrphelines() {
    return {"DELETE FROM ", kTable, " WHERE IDDIVERSFISC NOT IN(SELECT IDDIVERSFISC FROM ", kLignes, ")"};
}

Instruction SuppressionPart(int autoId) {
    return {std::string("DELETE FROM ") + kTable, std::string(" WHERE ") + kAutoId + "=" + std::to_string(autoId)};
}

Instruction InsertionPart(store::TdmDonnees& donnees, const PartAssocieDivers& part) {
    return {std::string("INSERT INTO ") + kTable + "(" + kIdDiversFisc + "," + kIdAssocie + "," + kIsDeduction + "," +
                kEstPourBA + ")",
            " VALUES(" + std::to_string(part.idDiversFisc) + "," + std::to_string(part.idAssocie) + "," +
                Litteral(donnees, part.isDeduction) + "," + Litteral(donnees, part.estPourBA) + ")"};
}

Instruction ChangementDeSensPart(store::TdmDonnees& donnees, const PartAssocieDivers& part) {
    return {std::string("UPDATE ") + kTable + " SET " + kIsDeduction + "=" + Litteral(donnees, part.isDeduction),
            std::string(" WHERE ") + kAutoId + "=" + std::to_string(part.autoId)};
}

}  // namespace kvarn::taxadj
