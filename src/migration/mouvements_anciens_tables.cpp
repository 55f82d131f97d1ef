#include "migration/mouvements_anciens_tables.hpp"

#include "common/text.hpp"
#include "db/catalogue.hpp"
#include "db/identifiers.hpp"
#include "db/statement.hpp"
#include "db/structure.hpp"
#include "db/table.hpp"
#include "environment/tables_dossier.hpp"
#include "migration/anciennes_valeurs.hpp"
#include "movements/table_asso_npu.hpp"
#include "movements/table_details.hpp"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <map>
#include <string_view>

namespace kvarn::migration {
namespace {

constexpr const char* kMouvements = "KOLMIKVM";
constexpr const char* kLignes = "KOLMIKVN";
constexpr const char* kDetails = "KOLMIKVP";
constexpr const char* kLiens = "KOLMIKVA";
constexpr const char* kPartsCedees = "PartsCedees";
const std::initializer_list<std::string_view> kColonnesLignes{"IdMouvement", "IdCessionnaire", "NombrePart", "TypeParts"};
constexpr std::initializer_list<const char*> kColonnesComptes{"NbParts", "NbPartsU", "NbPartsN"};

void Ouvrir(db::CTable& table, const char* nom) {
    table.SetDatabaseName(db::ALIAS_DOSSIER);
    table.SetTableName(nom);
    table.Open();
}

std::optional<double> Optionnel(const db::Field& champ) {
    return champ.IsNull() ? std::nullopt : std::optional<double>(champ.AsFloat());
}

// The shortest text that reads back as the same double.
std::string Texte(double nombre) {
    char tampon[32];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, nombre).ptr;
    return std::string(tampon, fin);
}

std::optional<double>& Compte(ComptesAssocie& comptes, std::size_t colonne) {
    return colonne == 0 ? comptes.pp : colonne == 1 ? comptes.u : comptes.np;
}

}  // namespace

bool EnModeleAncien(db::Session& session) {
    const std::optional<std::string> nom = session.FindTable(db::ALIAS_DOSSIER, kMouvements);
    if (!nom) return false;
    const auto champs = db::ReadFields(session.connection(), session.SchemaOfAlias(db::ALIAS_DOSSIER), *nom);
    return std::any_of(champs.begin(), champs.end(),
                       [](const db::FieldDef& champ) { return EqualsIgnoringCase(champ.name, kPartsCedees); });
}

std::vector<MouvementAncien> LireMouvementsAnciens(db::Session& session) {
    db::CTable table(session);
    Ouvrir(table, kMouvements);
    std::vector<MouvementAncien> mouvements;
    for (table.First(); !table.Eof(); table.Next()) {
        const db::Field& date = table.FieldByName("DateMouvement");
        const db::Field& type = table.FieldByName("TypeMouvement");
        mouvements.push_back({table.FieldByName("AutoID").AsInteger(),
                              date.IsNull() ? std::nullopt : std::optional<double>(date.AsDateTime()),
                              type.IsNull() ? -1 : type.AsInteger(), table.FieldByName("IDCedant").AsInteger(),
                              table.FieldByName(kPartsCedees).AsFloat()});
    }
    return mouvements;
}

std::vector<LigneAncienne> LireLignesAnciennes(db::Session& session) {
    std::vector<LigneAncienne> lignes;
    if (!session.TableExists(db::ALIAS_DOSSIER, kLignes)) return lignes;
    db::CTable table(session);
    Ouvrir(table, kLignes);
    for (table.First(); !table.Eof(); table.Next())
        lignes.push_back({table.FieldByName("IdMouvement").AsInteger(), table.FieldByName("IdCessionnaire").AsInteger(),
                          table.FieldByName("NombrePart").AsFloat(), table.FieldByName("TypeParts").AsInteger()});
    return lignes;
}

std::vector<ComptesAssocie> LireComptes(db::Session& session) {
    db::CTable table(session);
    Ouvrir(table, environment::kTableAssocies.nom);
    std::vector<ComptesAssocie> comptes;
    for (table.First(); !table.Eof(); table.Next())
        comptes.push_back({table.FieldByName("ShIDAssocie").AsInteger(), Optionnel(table.FieldByName("NbParts")),
                           Optionnel(table.FieldByName("NbPartsU")), Optionnel(table.FieldByName("NbPartsN"))});
    return comptes;
}

