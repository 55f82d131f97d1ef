#include "lignes_table.hpp"

#include "common/dates.hpp"
#include "frame/etat_module.hpp"

#include <charconv>
#include <iostream>

namespace kvarn::cli {

std::string TexteNombre(double nombre) {
    char tampon[64];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, nombre).ptr;
    return std::string(tampon, fin);
}

std::string TexteChamp(const db::Field& champ) {
    if (champ.IsNull()) return "";
    switch (champ.DataType()) {
        case db::FieldType::Date: return FormatDate(champ.AsDateTime());
        case db::FieldType::Number:
        case db::FieldType::Money: return TexteNombre(champ.AsFloat());
        case db::FieldType::Short:
        case db::FieldType::Long:
        case db::FieldType::AutoInc: return std::to_string(champ.AsInteger());
        case db::FieldType::Logical: return champ.AsBoolean() ? "true" : "false";
        default: return champ.AsString();
    }
}

void EcrireLigneJson(JsonWriter& json, db::CTable& table, const std::function<void(JsonWriter&)>& plus) {
    json.BeginObject();
    for (int i = 0; i < table.FieldCount(); ++i) {
        const db::Field& champ = table.Fields(i);
        json.Key(champ.FieldName());
        if (champ.IsNull()) json.Null();
        else if (champ.DataType() == db::FieldType::Number || champ.DataType() == db::FieldType::Money) json.Number(champ.AsFloat());
        else if (champ.DataType() == db::FieldType::Logical) json.Bool(champ.AsBoolean());
        else if (champ.DataType() == db::FieldType::Alpha || champ.DataType() == db::FieldType::Date) json.String(TexteChamp(champ));
        else json.Integer(champ.AsInteger());
    }
    if (plus) plus(json);
    json.EndObject();
}

void ParcourirTable(const char* alias, const char* table, const char* index, const std::function<void(db::CTable&)>& ligne) {
    db::CTable lignes(frame::DataModule()->Donnees().Session());
    lignes.SetDatabaseName(alias);
    lignes.SetTableName(table);
    lignes.SetIndexName(index);
    lignes.Open();
    for (lignes.First(); !lignes.Eof(); lignes.Next()) ligne(lignes);
}

void AfficherTable(const char* alias, const char* table, const char* index, const Affichage& a, bool json) {
    JsonWriter sortie;
    sortie.BeginArray();
    ParcourirTable(alias, table, index, [&](db::CTable& ligne) {
        if (json) {
            EcrireLigneJson(sortie, ligne, [&](JsonWriter& j) { if (a.plusJson) a.plusJson(j, ligne); });
            return;
        }
        std::string texte;
        for (const std::string& colonne : a.colonnes) texte += (texte.empty() ? "" : "\t") + TexteChamp(ligne.FieldByName(colonne));
        if (a.plusTexte) texte += "\t" + a.plusTexte(ligne);
        std::cout << texte << '\n';
    });
    sortie.EndArray();
    if (json) std::cout << sortie.str() << '\n';
}

}  // namespace kvarn::cli
