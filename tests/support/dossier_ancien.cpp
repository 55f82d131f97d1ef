#include "support/dossier_ancien.hpp"

#include "db/catalogue.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "db/transaction.hpp"
#include "environment/gest_trp_ini.hpp"
#include "store/migrations.hpp"
#include "store/schema.hpp"

#include <algorithm>
#include <string_view>

namespace kvarn::testing_support {
namespace {

using db::FieldType;

constexpr VersionAncienne kVersions[] = {
    {"Premiere", 0, std::nullopt},          {"V1_01", 0x10100, std::nullopt},
    {"V1_04", 0x10404, std::nullopt},       {"V1_05", 0x10408, 0x10500},
    {"V1_06", 0x10509, 0x10503},            {"V1_06a", 0x10510, 0x10503},
    {"V1_06d", 0x10517, 0x10503},           {"V1_07", 0x10518, 0x10503},
    {"V1_08", 0x10519, 0x10503},            {"V1_11_4", 0x10519, 0x11140},
    {"V1_15", 0x11500, 0x11410},            {"V1_17", 0x11501, 0x11600},
    {"V1_19", 0x11502, 0x11600},            {"V2_2_1", 0x11503, 0x21000},
};

constexpr FormeAncienne kFormes[] = {
    {"NbParts", 0, 0x10100, FieldType::Long, 0},
    {"NbPartsU", 0, 0x10100, FieldType::Long, 0},
    {"NbPartsN", 0, 0x10100, FieldType::Long, 0},
    {"NonCGANumerateurProrata", 0x10100, 0x10404, FieldType::Long, 0},
    {"NonCGADenominateurProrata", 0x10100, 0x10404, FieldType::Long, 0},
    {"AdrVille", 0, 0x10404, FieldType::Alpha, 31},
    {"AdrPays", 0, 0x10404, FieldType::Alpha, 31},
    {"AdrTypeVoie", 0, 0x10404, FieldType::Alpha, 4},
    {"AdrProTypeVoie", 0, 0x10404, FieldType::Alpha, 4},
    {"AdrCP", 0, 0x10408, FieldType::Alpha, 5},
    {"AdrProComplmt1", 0, 0x10509, FieldType::Alpha, 35},
    {"AdrProComplmt2", 0, 0x10509, FieldType::Alpha, 35},
    {"AdrProNoVoie", 0, 0x10509, FieldType::Alpha, 5},
    {"AdrProCmplNoVoie", 0, 0x10509, FieldType::Alpha, 3},
    {"AdrProNomVoie", 0, 0x10509, FieldType::Alpha, 35},
    {"AdrProBP", 0, 0x10509, FieldType::Alpha, 6},
    {"AdrProCP", 0, 0x10408, FieldType::Alpha, 5},
    {"AdrProCP", 0x10408, 0x10509, FieldType::Alpha, 17},
    {"AdrProVille", 0, 0x10404, FieldType::Alpha, 31},
    {"AdrProVille", 0x10404, 0x10509, FieldType::Alpha, 35},
    {"AdrProIDPays", 0x10404, 0x10509, FieldType::Long, 0},
    {"DeptNaissance", 0x10518, 0x11502, FieldType::Alpha, 3},
};

struct Ajout {
    std::uint32_t version;
    std::vector<std::string_view> champs;
};

// The current fields each release added, as its notes list them.
const std::vector<Ajout>& Ajouts() {
    static const std::vector<Ajout> ajouts = {
        {0x10404,
         {"ExoTVA", "AdrIDPays", "IDPaysNaissance", "Concerne2065", "AnneeVersement1", "AnneeVersement2",
          "NbPartsSocialesAnnee1", "NbPartsSocialesAnnee2", "TraitementsAnnee1", "TraitementsAnnee2",
          "IndemniteFraisMissionA1", "IndemniteFraisMissionA2", "RembourstFraisMissionA1", "RembourstFraisMissionA2",
          "IndemniteAutresAnnee1", "IndemniteAutresAnnee2", "RembourstAutresAnnee1", "RembourstAutresAnnee2",
          "PartBenefice", "PartPlusValues", "BICouMeuble", "PartRevenusValeurs", "PartImpotVerse",
          "PartResultatNumerateur", "PartResultatDenominateur", "CorrPVLT", "NbHeureTravaillesConjoint",
          "Remuneration", "NonCGANumerateurProrata", "NonCGADenominateurProrata", "RFPartAssocieForce", "Honoraires",
          "TaxeProf", "CSGDeduc", "FraisVehiculesReels", "ChgSocPersoOblig", "ChgSocPersoFacult", "FraisFi",
          "NbEx_Edition", "PourcentagePartAssoForce", "RemDiverseProdFinancier", "PVRevenantAssocie", "PVDifferee",
          "ResultatBICSaisi", "ResultatBASaisi", "DateCessionParts", "IdentiteCessionParts", "DateCessionParts2",
          "IdentiteCessionParts2", "DateCessionParts3", "IdentiteCessionParts3", "DateCessionParts4",
          "IdentiteCessionParts4"}},
        {0x10509, {"NoIdentFisc", "AdrCodeInsee", "AdrBureauDistrib", "CodeInseeNaissance", "CategorieJuridique"}},
        {0x10510, {"IdComptable", "IdAdmin"}},
        {0x10517,
         {"Holding", "Adr1JanCmplNoVoie", "Adr1JanBP", "Adr1JanNoVoie", "Adr1JanFax", "Adr1JanTel", "Adr1JanCP",
          "Adr1JanVille", "Adr1JanNomVoie", "Adr1JanComplement2", "Adr1JanComplement1", "Adr1JanCodeInsee",
          "Adr1JanBureauDistrib", "Adr1JanIDPays", "NomIntervGerant", "PrenomIntervGerant", "AdrGerantComplement1",
          "AdrGerantComplement2", "AdrGerantNoVoie", "AdrGerantCpltNoVoie", "AdrGerantNomVoie", "AdrGerantCP",
          "AdrGerantVille", "AdrGerantBP"}},
        {0x10518, {"CPNaissance"}},
        {0x10519, {"DateEntreeSCI", "DateSortieSCI"}},
        {0x11500, {"NbDroitsDeVote", "NbDroitsADividendes"}},
        {0x11501, {"AdherentOga", "DateAdhesionOga", "NumAdherentOga", "IdOga"}},
        {0x11503, {"AbandonsSaisi"}},
        {0x11504, {"PseudoSiret", "IDSP"}},
    };
    return ajouts;
}

std::uint32_t Introduction(std::string_view champ) {
    for (const Ajout& ajout : Ajouts())
        if (std::find(ajout.champs.begin(), ajout.champs.end(), champ) != ajout.champs.end()) return ajout.version;
    return 0;
}

const FormeAncienne* FormeEn(std::string_view champ, std::uint32_t version) {
    for (const FormeAncienne& forme : kFormes)
        if (champ == forme.champ && forme.depuis <= version && version < forme.jusqua) return &forme;
    return nullptr;
}

db::Value Texte(const char* texte) { return db::Value(std::string(texte)); }

void Ecrire(db::Session& session, const std::string& table, const std::vector<db::FieldDef>& champs,
            const std::vector<ValeurAncienne>& valeurs) {
    std::string colonnes, parametres;
    std::vector<std::pair<const db::FieldDef*, const db::Value*>> liees;
    for (const ValeurAncienne& valeur : valeurs) {
        const auto champ = std::find_if(champs.begin(), champs.end(),
                                        [&](const db::FieldDef& c) { return c.name == valeur.champ; });
        if (champ == champs.end()) continue;
        // A value the older form cannot hold is not written (a Short of 40000).
        try {
            db::ToFieldValue(*champ, valeur.valeur);
        } catch (const std::exception&) {
            continue;
        }
        colonnes += (colonnes.empty() ? "" : ", ") + db::QuoteIdentifier(champ->name);
        parametres += (parametres.empty() ? "?" : ", ?");
        liees.emplace_back(&*champ, &valeur.valeur);
    }
    db::Statement ajout(session.connection().Handle(),
                        "INSERT INTO " + table + " (" + colonnes + ") VALUES (" + parametres + ")");
    for (std::size_t i = 0; i < liees.size(); ++i)
        db::BindStored(ajout, static_cast<int>(i + 1), *liees[i].first, db::ToFieldValue(*liees[i].first, *liees[i].second));
    ajout.Run();
}

db::TableDef Courante(const char* nom, bool index) {
    db::TableDef table = store::StoredDefinition(*store::FindTableSpec(nom));
    if (!index) table.indexes.clear();
    return table;
}

void CreerMouvementsAnciens(db::Session& session, bool index) {
    db::TableDef mouvements = Courante("KOLMIKVM", index);
    mouvements.fields.push_back({"PartsCedees", FieldType::Number, 0});
    db::CreateTable(session, db::ALIAS_DOSSIER, mouvements);
    db::TableDef lignes{"KOLMIKVN",
                        {{"AutoID", FieldType::AutoInc, 0},
                         {"IdMouvement", FieldType::Long, 0},
                         {"IdCessionnaire", FieldType::Long, 0},
                         {"NombrePart", FieldType::Number, 0},
                         {"TypeParts", FieldType::Short, 0}},
                        {}};
    if (index) lignes.indexes.push_back({"idxMouvement", {"IdMouvement"}, false, true});
    db::CreateTable(session, db::ALIAS_DOSSIER, lignes);
    session.connection().Execute(
        "INSERT INTO KOLMIKVM (DateMouvement, TypeMouvement, IDCedant, PartsCedees) VALUES ('2025-03-01', 0, 1, 4);"
        "INSERT INTO KOLMIKVN (IdMouvement, IdCessionnaire, NombrePart, TypeParts) VALUES (1, 2, 4, 0)");
}

}  // namespace

std::span<const VersionAncienne> VersionsAnciennes() { return kVersions; }
std::span<const FormeAncienne> FormesAnciennes() { return kFormes; }

std::vector<db::FieldDef> ChampsAssociesEn(std::uint32_t structure) {
    std::vector<db::FieldDef> champs;
    for (const db::FieldDef& courant : store::StoredDefinition(*store::FindTableSpec("KOLMIKV1")).fields) {
        if (const FormeAncienne* forme = FormeEn(courant.name, structure))
            champs.push_back({courant.name, forme->type, forme->largeur, false});
        else if (Introduction(courant.name) <= structure)
            champs.push_back(courant);
    }
    for (const FormeAncienne& forme : kFormes) {
        const bool dejaLa =
            std::any_of(champs.begin(), champs.end(), [&](const db::FieldDef& c) { return c.name == forme.champ; });
        if (!dejaLa && FormeEn(forme.champ, structure) == &forme)
            champs.push_back({forme.champ, forme.type, forme.largeur, false});
    }
    return champs;
}

const std::vector<std::vector<ValeurAncienne>>& AssociesAnciens() {
    static const std::vector<std::vector<ValeurAncienne>> associes = {
        {{"Nom", Texte("Martin")}, {"Prenoms", Texte("Jeanne")}, {"NomPatronymique", Texte("Durand")},
         {"PersonnePhysique", 1}, {"Titre", 2}, {"NbParts", 10}, {"NbPartsU", 3}, {"NbPartsN", 0},
         {"AdrVille", Texte("Saint-Germain-au-Mont-d'Or Est")}, {"AdrCP", Texte("13210")},
         {"AdrPays", Texte("belgique")}, {"AdrTypeVoie", Texte("RUE")}, {"AdrProTypeVoie", Texte("AV")},
         {"AdrProComplmt1", Texte("Bât. A")}, {"AdrProVille", Texte("Lyon")}, {"AdrProCP", Texte("69001")},
         {"NonCGANumerateurProrata", 40000}, {"NonCGADenominateurProrata", 3}, {"DeptNaissance", Texte("33")}},
        {{"Nom", Texte("SCI Les Tilleuls")}, {"PersonnePhysique", 0}, {"Titre", 4}, {"NbParts", 5},
         {"AdrVille", Texte("Paris")}, {"AdrCP", Texte("75001")}, {"AdrPays", Texte("de")},
         {"NonCGANumerateurProrata", 1}, {"NonCGADenominateurProrata", 2}, {"DeptNaissance", Texte("75")},
         {"CPNaissance", Texte("75010")}, {"IDSP", Texte("12345678901234")}},
        {{"Nom", Texte("Émile")}, {"Prenoms", Texte("Zoé")}, {"PersonnePhysique", 1}, {"AdrPays", Texte("")}},
    };
    return associes;
}

void CreerDossierAncien(const std::filesystem::path& repertoire, const VersionAncienne& version, bool index) {
    {
        db::Session session;
        session.OpenDossier(repertoire);
        db::AllOrNothing(session, [&] {
            db::TableDef associes = Courante("KOLMIKV1", index);
            associes.fields = ChampsAssociesEn(version.structure);
            db::CreateTable(session, db::ALIAS_DOSSIER, associes);
            for (const std::vector<ValeurAncienne>& associe : AssociesAnciens())
                Ecrire(session, "KOLMIKV1", associes.fields, associe);
            db::CreateTable(session, db::ALIAS_DOSSIER, Courante("KOLMIKV2", index));
            session.connection().Execute(
                "INSERT INTO KOLMIKV2 (IsDeduction, Designation, MontantBIC) VALUES (1, 'Frais de siège', 1200)");
            if (version.donnees.value_or(0) < 0x11410) {
                CreerMouvementsAnciens(session, index);
            } else {
                for (const char* table : {"KOLMIKVM", "KOLMIKVP", "KOLMIKVA"})
                    db::CreateTable(session, db::ALIAS_DOSSIER, Courante(table, index));
            }
            if (version.structure >= 0x10517)
                for (const char* table : {"KOLMIKV3", "KOLMIKVS"})
                    db::CreateTable(session, db::ALIAS_DOSSIER, Courante(table, index));
        });
    }
    environment::CGestTRPIni parametres(repertoire.string());
    parametres.SetAssInteger(store::kServiceStructure, store::kCleMigrations, static_cast<int>(version.structure));
    if (version.donnees)
        parametres.SetAssInteger(store::kServiceDonnees, store::kCleMigrations, static_cast<int>(*version.donnees));
}

}  // namespace kvarn::testing_support
