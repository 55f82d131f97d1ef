#include "movements/table_mouvements.hpp"

#include "movements/codes_mouvement.hpp"

namespace kvarn::movements {

std::optional<cMouvParts> LireMouvement(db::CTable& table) {
    const db::Field& date = table.FieldByName("DateMouvement");
    if (date.IsNull()) return std::nullopt;
    cMouvParts mouvement;
    mouvement.DateMouvement = date.AsDateTime();
    mouvement.IDCedant = table.FieldByName("IDCedant").AsInteger();
    mouvement.AutoID = table.FieldByName("AutoID").AsInteger();
    // A type never set keeps the code that says so rather than reading as a sale of PP.
    const db::Field& type = table.FieldByName("TypeMouvement");
    mouvement.TypeMouvement = type.IsNull() ? kTypeNonDefini : type.AsInteger();
    return mouvement;
}

void EcrireMouvement(db::CTable& table, const cMouvParts& mouvement) {
    db::Field& cedant = table.FieldByName("IDCedant");
    if (mouvement.IDCedant == 0) cedant.Clear();
    else cedant.SetAsInteger(mouvement.IDCedant);
    table.FieldByName("DateMouvement").SetAsDateTime(mouvement.DateMouvement);
    table.FieldByName("TypeMouvement").SetAsInteger(mouvement.TypeMouvement);
}

}  // namespace kvarn::movements
