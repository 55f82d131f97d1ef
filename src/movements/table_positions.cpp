#include "movements/table_positions.hpp"

#include "movements/champ_optionnel.hpp"

namespace kvarn::movements {
namespace {

void EcrireParts(db::CTable& table, const char* pp, const char* u, const char* np, const PartsPPUNP& parts) {
    table.FieldByName(pp).SetAsFloat(parts.pp);
    table.FieldByName(u).SetAsFloat(parts.u);
    table.FieldByName(np).SetAsFloat(parts.np);
}

PartsStockees LirePartsStockees(db::CTable& table, const char* pp, const char* u, const char* np) {
    return {NombreOuVide(table.FieldByName(pp)), NombreOuVide(table.FieldByName(u)), NombreOuVide(table.FieldByName(np))};
}

}  // namespace

int LireIdAssociePosition(db::CTable& table) { return table.FieldByName("IDAssocie").AsInteger(); }
double LirePartsPPFin(db::CTable& table) { return table.FieldByName("NbPartsPPFin").AsFloat(); }
double LirePartsUFin(db::CTable& table) { return table.FieldByName("NbPartsUFin").AsFloat(); }
double LirePartsNPDebut(db::CTable& table) { return table.FieldByName("NbPartsN").AsFloat(); }

PartsPPUNP LirePartsDebut(db::CTable& table) {
    return {table.FieldByName("NbParts").AsFloat(), table.FieldByName("NbPartsU").AsFloat(), LirePartsNPDebut(table)};
}

PositionStockee LirePositionStockee(db::CTable& table) {
    return {LireIdAssociePosition(table), table.FieldByName("DesignationAsso").AsString(),
            table.FieldByName("PersonnePhysique").AsInteger() != 0,
            LirePartsStockees(table, "NbParts", "NbPartsU", "NbPartsN"),
            LirePartsStockees(table, "NbPartsPPMouv", "NbPartsUMouv", "NbPartsNPMouv"),
            LirePartsStockees(table, "NbPartsPPFin", "NbPartsUFin", "NbPartsNPFin")};
}

void EcrireNouvellePosition(db::CTable& table, const PositionAssocie& position) {
    table.FieldByName("IDAssocie").SetAsInteger(position.idAssocie);
    table.FieldByName("PersonnePhysique").SetAsInteger(position.personnePhysique ? 1 : 0);
    EcrirePosition(table, position);
}

void EcrirePosition(db::CTable& table, const PositionAssocie& position) {
    table.FieldByName("Nom").SetAsString(position.nom);
    table.FieldByName("DesignationAsso").SetAsString(position.designation);
    EcrireParts(table, "NbParts", "NbPartsU", "NbPartsN", position.debut);
    EcrireParts(table, "NbPartsPPMouv", "NbPartsUMouv", "NbPartsNPMouv", position.mouvements);
    EcrireParts(table, "NbPartsPPFin", "NbPartsUFin", "NbPartsNPFin", position.fin);
    db::Field& montant = table.FieldByName("Montant");
    if (position.montant) montant.SetAsFloat(*position.montant);
    else montant.Clear();
}

}  // namespace kvarn::movements
