#include "movements/table_asso_npu.hpp"

namespace kvarn::movements {

cAssoNPU LireAssoNPU(db::CTable& table) {
    cAssoNPU lien;
    lien.IdMouv = table.FieldByName("IdMouv").AsInteger();
    lien.IdNP = table.FieldByName("IdNP").AsInteger();
    lien.IdU = table.FieldByName("IdU").AsInteger();
    lien.NbU = table.FieldByName("NbU").AsFloat();
    return lien;
}

std::optional<cAssoNPU> LireLienChiffre(db::CTable& table) {
    if (table.FieldByName("NbU").IsNull()) return std::nullopt;
    return LireAssoNPU(table);
}

LienNPU LireLienNPU(db::CTable& table) {
    const db::Field& nbU = table.FieldByName("NbU");
    const cAssoNPU lien = LireAssoNPU(table);
    return {table.FieldByName("AutoID").AsInteger(), lien.IdMouv, lien.IdNP, lien.IdU,
            nbU.IsNull() ? std::nullopt : std::optional<double>(lien.NbU)};
}

void EcrireLienNPU(db::CTable& table, const LienNPU& lien) {
    EcrireAssoNPU(table, {lien.idMouv, lien.idNP, lien.idU, lien.nbU.value_or(0.0)});
    if (!lien.nbU) table.FieldByName("NbU").Clear();
}

void EcrireNomAssoLien(db::CTable& table, const std::string& nom) { table.FieldByName("NomAsso").SetAsString(nom); }

void EcrireAssoNPU(db::CTable& table, const cAssoNPU& lien) {
    table.FieldByName("IdMouv").SetAsInteger(lien.IdMouv);
    table.FieldByName("IdNP").SetAsInteger(lien.IdNP);
    table.FieldByName("IdU").SetAsInteger(lien.IdU);
    table.FieldByName("NbU").SetAsFloat(lien.NbU);
}

}  // namespace kvarn::movements
