#include "movements/table_mouvements.hpp"

#include "db/forward_reader.hpp"
#include "movements/codes_mouvement.hpp"

namespace kvarn::movements {

template <class Curseur>
TypeEtCedant LireTypeEtCedant(Curseur& table) {
    // A type never set keeps the code that says so rather than reading as a sale of PP.
    const db::Field& type = table.FieldByName("TypeMouvement");
    return {table.FieldByName("AutoID").AsInteger(), type.IsNull() ? kTypeNonDefini : type.AsInteger(),
            table.FieldByName("IDCedant").AsInteger()};
}

template <class Curseur>
std::optional<cMouvParts> LireMouvement(Curseur& table) {
    const db::Field& date = table.FieldByName("DateMouvement");
    if (date.IsNull()) return std::nullopt;
    const TypeEtCedant lu = LireTypeEtCedant(table);
    cMouvParts mouvement;
    mouvement.DateMouvement = date.AsDateTime();
    mouvement.IDCedant = lu.idCedant;
    mouvement.AutoID = lu.autoID;
    mouvement.TypeMouvement = lu.type;
    return mouvement;
}

template TypeEtCedant LireTypeEtCedant(db::CTable&);
template std::optional<cMouvParts> LireMouvement(db::CTable&);
template std::optional<cMouvParts> LireMouvement(db::ForwardReader&);

void EcrireMouvement(db::CTable& table, const cMouvParts& mouvement) {
    db::Field& cedant = table.FieldByName("IDCedant");
    if (mouvement.IDCedant == 0) cedant.Clear();
    else cedant.SetAsInteger(mouvement.IDCedant);
    table.FieldByName("DateMouvement").SetAsDateTime(mouvement.DateMouvement);
    table.FieldByName("TypeMouvement").SetAsInteger(mouvement.TypeMouvement);
}

}  // namespace kvarn::movements
