#include "dossier_fixture.hpp"

#include "store/tables.hpp"

#include <unistd.h>

namespace kvarn::db::testing {

std::filesystem::path FreshDirectory(const std::string& stem) {
    static int counter = 0;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      (stem + "-" + std::to_string(::getpid()) + "-" +
                                       std::to_string(++counter));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

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
    auto table = std::make_unique<CTable>(*session_);
    const bool working = name == "MouvementKV" || name == "SyntheseMouvementKV";
    table->SetDatabaseName(working ? ALIAS_TMP : ALIAS_DOSSIER);
    table->SetTableName(name);
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

int DossierTest::AddAssocie(CTable& table, const std::string& nom, const std::string& prenoms) {
    table.Append();
    table.FieldByName("Nom").SetAsString(nom);
    table.FieldByName("Prenoms").SetAsString(prenoms);
    table.Post();
    return table.FieldByName("ShIDAssocie").AsInteger();
}

}  // namespace kvarn::db::testing
