#include "migration/anciennes_valeurs.hpp"

#include "db/catalogue.hpp"
#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"

#include <functional>

namespace kvarn::migration {
namespace {

void CreerSiAbsente(db::Session& session) {
    if (session.TableExists(db::ALIAS_DOSSIER, kTableAnciennesValeurs)) return;
    db::CreateTable(session, db::ALIAS_DOSSIER,
                    {kTableAnciennesValeurs,
                     {{"NomTable", db::FieldType::Alpha, 31},
                      {"Cle", db::FieldType::Long, 0},
                      {"Champ", db::FieldType::Alpha, 31},
                      {"Valeur", db::FieldType::Alpha, 255},
                      {"Etape", db::FieldType::Long, 0}},
                     {}});
}

// Each stored value of the column with its row's number.
void Parcourir(db::Session& session, const std::string& table, const db::FieldDef& champ,
               const std::function<void(std::int64_t, const db::Value&)>& visiter) {
    const std::string colonne = db::QuoteIdentifier(champ.name);
    db::Statement lecture(session.connection().Handle(),
                          "SELECT rowid, " + colonne + " FROM " + session.SchemaOfAlias(db::ALIAS_DOSSIER) + "." +
                              db::QuoteIdentifier(table) + " WHERE " + colonne + " IS NOT NULL ORDER BY rowid");
    while (lecture.Step()) visiter(lecture.ColumnInteger(0), db::ReadStored(lecture, 1, champ));
}

}  // namespace

void ConserverAncienneValeur(db::Session& session, std::string_view table, std::int64_t cle, std::string_view champ,
                             std::string_view valeur, std::uint32_t etape) {
    CreerSiAbsente(session);
    db::Statement ajout(session.connection().Handle(),
                        std::string("INSERT INTO ") + kTableAnciennesValeurs +
                            " (NomTable, Cle, Champ, Valeur, Etape) VALUES (?1, ?2, ?3, ?4, ?5)");
    ajout.BindText(1, table);
    ajout.BindInteger(2, cle);
    ajout.BindText(3, champ);
    ajout.BindText(4, valeur);
    ajout.BindInteger(5, etape);
    ajout.Run();
}

int ConserverColonne(db::Session& session, const std::string& table, const db::FieldDef& champ, std::uint32_t etape) {
    int gardees = 0;
    Parcourir(session, table, champ, [&](std::int64_t cle, const db::Value& valeur) {
        ConserverAncienneValeur(session, table, cle, champ.name, db::ReadAsString(champ, valeur), etape);
        ++gardees;
    });
    return gardees;
}

int ConserverColonnes(db::Session& session, const std::string& table, std::initializer_list<std::string_view> noms,
                      std::uint32_t etape) {
    int gardees = 0;
    for (const db::FieldDef& champ :
         db::ReadFields(session.connection(), session.SchemaOfAlias(db::ALIAS_DOSSIER), table))
        for (const std::string_view nom : noms)
            if (db::AsciiUpper(champ.name) == db::AsciiUpper(nom))
                gardees += ConserverColonne(session, table, champ, etape);
    return gardees;
}

int ConserverPertes(db::Session& session, const std::string& table, const db::FieldDef& avant,
                    const db::FieldDef& apres, std::uint32_t etape) {
    int gardees = 0;
    Parcourir(session, table, avant, [&](std::int64_t cle, const db::Value& valeur) {
        const std::string texte = db::ReadAsString(avant, valeur);
        try {
            if (db::ReadAsString(apres, db::ToFieldValue(apres, valeur)) == texte) return;
        } catch (const db::ValeurRefusee&) {
        }
        ConserverAncienneValeur(session, table, cle, avant.name, texte, etape);
        ++gardees;
    });
    return gardees;
}

}  // namespace kvarn::migration
