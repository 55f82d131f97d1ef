#include "movements/table_synthese.hpp"

#include "db/catalogue.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/identifiers.hpp"
#include "db/statement.hpp"
#include "environment/tables_dossier.hpp"
#include "movements/codes_mouvement.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace kvarn::movements {
namespace {

std::optional<int> Type(db::CTable& table) {
    const db::Field& type = table.FieldByName("TypeMouvement");
    return type.IsNull() ? std::nullopt : std::optional<int>(type.AsInteger());
}

std::optional<double>& Parts(LigneSyntheseStockee& ligne, int typeParts) {
    switch (typeParts) {
        case kPartsU: return ligne.u;
        case kPartsNP: return ligne.np;
        default: return ligne.pp;
    }
}

// The columns a row is made of, in the order of every statement below and of its values.
constexpr const char* kColonnesSynthese[] = {"IdMouvement",   "IdDetailMouvement", "IdAssocie", "DateMouvement",
                                             "TypeMouvement", "PartsPP",           "PartsU",    "PartsNP"};
constexpr std::size_t kNombreColonnes = std::size(kColonnesSynthese);
constexpr std::size_t kPremiereColonneEcrite = 2;  // after the key
using Valeurs = std::array<db::Value, kNombreColonnes>;

db::Value Nombre(const std::optional<double>& n) { return n ? db::Value(*n) : db::Value(); }

Valeurs ValeursDe(const LigneSyntheseStockee& l) {
    return {l.idMouvement, l.idDetail, l.idAssocie, l.date, l.type ? db::Value(*l.type) : db::Value(),
            Nombre(l.pp), Nombre(l.u), Nombre(l.np)};
}

LigneSyntheseStockee LigneDe(const Valeurs& v) {
    const auto entier = [&](std::size_t k) { return static_cast<int>(v[k].IsNull() ? 0 : v[k].Integer()); };
    const auto nombre = [&](std::size_t k) { return v[k].IsNull() ? std::nullopt : std::optional<double>(v[k].Real()); };
    return {entier(0), entier(1), entier(2), nombre(3).value_or(0.0),
            v[4].IsNull() ? std::nullopt : std::optional<int>(entier(4)), nombre(5), nombre(6), nombre(7)};
}

// The table seen by statements: its qualified name and its columns' types from the catalogue, so
// that values are converted and stored exactly as a component converts and stores them.
class TableSynthese {
public:
    TableSynthese(db::Session& session, const std::string& alias)
        : session_(session), schema_(session.SchemaOfAlias(alias)),
          nom_(db::QuoteIdentifier(schema_) + "." + db::QuoteIdentifier(environment::kTableSyntheseMouvement)) {
        const std::vector<db::FieldDef> champs =
            db::ReadFields(session.connection(), schema_, environment::kTableSyntheseMouvement);
        for (std::size_t k = 0; k < kNombreColonnes; ++k) {
            const auto trouve = std::find_if(champs.begin(), champs.end(), [&](const db::FieldDef& champ) {
                return db::AsciiUpper(champ.name) == db::AsciiUpper(kColonnesSynthese[k]);
            });
            if (trouve == champs.end())
                throw std::runtime_error(std::string("colonne absente de ") + environment::kTableSyntheseMouvement +
                                         " : " + kColonnesSynthese[k]);
            champs_[k] = *trouve;
        }
    }

    db::Statement Preparer(const std::string& sql) const { return db::Statement(session_.connection().Handle(), sql); }
    const std::string& Nom() const { return nom_; }

    // Binds a row's columns to parameters 1 to 8.
    void Lier(db::Statement& requete, const LigneSyntheseStockee& ligne) const {
        const Valeurs valeurs = ValeursDe(ligne);
        for (std::size_t k = 0; k < kNombreColonnes; ++k)
            db::BindStored(requete, static_cast<int>(k + 1), champs_[k], db::ToFieldValue(champs_[k], valeurs[k]));
    }
    // The row of a statement's columns 0 to 7.
    LigneSyntheseStockee Lire(const db::Statement& requete) const {
        Valeurs valeurs;
        for (std::size_t k = 0; k < kNombreColonnes; ++k)
            valeurs[k] = db::ReadStored(requete, static_cast<int>(k), champs_[k]);
        return LigneDe(valeurs);
    }

private:
    db::Session& session_;
    std::string schema_, nom_;
    std::array<db::FieldDef, kNombreColonnes> champs_;
};

std::string ListeColonnes() {
    std::string liste;
    for (const char* colonne : kColonnesSynthese) liste += (liste.empty() ? "" : ", ") + std::string(colonne);
    return liste;
}

// Every row in key order, as stored.
void LireStockees(const TableSynthese& table, const std::function<void(const LigneSyntheseStockee&)>& lire) {
    db::Statement lignes = table.Preparer("SELECT " + ListeColonnes() + " FROM " + table.Nom() + " ORDER BY AutoID");
    while (lignes.Step()) lire(table.Lire(lignes));
}

// A row's movement and detail key as one number.
std::int64_t Cle(const LigneSyntheseStockee& ligne) {
    return static_cast<std::int64_t>(ligne.idMouvement) << 32 ^ static_cast<std::uint32_t>(ligne.idDetail);
}

}  // namespace

