#include "dossier_fixture.hpp"

#include "db/catalogue.hpp"
#include "db/field_type.hpp"
#include "store/tables.hpp"

namespace kvarn::db::testing {

void DossierTest::SetUp() {
    dossier_ = FreshDirectory("dossier");
    tmpFile_ = FreshDirectory("prive") / "kvarn-tmp.sqlite";
    session_ = std::make_unique<Session>();
    session_->OpenDossier(dossier_);
    session_->AttachTemporary(tmpFile_);
    store::CreateDossierTables(*session_);
    store::CreateWorkingTables(*session_);
}

void DossierTest::TearDown() { session_.reset(); }

std::unique_ptr<CTable> DossierTest::OpenTable(const std::string& name, const std::string& index) {
    const bool working = name == "MouvementKV" || name == "SyntheseMouvementKV";
    auto table = Component(*session_, working ? ALIAS_TMP : ALIAS_DOSSIER, name);
    table->SetIndexName(index);
    table->Open();
    return table;
}

std::vector<std::string> DossierTest::Column(const std::string& sql) {
    Statement statement(session_->connection().Handle(), sql);
    std::vector<std::string> values;
    while (statement.Step()) values.emplace_back(statement.ColumnText(0));
    statement.Reset();
    return values;
}

std::string DossierTest::Scalar(const std::string& sql) {
    const auto values = Column(sql);
    return values.empty() ? std::string("<aucune ligne>") : values.front();
}

long long DossierTest::Count(const std::string& table) {
    return std::stoll(Scalar("SELECT count(*) FROM " + table));
}

std::unique_ptr<CTable> Component(Session& session, const char* alias, const std::string& table) {
    auto component = std::make_unique<CTable>(session);
    component->SetDatabaseName(alias);
    component->SetTableName(table);
    return component;
}

std::unique_ptr<CTable> OpenAssocies(Session& session) {
    auto table = Component(session, ALIAS_DOSSIER, "KOLMIKV1");
    table->Open();
    return table;
}

int AddAssocie(CTable& table, const std::string& nom, const std::string& prenoms) {
    table.Append();
    table.FieldByName("Nom").SetAsString(nom);
    table.FieldByName("Prenoms").SetAsString(prenoms);
    table.Post();
    return table.FieldByName("ShIDAssocie").AsInteger();
}

void PopulatedDossier::SetUp() {
    DossierTest::SetUp();
    Connection& db = session_->connection();
    db.Execute(
        "INSERT INTO KOLMIKV1 (Nom, Prenoms, Qualite, RegimeImpositionSCI, NbParts, NbPartsU, NbPartsN,"
        " BeneficeSaisi, PVLTSaisi, AdrCP, AdrVille, Adr1JanCP, Adr1JanVille, Adr1JanIDPays) VALUES"
        " ('Durand', 'Jean', 1, 0, 10, NULL, 5, 100, 20, '75011', 'PARIS', '69001', 'LYON', 76),"
        " ('Martin', 'Lucie', 10, 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),"
        " ('Petit', 'Paul', 9, 3, NULL, 5, NULL, NULL, 4, NULL, NULL, NULL, 'NICE', NULL),"
        " ('Roux', 'Anne', 2, NULL, 3, NULL, NULL, 7, NULL, '13001', 'MARSEILLE', NULL, NULL, NULL),"
        " ('Blanc', 'Luc', 1, 4, 2, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
    db.Execute(
        "INSERT INTO KOLMIKV2 (IsDeduction, Designation, MontantBIC, MontantBA, MontantBNC) VALUES"
        " (1, 'Frais', 100, NULL, 50), (0, 'True', 200, 30, NULL), (1, 'L''apport', NULL, 40, NULL),"
        " (1, 'Loyer', 10, NULL, NULL)");
    db.Execute(
        "INSERT INTO KOLMIKV3 (IdDiversFisc, IsDeduction, IdAssocie, EstPourBA, ValeurSaisi) VALUES"
        " (1, 1, 5, 0, 10), (1, 1, 5, 1, NULL), (2, 0, 5, 0, NULL), (9, 1, 5, 0, NULL),"
        " (4, 1, 3, 0, NULL), (3, 1, 5, NULL, NULL)");
    // The older model: the ceded parts on the movement, the transferees in KOLMIKVN.
    Component(*session_, ALIAS_DOSSIER, "KOLMIKVM")->AddField(1, "PartsCedees", CODE_NUMBER, 0, 0, false);
    CreateTable(*session_, ALIAS_DOSSIER,
                {"KOLMIKVN",
                 {{"AutoID", FieldType::AutoInc, 0, false}, {"IdMouvement", FieldType::Long, 0, false},
                  {"IdCessionnaire", FieldType::Long, 0, false}, {"NombrePart", FieldType::Number, 0, false},
                  {"TypeParts", FieldType::Short, 0, false}},
                 {}});
    db.Execute(
        "INSERT INTO KOLMIKVM (DateMouvement, TypeMouvement, IDCedant, PartsCedees) VALUES"
        " ('2024-03-15', 1, 1, 5), ('2024-04-01', 6, 2, NULL), ('2024-05-01', 0, NULL, NULL),"
        " ('2024-06-01', 4, 1, 3)");
    db.Execute("INSERT INTO KOLMIKVN (IdMouvement, IdCessionnaire, NombrePart, TypeParts) VALUES"
               " (4, 2, 3, 1), (1, 2, 5, 2)");
    db.Execute(
        "INSERT INTO KOLMIKVP (IdMouv, IdAsso, NbPartsNPAug, NbPartsNPDim, NbPartsPPAug, NbPartsPPDim) VALUES"
        " (1, 2, 5, NULL, NULL, NULL), (1, 1, NULL, 5, NULL, NULL), (2, 4, NULL, NULL, 3, NULL),"
        " (3, 5, NULL, NULL, NULL, 2), (3, 4, NULL, NULL, NULL, NULL)");
    db.Execute("INSERT INTO KOLMIKVA (IdMouv, IdNP, IdU, NbU) VALUES"
               " (0, 1, 3, 5), (0, 4, 3, 2), (1, 2, 3, 5), (1, 1, 5, 1), (7, 2, 5, 1), (3, 4, 1, 0)");
    db.Execute("INSERT INTO ZOR_TMP.MouvementKV (IDAssocie, Nom, NbPartsN, NbPartsUFin) VALUES"
               " (1, 'Durand', 5, 0), (4, 'Roux', 0, 2), (3, 'Petit', NULL, 5)");
    db.Execute("INSERT INTO ZOR_TMP.SyntheseMouvementKV (IdMouvement, IdDetailMouvement, PartsPP) VALUES"
               " (1, 1, 5), (1, 2, -5), (2, 3, 3)");
}

}  // namespace kvarn::db::testing
