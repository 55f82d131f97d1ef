#include "movements/table_synthese.hpp"

#include "movements/champ_optionnel.hpp"
#include "movements/codes_mouvement.hpp"

#include <utility>
#include <vector>

namespace kvarn::movements {
namespace {

const char* ColonneDe(int typeParts) {
    switch (typeParts) {
        case kPartsU: return "PartsU";
        case kPartsNP: return "PartsNP";
        default: return "PartsPP";
    }
}

std::optional<int> Type(db::CTable& table) {
    const db::Field& type = table.FieldByName("TypeMouvement");
    return type.IsNull() ? std::nullopt : std::optional<int>(type.AsInteger());
}

}  // namespace

void EcrireLigneSynthese(db::CTable& table, const cMouvParts& mouvement, int idAssocie, const LigneSynthese& ligne) {
    if (table.Locate("IDMOUVEMENT;IDDETAILMOUVEMENT", std::vector<db::Value>{mouvement.AutoID, ligne.idDetail})) {
        table.Edit();
    } else {
        table.Append();
        table.FieldByName("IdMouvement").SetAsInteger(mouvement.AutoID);
        table.FieldByName("IdDetailMouvement").SetAsInteger(ligne.idDetail);
    }
    table.FieldByName("DateMouvement").SetAsDateTime(mouvement.DateMouvement);
    db::Field& type = table.FieldByName("TypeMouvement");
    if (mouvement.TypeMouvement == kTypeNonDefini) type.Clear();
    else type.SetAsInteger(mouvement.TypeMouvement);
    table.FieldByName("IdAssocie").SetAsInteger(idAssocie);
    for (const char* colonne : {"PartsPP", "PartsU", "PartsNP"}) table.FieldByName(colonne).Clear();
    table.FieldByName(ColonneDe(ligne.typeParts)).SetAsFloat(ligne.parts);
    table.Post();
}

void AffecterTextesSynthese(db::CTable& table, db::TFieldGetTextEvent idAssocie, db::TFieldGetTextEvent type) {
    table.FieldDisplayOf("IdAssocie").onGetText = std::move(idAssocie);
    table.FieldDisplayOf("TypeMouvement").onGetText = std::move(type);
}

TypeEtParts LireTypeEtParts(db::CTable& table) {
    return {Type(table), table.FieldByName("PartsPP").AsFloat(), table.FieldByName("PartsU").AsFloat(),
            table.FieldByName("PartsNP").AsFloat()};
}

LigneSyntheseStockee LireLigneSyntheseStockee(db::CTable& table) {
    return {table.FieldByName("IdMouvement").AsInteger(), table.FieldByName("IdDetailMouvement").AsInteger(),
            table.FieldByName("IdAssocie").AsInteger(), Type(table), NombreOuVide(table.FieldByName("PartsPP")),
            NombreOuVide(table.FieldByName("PartsU")), NombreOuVide(table.FieldByName("PartsNP"))};
}

}  // namespace kvarn::movements
