#include "associates/colonne_associe.hpp"

#include "common/dates.hpp"
#include "common/ini_values.hpp"
#include "common/numbers.hpp"
#include "common/text.hpp"

#include <optional>
#include <string>

namespace kvarn::associates {
namespace {

[[noreturn]] void Refuser(const db::Field& champ, std::string_view valeur, const char* attendu) {
    throw ValeurRefusee("Valeur refusée pour " + champ.FieldName() + " (« " + std::string(valeur) + " ») : " + attendu);
}

db::Field& ChampModifiable(db::CTable& table, std::string_view colonne) {
    db::Field* champ = nullptr;
    for (int i = 0; i < table.FieldCount() && !champ; ++i)
        if (EqualsIgnoringCase(table.Fields(i).FieldName(), colonne)) champ = &table.Fields(i);
    if (!champ) throw ColonneNonModifiable("Colonne inconnue de la table des associés : " + std::string(colonne));
    if (champ->Calculated())
        throw ColonneNonModifiable("La colonne " + champ->FieldName() + " est calculée : elle ne s'écrit pas");
    if (champ->DataType() == db::FieldType::AutoInc)
        throw ColonneNonModifiable("La colonne " + champ->FieldName() + " est la clé de l'associé : elle ne s'écrit pas");
    return *champ;
}

}  // namespace

void EcrireColonneAssocie(db::CTable& table, std::string_view colonne, std::string_view valeur) {
    db::Field& champ = ChampModifiable(table, colonne);
    const std::string texte = Trim(valeur);
    if (texte.empty()) return champ.Clear();
    switch (champ.DataType()) {
        case db::FieldType::Alpha:
            return champ.SetAsString(CutToWidth(valeur, static_cast<std::size_t>(champ.Size())));
        case db::FieldType::Short:
        case db::FieldType::Long:
        case db::FieldType::AutoInc: {
            const std::optional<int> entier = ParseIniInteger(texte);
            if (!entier) Refuser(champ, valeur, "nombre entier attendu");
            return champ.SetAsInteger(*entier);
        }
        case db::FieldType::Number:
        case db::FieldType::Money: {
            bool valide = true;
            const double reel = ZORStr2Double(texte, &valide);
            if (!valide) Refuser(champ, valeur, "nombre attendu (décimales après « , » ou « . »)");
            return champ.SetAsFloat(reel);
        }
        case db::FieldType::Logical:
            if (texte != "0" && texte != "1") Refuser(champ, valeur, "1 ou 0 attendu");
            return champ.SetAsBoolean(texte == "1");
        case db::FieldType::Date: {
            const std::optional<double> date = ParseDate(texte);
            if (!date) Refuser(champ, valeur, "date attendue au format jj/mm/aaaa");
            return champ.SetAsDateTime(*date);
        }
    }
}

}  // namespace kvarn::associates