LigneSyntheseStockee LigneStockee(const cMouvParts& mouvement, int idAssocie, const LigneSynthese& ligne) {
    LigneSyntheseStockee stockee{mouvement.AutoID, ligne.idDetail, idAssocie, mouvement.DateMouvement, std::nullopt,
                                 std::nullopt, std::nullopt, std::nullopt};
    if (mouvement.TypeMouvement != kTypeNonDefini) stockee.type = mouvement.TypeMouvement;
    Parts(stockee, ligne.typeParts) = ligne.parts;
    return stockee;
}

void EcrireLigneSynthese(db::CTable& table, const LigneSyntheseStockee& ligne) {
    const Valeurs valeurs = ValeursDe(ligne);
    std::size_t premiere = kPremiereColonneEcrite;  // a row found keeps its key
    if (table.Locate("IDMOUVEMENT;IDDETAILMOUVEMENT", std::vector<db::Value>{valeurs[0], valeurs[1]})) {
        table.Edit();
    } else {
        table.Append();
        premiere = 0;
    }
    for (std::size_t k = premiere; k < kNombreColonnes; ++k) table.FieldByName(kColonnesSynthese[k]).SetValue(valeurs[k]);
    table.Post();
}

std::vector<LigneSyntheseStockee> EcrireLignesSynthese(db::Session& session, const std::string& alias,
                                                       const std::vector<LigneSyntheseStockee>& lignes) {
    const TableSynthese table(session, alias);
    std::vector<LigneSyntheseStockee> contenu;             // the table, in key order
    std::unordered_map<std::int64_t, std::size_t> places;  // the first row of each key, as a locate finds it
    LireStockees(table, [&](const LigneSyntheseStockee& ligne) {
        places.try_emplace(Cle(ligne), contenu.size());
        contenu.push_back(ligne);
    });
    // EstCedant, never written, stays as it is.
    db::Statement modifier = table.Preparer(
        "UPDATE " + table.Nom() +
        " SET IdAssocie=?3, DateMouvement=?4, TypeMouvement=?5, PartsPP=?6, PartsU=?7, PartsNP=?8 WHERE AutoID=(SELECT "
        "MIN(AutoID) FROM " + table.Nom() + " WHERE IdMouvement=?1 AND IdDetailMouvement=?2)");
    db::Statement ajouter =
        table.Preparer("INSERT INTO " + table.Nom() + " (" + ListeColonnes() + ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    for (const LigneSyntheseStockee& ligne : lignes) {
        const auto [place, nouvelle] = places.try_emplace(Cle(ligne), contenu.size());
        if (nouvelle) {
            table.Lier(ajouter, ligne);
            ajouter.Run();
            contenu.push_back(ligne);
        } else if (LigneSyntheseStockee& stockee = contenu[place->second]; !(stockee == ligne)) {
            // a row already as it would be written is left alone: rewriting it would only cost
            // its index entries
            table.Lier(modifier, ligne);
            modifier.Run();
            stockee = ligne;
        }
    }
    return contenu;
}

void AffecterTextesSynthese(db::CTable& table, db::TFieldGetTextEvent idAssocie, db::TFieldGetTextEvent type) {
    table.FieldDisplayOf("IdAssocie").onGetText = std::move(idAssocie);
    table.FieldDisplayOf("TypeMouvement").onGetText = std::move(type);
}

TypeEtParts LireTypeEtParts(db::CTable& table) {
    return {Type(table), table.FieldByName("PartsPP").AsFloat(), table.FieldByName("PartsU").AsFloat(),
            table.FieldByName("PartsNP").AsFloat()};
}

}  // namespace kvarn::movements
