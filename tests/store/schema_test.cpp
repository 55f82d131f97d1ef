// The dossier's schema: the tables created hold exactly their stored fields, in order, with
// their types and widths; calculated fields are never stored; missing tables are created by
// suffix.
#include "db/catalogue.hpp"
#include "db/errors.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "store/schema.hpp"
#include "store/tables.hpp"
#include "support/files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace kvarn::store {
namespace {

class Schema : public ::testing::Test {
protected:
    void SetUp() override {
        session_.OpenDossier(testing_support::FreshDirectory("schema"));
        session_.AttachTemporary(testing_support::FreshDirectory("prive") / "tmp.sqlite");
        CreateDossierTables(session_);
        CreateWorkingTables(session_);
    }
    std::string SchemaOf(const TableSpec& table) {
        return session_.SchemaOfAlias(AliasName(table.alias));
    }
    db::Session session_;
};

std::vector<const TableSpec*> AllTables() {
    std::vector<const TableSpec*> tables;
    for (const TableSpec& table : PermanentTables()) tables.push_back(&table);
    for (const TableSpec& table : WorkingTables()) tables.push_back(&table);
    return tables;
}

// Every table written out by hand, apart from the data that creates it: name:type in declaration
// order, + the AutoInc key, A and its width for Alpha, B Logical, D Date, L Long, M Money,
// N Number, S Short; = marks a calculated field, which the table never stores.
const std::map<std::string, std::string> kWrittenOut = {
    {"KOLMIKV1",
      "ShIDAssocie:+ Nom:A31 Prenoms:A45 NomMarital:A31 PrenomConjoint:A26 AdrComplmt1:A35 AdrComplmt2:A35 "
      "AdrNoVoie:A5 AdrCmplNoVoie:A3 AdrNomVoie:A35 AdrBP:A6 AdrVille:A35 AdrTel:A17 AdrFax:A17 AdrIDPays:L "
      "DateNaissance:D CPNaissance:A17 LieuNaissance:A31 Qualite:S StatutConjoint:S RegimeMatrimonial:S "
      "SituationFamille:S NoSiret:A14 RegimeImpositionSCI:S PersonnePhysique:S Titre:S NomPatronymique:A31 "
      "=Identite:A50 Profession:A35 CleRepartition:L BeneficeSaisi:L PVLTSaisi:L NbParts:N NbPartsU:N "
      "NbPartsN:N ExoTVA:B IDPaysNaissance:L Concerne2065:B AnneeVersement1:S AnneeVersement2:S "
      "NbPartsSocialesAnnee1:N NbPartsSocialesAnnee2:N TraitementsAnnee1:N TraitementsAnnee2:N "
      "IndemniteFraisMissionA1:N IndemniteFraisMissionA2:N RembourstFraisMissionA1:N "
      "RembourstFraisMissionA2:N IndemniteAutresAnnee1:N IndemniteAutresAnnee2:N RembourstAutresAnnee1:N "
      "RembourstAutresAnnee2:N PartBenefice:N PartPlusValues:N BICouMeuble:A1 PartRevenusValeurs:N "
      "PartImpotVerse:N PartResultatNumerateur:L PartResultatDenominateur:L CorrPVLT:N "
      "NbHeureTravaillesConjoint:S Remuneration:N RFPartAssocieForce:N Honoraires:N TaxeProf:N CSGDeduc:N "
      "FraisVehiculesReels:N ChgSocPersoOblig:N ChgSocPersoFacult:N FraisFi:N NbEx_Edition:S "
      "PourcentagePartAssoForce:N RemDiverseProdFinancier:N PVRevenantAssocie:N PVDifferee:B "
      "ResultatBICSaisi:L ResultatBASaisi:L DateCessionParts:D IdentiteCessionParts:A50 DateCessionParts2:D "
      "IdentiteCessionParts2:A50 DateCessionParts3:D IdentiteCessionParts3:A50 DateCessionParts4:D "
      "IdentiteCessionParts4:A50 NonCGANumerateurProrata:S NonCGADenominateurProrata:S "
      "=PourcentageDetention:N AdrCP:A17 NoIdentFisc:A20 AdrBureauDistrib:A26 AdrCodeInsee:A5 "
      "CodeInseeNaissance:A5 CategorieJuridique:A4 =NomAffichage:A31 =AdresseAffichage:A250 IdComptable:L "
      "IdAdmin:L Holding:B Adr1JanCmplNoVoie:A3 Adr1JanBP:A6 Adr1JanNoVoie:A5 Adr1JanFax:A17 Adr1JanTel:A17 "
      "Adr1JanCP:A17 Adr1JanVille:A35 Adr1JanNomVoie:A35 Adr1JanComplement2:A35 Adr1JanComplement1:A35 "
      "Adr1JanCodeInsee:A5 Adr1JanBureauDistrib:A26 Adr1JanIDPays:L NomIntervGerant:A35 "
      "PrenomIntervGerant:A35 AdrGerantComplement1:A35 AdrGerantComplement2:A35 AdrGerantNoVoie:A5 "
      "AdrGerantCpltNoVoie:A5 AdrGerantNomVoie:A35 AdrGerantCP:A17 AdrGerantVille:A35 AdrGerantBP:A6 "
      "=IdentiteComplete:A250 =NbPartsPPFinExo:N =NbPartsUFinExo:N =NbPartsNPFinExo:N DateEntreeSCI:D "
      "DateSortieSCI:D NbDroitsADividendes:N NbDroitsDeVote:N AdherentOga:B DateAdhesionOga:D "
      "NumAdherentOga:A70 IdOga:L AbandonsSaisi:L PseudoSiret:A14 IDSP:A14"},
    {"KOLMIKV2",
      "IdDiversFisc:+ IsDeduction:B Designation:A30 MontantBIC:L MontantBA:L MontantBNC:L"},
    {"KOLMIKV3",
      "AutoID:+ IdDiversFisc:L IsDeduction:B IdAssocie:L =Designation:A30 =Total:L =ValeurCalcule:L "
      "ValeurSaisi:L EstPourBA:B"},
    {"KOLMIKVM",
      "AutoID:+ DateMouvement:D TypeMouvement:S IDCedant:L"},
    {"KOLMIKVP",
      "AutoID:+ IdMouv:L IdAsso:L NbPartsPPAug:N NbPartsPPDim:N NbPartsNPAug:N NbPartsNPDim:N NbPartsUAug:N "
      "NbPartsUDim:N =NomAsso:A100 =NbPartsNPAvant:N =NbPartsPPAvant:N =NbPartsUAvant:N"},
    {"KOLMIKVA",
      "AutoID:+ IdMouv:L IdNP:L IdU:L NbU:N =NomAsso:A100"},
    {"KOLMIKVS",
      "IDAssocie:L RaisonSociale:A35 Activite:A35 AdrCmplt1:A35 AdrCmplt2:A35 AdrNoVoie:A5 "
      "AdrCmpltNoVoie:A3 AdrNomVoie:A35 AdrBP:A6 AdrCP:A17 AdrVille:A31 AdrPays:L AssoFonctionDansEnt:B "
      "Fonction:A35 AssoADuCapitalDansEnt:B MontantCapital:N NbDroitsDeVote:N PourcentageDroitsDeVote:N "
      "NbDroitsADividendes:N PourcentageDroitsADiv:N =NomAffichage:A80"},
    {"MouvementKV",
      "AutoID:+ IDAssocie:L Nom:A50 PersonnePhysique:S DesignationAsso:A250 NbParts:N NbPartsU:N NbPartsN:N "
      "NbPartsPPMouv:N NbPartsUMouv:N NbPartsNPMouv:N NbPartsPPFin:N NbPartsUFin:N NbPartsNPFin:N Montant:M "
      "MontantDeb:M"},
    {"SyntheseMouvementKV",
      "AutoID:+ IdMouvement:L IdDetailMouvement:L DateMouvement:D TypeMouvement:L IdAssocie:L EstCedant:B "
      "PartsPP:N PartsU:N PartsNP:N"},
};

std::string Described(const char* name, db::FieldType type, int size) {
    static const char* const codes[] = {"A", "N", "M", "D", "S", "L", "B", "+"};
    return std::string(name) + ":" + codes[static_cast<int>(type)] + (size ? std::to_string(size) : "");
}

class EveryTable : public Schema, public ::testing::WithParamInterface<const TableSpec*> {};

TEST_P(EveryTable, IsDeclaredAndCreatedAsWrittenOut) {
    const TableSpec& spec = *GetParam();
    std::istringstream words(kWrittenOut.at(spec.name));
    std::string declared, created, expected, expectedStored;
    for (std::string word; words >> word;) {
        expected += word + " ";
        if (word[0] != '=') expectedStored += word + " ";
    }
    for (const FieldSpec& field : spec.fields)
        declared += (field.calculated ? "=" : "") + Described(field.name, field.column.type, field.column.size) + " ";
    for (const db::FieldDef& field : db::ReadFields(session_.connection(), SchemaOf(spec), spec.name))
        created += Described(field.name.c_str(), field.type, field.size) + " ";
    EXPECT_EQ(declared, expected);
    EXPECT_EQ(created, expectedStored);
}

TEST_P(EveryTable, HasItsNamedIndexesWithTheFrenchOrderOnTexts) {
    const TableSpec& spec = *GetParam();
    const auto indexes = db::ReadIndexes(session_.connection(), SchemaOf(spec), spec.name);
    ASSERT_EQ(indexes.size(), spec.indexes.size());
    for (const IndexSpec& expected : spec.indexes) {
        const db::IndexDef* index = db::FindIndex(indexes, expected.name);
        ASSERT_NE(index, nullptr) << expected.name;
        EXPECT_EQ(index->fields, db::SplitFieldList(expected.fields));
        EXPECT_EQ(index->unique, expected.unique);
    }
}

std::string TableName(const ::testing::TestParamInfo<const TableSpec*>& table) { return table.param->name; }

INSTANTIATE_TEST_SUITE_P(Dossier, EveryTable, ::testing::ValuesIn(AllTables()), TableName);

// That a view keeps only stored columns of its table, with their types and never wider, is
// checked by the compiler (schema.cpp); its narrower widths by the data module's components
// (composants_test.cpp), and the reading at those widths by the engine's (links_events_test.cpp).
TEST(SchemaData, ViewsAreFoundByNameWithoutRegardToCase) {
    EXPECT_NE(FindComponentSpec("TBLASSOCIESKVTRAITEMENT"), nullptr);
    EXPECT_EQ(FindComponentSpec("tblInconnu"), nullptr);
}

class Suffixes : public Schema, public ::testing::WithParamInterface<const char*> {};

TEST_P(Suffixes, AMissingTableIsCreatedInTheCurrentLayoutAndAnExistingOneKept) {
    const TableSpec* spec = FindTableOfSuffix(GetParam());
    ASSERT_NE(spec, nullptr);
    session_.connection().Execute("INSERT INTO " + std::string(spec->name) + " DEFAULT VALUES");
    EXPECT_FALSE(CreateMissingTable(session_, GetParam()));
    db::Statement rows(session_.connection().Handle(), "SELECT count(*) FROM " + std::string(spec->name));
    ASSERT_TRUE(rows.Step());
    EXPECT_EQ(rows.ColumnInteger(0), 1);
    rows.Reset();
    session_.connection().Execute("DROP TABLE " + std::string(spec->name));
    EXPECT_FALSE(session_.TableExists(db::ALIAS_DOSSIER, spec->name));
    EXPECT_TRUE(CreateMissingTable(session_, GetParam()));
    EXPECT_TRUE(session_.TableExists(db::ALIAS_DOSSIER, spec->name));
    EXPECT_EQ(db::ReadIndexes(session_.connection(), "main", spec->name).size(), spec->indexes.size());
}

INSTANTIATE_TEST_SUITE_P(HostCopy, Suffixes,
                         ::testing::Values("kv1", "kv2", "kvm", "kv3", "kvp", "kva", "KVS"));

TEST_F(Schema, AnUnknownSuffixIsRefused) {
    EXPECT_THROW(CreateMissingTable(session_, "kvn"), db::DbError);
    EXPECT_EQ(FindTableOfSuffix(""), nullptr);
}

TEST_F(Schema, CreatingTheTablesAgainKeepsThemAsTheyAre) {
    session_.connection().Execute("INSERT INTO KOLMIKV2 (Designation) VALUES ('Frais')");
    CreateDossierTables(session_);
    db::Statement rows(session_.connection().Handle(), "SELECT Designation FROM KOLMIKV2");
    ASSERT_TRUE(rows.Step());
    EXPECT_EQ(rows.ColumnText(0), "Frais");
    rows.Reset();
}

}  // namespace
}  // namespace kvarn::store
