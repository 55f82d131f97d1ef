// The dossier's files: aliases and table names, the journal settings, damaged files refused
// untouched, a second process kept out, and a process killed in the middle of its work.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"
#include "db/transaction.hpp"
#include "store/tables.hpp"
#include "support/child.hpp"

#include <chrono>
#include <csignal>
#include <functional>
#include <iterator>

#include <sqlite3.h>

#include <sys/wait.h>

namespace kvarn::db::testing {
namespace {

using kvarn::testing_support::ReadBytes;
using kvarn::testing_support::WriteBytes;

TEST_F(DossierTest, TableNamesIgnoreCaseAndTheDbSuffix) {
    for (const char* name : {"kolmikv1.db", "KOLMIKV1.DB", "KOLMIKV1", "KolmiKV1"}) {
        EXPECT_TRUE(session_->TableExists(ALIAS_DOSSIER, name)) << name;
        auto table = OpenTable(name);
        EXPECT_EQ(table->FieldCount(), 129) << name;
    }
    EXPECT_TRUE(session_->TableExists(ALIAS_TMP, "mouvementkv.db"));
    EXPECT_FALSE(session_->TableExists(ALIAS_DOSSIER, "MouvementKV"));
    EXPECT_FALSE(session_->TableExists(ALIAS_DOSSIER, "KOLMIKVN"));
    EXPECT_THROW(session_->TableExists("ZOR_COMMUN", "KOLMIKV1"), DbError);
}

TEST_F(DossierTest, TheDossierIsWrittenWithARollbackJournalAndFullSync) {
    EXPECT_EQ(Scalar("PRAGMA main.journal_mode"), "truncate");
    EXPECT_EQ(Scalar("PRAGMA main.locking_mode"), "exclusive");
    EXPECT_EQ(Scalar("PRAGMA main.synchronous"), "2");
    EXPECT_TRUE(std::filesystem::exists(dossier_ / "kvarn.sqlite"));
    auto table = OpenTable("KOLMIKV1");
    AddAssocie(*table, "A");
    session_->Close();
    EXPECT_FALSE(table->Active());  // closing the session closed its components
    EXPECT_EQ(std::vector<std::filesystem::path>(std::filesystem::directory_iterator(dossier_), {}),
              std::vector<std::filesystem::path>{dossier_ / "kvarn.sqlite"});
}

// The file is a plain SQLite database: nothing of the engine's (collation, function) is named in
// its schema, so any SQLite program checks and writes it. A dossier whose name indexes named the
// engine's French collation, as they once did, is brought to that form when it opens.
class PlainFile : public DossierTest, public ::testing::WithParamInterface<bool> {};

std::string RunPlain(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string result;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    char* error = nullptr;
    sqlite3_exec(db, sql.c_str(), [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) += values[0] ? values[0] : "";
        return 0;
    }, &result, &error);
    if (error) result = std::string("erreur : ") + error;
    sqlite3_free(error);
    sqlite3_close(db);
    return result;
}

TEST_P(PlainFile, IsCheckedAndWrittenByAnySqliteAndKeepsTheFrenchOrder) {
    auto table = OpenTable("KOLMIKV1", "idxRaisonSociale");
    for (const char* nom : {"Fabre", "émile", "Durand"}) AddAssocie(*table, nom);
    table.reset();
    if (GetParam()) {
        session_->connection().Execute(
            "DROP INDEX \"KOLMIKV1$idxRaisonSociale\"; CREATE INDEX \"KOLMIKV1$idxRaisonSociale\" ON KOLMIKV1 "
            "(Nom COLLATE FRENCH_CI, Prenoms COLLATE FRENCH_CI)");
        session_->OpenDossier(dossier_);  // the older layout is brought to the plain one here
    }
    session_->Close();
    EXPECT_EQ(RunPlain(dossier_ / "kvarn.sqlite", "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(RunPlain(dossier_ / "kvarn.sqlite", "UPDATE KOLMIKV1 SET Nom='dubois' WHERE Nom='Fabre'"), "");
    session_->OpenDossier(dossier_);
    table = OpenTable("KOLMIKV1", "idxRaisonSociale");
    std::vector<std::string> names;
    for (table->First(); !table->Eof(); table->Next()) names.push_back(table->FieldByName("Nom").AsString());
    EXPECT_EQ(names, (std::vector<std::string>{"dubois", "Durand", "émile"}));
}

INSTANTIATE_TEST_SUITE_P(NewAndOlderLayout, PlainFile, ::testing::Bool());

TEST(Session, AMissingDossierDirectoryIsRefused) {
    Session session;
    EXPECT_THROW(session.OpenDossier(FreshDirectory("absent") / "nulle-part"), DbError);
    EXPECT_FALSE(session.Active());
}

// Damaged files: each is refused with its name in the message, and left byte for byte as it was.
struct Damage {
    const char* name;
    std::string (*spoil)(std::string bytes);
};

class DamagedFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedFile, IsRefusedWithItsNameAndLeftUntouched) {
    const auto dir = FreshDirectory("abime");
    {
        Session session;
        session.OpenDossier(dir);
        store::CreateDossierTables(session);
        auto table = OpenAssocies(session);
        Transaction transaction(session);
        for (int i = 0; i < 300; ++i) AddAssocie(*table, "Associé numéro " + std::to_string(i));
    }
    const auto file = dir / "kvarn.sqlite";
    WriteBytes(file, GetParam().spoil(ReadBytes(file)));
    const std::string before = ReadBytes(file);
    const auto modified = std::filesystem::last_write_time(file);

    Session session;
    try {
        session.OpenDossier(dir);
        FAIL() << "opened a damaged file";
    } catch (const FichierEndommage& error) {
        EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(std::filesystem::last_write_time(file), modified);
    EXPECT_FALSE(std::filesystem::exists(dir / "kvarn.sqlite-journal"));
    // The file is not held: a repaired dossier can be opened at once.
    std::filesystem::remove(file);
    EXPECT_NO_THROW(session.OpenDossier(dir));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedFile,
    ::testing::Values(Damage{"NotADatabase", [](std::string) { return std::string("[KV]\nMigrations=70916\n"); }},
                      Damage{"HeaderScrambled", [](std::string bytes) { return bytes.replace(3, 1, "X"); }},
                      Damage{"PagesOverwritten",
                             [](std::string bytes) {
                                 for (std::size_t i = 4096 * 2 + 100; i < bytes.size() && i < 4096 * 6; ++i) bytes[i] = '\x5A';
                                 return bytes;
                             }},
                      Damage{"Truncated", [](std::string bytes) { return bytes.substr(0, bytes.size() / 2 + 7); }}),
    NomDuCas());

TEST(Session, ADamagedTemporaryFileIsRefusedToo) {
    const auto dir = FreshDirectory("tmp-abime");
    const auto tmp = FreshDirectory("tmp-prive") / "kvarn-tmp.sqlite";
    WriteBytes(tmp, "pas une base");
    Session session;
    session.OpenDossier(dir);
    EXPECT_THROW(session.AttachTemporary(tmp), DbError);
    EXPECT_EQ(ReadBytes(tmp), "pas une base");
    EXPECT_THROW(session.SchemaOfAlias(ALIAS_TMP), DbError);
}

// Runs `work` in a child process; `work` calls `ready` when the parent may go on, and the child
// then waits to be killed, holding whatever it holds. The child's id, or -1.
pid_t InChild(const std::function<void(const std::function<void()>& ready)>& work) {
    int ends[2];
    if (::pipe(ends) != 0) return -1;
    const pid_t child = testing_support::StartChild([&] {
        work([&] {
            const char byte = 1;
            if (::write(ends[1], &byte, 1) == 1) ::pause();
        });
        return 3;
    });
    ::close(ends[1]);
    char byte = 0;
    const bool told = ::read(ends[0], &byte, 1) == 1;
    ::close(ends[0]);
    return told ? child : -1;
}

void Kill(pid_t child) {
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST(Session, ASecondProcessWaitsABoundedTimeThenIsToldTheDossierIsInUse) {
    const auto dir = FreshDirectory("partage");
    const pid_t holder = InChild([&](const std::function<void()>& ready) {
        Session session;
        session.OpenDossier(dir);
        ready();
    });
    ASSERT_GT(holder, 0);
    Session session("", SessionOptions{std::chrono::milliseconds(300)});
    const auto start = std::chrono::steady_clock::now();
    try {
        session.OpenDossier(dir);
        ADD_FAILURE() << "the dossier was opened twice";
    } catch (const DossierEnCoursUtilisation& error) {
        EXPECT_STREQ(error.what(), "Le dossier est en cours d'utilisation");
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(300));
    EXPECT_LT(waited, std::chrono::milliseconds(3000));
    Kill(holder);
    EXPECT_NO_THROW(session.OpenDossier(dir));
}

// The crash test: a child posts 1,000 associates in one transaction and is killed either before
// or after the commit.
class KilledWriter : public ::testing::TestWithParam<bool> {};

TEST_P(KilledWriter, LeavesTheTableAsBeforeOrWithEveryCommittedRow) {
    const bool commitFirst = GetParam();
    const auto dir = FreshDirectory("crash");
    {
        Session session;
        session.OpenDossier(dir);
        store::CreateDossierTables(session);
        for (int i = 0; i < 5; ++i) AddAssocie(*OpenAssocies(session), "Avant");
    }
    const pid_t child = InChild([&](const std::function<void()>& ready) {
        Session session;
        session.OpenDossier(dir);
        auto table = OpenAssocies(session);
        Transaction transaction(session);
        for (int i = 0; i < 1000; ++i) AddAssocie(*table, "Pendant " + std::to_string(i));
        if (commitFirst) transaction.Commit();
        ready();
    });
    ASSERT_GT(child, 0);
    Kill(child);
    Session session;
    session.OpenDossier(dir);
    EXPECT_EQ(OpenAssocies(session)->RecordCount(), commitFirst ? 1005 : 5);
    Statement check(session.connection().Handle(), "PRAGMA integrity_check");
    ASSERT_TRUE(check.Step());
    EXPECT_EQ(check.ColumnText(0), "ok");
}

INSTANTIATE_TEST_SUITE_P(BeforeAndAfterCommit, KilledWriter, ::testing::Bool());

}  // namespace
}  // namespace kvarn::db::testing