void AjouterLignesAnciennes(db::Session& session, const std::vector<LigneAncienne>& lignes) {
    if (!session.TableExists(db::ALIAS_DOSSIER, kLignes))
        db::CreateTable(session, db::ALIAS_DOSSIER,
                        {kLignes,
                         {{"AutoID", db::FieldType::AutoInc}, {"IdMouvement", db::FieldType::Long},
                          {"IdCessionnaire", db::FieldType::Long}, {"NombrePart", db::FieldType::Number},
                          {"TypeParts", db::FieldType::Short}},
                         {}});
    db::CTable table(session);
    Ouvrir(table, kLignes);
    for (const LigneAncienne& ligne : lignes) {
        table.Append();
        table.FieldByName("IdMouvement").SetAsInteger(ligne.idMouvement);
        table.FieldByName("IdCessionnaire").SetAsInteger(ligne.idCessionnaire);
        table.FieldByName("NombrePart").SetAsFloat(ligne.nombrePart);
        table.FieldByName("TypeParts").SetAsInteger(ligne.typeParts);
        table.Post();
    }
}

void EcrireComptes(db::Session& session, const std::vector<ComptesAssocie>& comptes, std::uint32_t etape) {
    std::map<int, ComptesAssocie> parAssocie;
    for (const ComptesAssocie& c : comptes) parAssocie[c.idAssocie] = c;
    db::CTable table(session);
    Ouvrir(table, environment::kTableAssocies.nom);
    for (table.First(); !table.Eof(); table.Next()) {
        const int id = table.FieldByName("ShIDAssocie").AsInteger();
        ComptesAssocie nouveaux = parAssocie.count(id) ? parAssocie[id] : ComptesAssocie{id, {}, {}, {}};
        table.Edit();
        std::size_t numero = 0;
        for (const char* colonne : kColonnesComptes) {
            db::Field& champ = table.FieldByName(colonne);
            const std::optional<double> avant = Optionnel(champ);
            const std::optional<double>& apres = Compte(nouveaux, numero++);
            if (avant && avant != apres)
                ConserverAncienneValeur(session, environment::kTableAssocies.nom, id, colonne,
                                        Texte(*avant), etape);
            if (apres) champ.SetAsFloat(*apres);
            else champ.Clear();
        }
        table.Post();
    }
}

void EcrireMouvementsConvertis(db::Session& session, const std::vector<MouvementConverti>& mouvements) {
    std::map<int, const MouvementConverti*> parCle;
    for (const MouvementConverti& m : mouvements) parCle[m.autoID] = &m;
    db::CTable lignes(session), details(session), liens(session);
    Ouvrir(lignes, kMouvements);
    Ouvrir(details, kDetails);
    Ouvrir(liens, kLiens);
    for (lignes.First(); !lignes.Eof(); lignes.Next()) {
        const auto trouve = parCle.find(lignes.FieldByName("AutoID").AsInteger());
        if (trouve == parCle.end()) continue;
        const MouvementConverti& m = *trouve->second;
        lignes.Edit();
        lignes.FieldByName("TypeMouvement").SetAsInteger(m.type);
        if (m.idCedant) lignes.FieldByName("IDCedant").SetAsInteger(*m.idCedant);
        else lignes.FieldByName("IDCedant").Clear();
        lignes.Post();
        for (const movements::LigneDetail& detail : m.details) {
            details.Append();
            movements::EcrireLigneDetail(details, detail, m.autoID);
            details.Post();
        }
        for (const cAssoNPU& lien : m.liens) {
            liens.Append();
            movements::EcrireAssoNPU(liens, lien);
            liens.Post();
        }
    }
}

void SupprimerModeleAncien(db::Session& session, std::uint32_t etape) {
    const std::string schema = session.SchemaOfAlias(db::ALIAS_DOSSIER);
    const std::string mouvements = session.FindTable(db::ALIAS_DOSSIER, kMouvements).value();
    ConserverColonnes(session, mouvements, {kPartsCedees}, etape);
    if (const std::optional<std::string> lignes = session.FindTable(db::ALIAS_DOSSIER, kLignes)) {
        ConserverColonnes(session, *lignes, kColonnesLignes, etape);
        session.connection().Execute("DROP TABLE " + db::QuoteIdentifier(*lignes));
    }
    db::DropField(session, schema, mouvements, kPartsCedees);
    // Components that read these tables before must read them again.
    session.connection().MarkAllChanged();
}

}  // namespace kvarn::migration
