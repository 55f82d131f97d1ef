// Transactions around loops of posts: what stays when an error stops the loop, nesting, and a
// commit that the disk refuses, which always reaches the code that ended the transaction.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"
#include "db/transaction.hpp"
#include "support/file_size_limit.hpp"

namespace kvarn::db::testing {
namespace {

void PostAssocies(CTable& table, int count) {
    for (int i = 0; i < count; ++i) AddAssocie(table, "Associé numéro " + std::to_string(i), std::string(60, 'x'));
}

using testing_support::FileSizeLimit;

struct Ending {
    const char* name;
    void (*run)(Session&, CTable&);
};

class RefusedCommit : public DossierTest, public ::testing::WithParamInterface<Ending> {};

// 400 associates fill pages past the end of the file, which are written only at the commit.
TEST_P(RefusedCommit, ReachesTheCallerAndWritesNothing) {
    auto table = OpenTable("KOLMIKV1");
    {
        FileSizeLimit full(std::filesystem::file_size(dossier_ / "kvarn.sqlite"));
        EXPECT_THROW(GetParam().run(*session_, *table), DbError);
    }
    EXPECT_FALSE(session_->connection().InTransaction());
    EXPECT_EQ(table->RecordCount(), 0);
    AddAssocie(*table, "Après");  // the connection works on
    table.reset();
    session_->OpenDossier(dossier_);
    EXPECT_EQ(Scalar("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(Column("SELECT Nom FROM KOLMIKV1"), std::vector<std::string>{"Après"});
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayToEnd, RefusedCommit,
    ::testing::Values(Ending{"Commit",
                             [](Session& session, CTable& table) {
                                 Transaction transaction(session);
                                 PostAssocies(table, 400);
                                 transaction.Commit();
                             }},
                      Ending{"EndOfScope",
                             [](Session& session, CTable& table) {
                                 Transaction transaction(session);
                                 PostAssocies(table, 400);
                             }},
                      Ending{"KeepingWhatWasPostedAfterAnError", [](Session& session, CTable& table) {
                                 KeepWhatWasPosted(session, [&] {
                                     PostAssocies(table, 400);
                                     throw DbError("arrêt de la boucle");
                                 });
                             }}),
    [](const auto& param) { return std::string(param.param.name); });

// The module reports an error met in its loop and goes on: the run stays as far as it got. An
// error that leaves the transaction's scope uncaught undoes the whole run.
TEST_F(DossierTest, AnErrorInsideTheLoopKeepsWhatWasPostedOnlyWhenCaughtThere) {
    auto table = OpenTable("KOLMIKV1");
    const auto run = [&](bool keep) {
        const auto loop = [&] {
            PostAssocies(*table, 3);
            table->Append();
            table->FieldByName("Qualite").SetAsInteger(40000);  // out of a Short's range
        };
        if (keep) KeepWhatWasPosted(*session_, loop);
        Transaction transaction(*session_);
        loop();
    };
    EXPECT_THROW(run(false), ValeurRefusee);
    table->Cancel();
    EXPECT_EQ(Count("KOLMIKV1"), 0);
    EXPECT_THROW(run(true), ValeurRefusee);
    table->Cancel();
    EXPECT_EQ(Count("KOLMIKV1"), 3);
    EXPECT_FALSE(session_->connection().InTransaction());
}

TEST_F(DossierTest, NestedTransactionsJoinTheOutermostAndRollBackAlone) {
    auto table = OpenTable("KOLMIKV1");
    {
        Transaction outer(*session_);
        PostAssocies(*table, 2);
        {
            Transaction inner(*session_);
            PostAssocies(*table, 5);
            inner.Rollback();  // undoes only its own rows
        }
        {
            Transaction inner(*session_);
            PostAssocies(*table, 1);
            inner.Commit();
        }
        EXPECT_EQ(table->RecordCount(), 3);
        EXPECT_TRUE(session_->connection().InTransaction());
        outer.Rollback();
    }
    EXPECT_EQ(Count("KOLMIKV1"), 0);
    EXPECT_EQ(table->RecordCount(), 0);  // the component sees the rollback
}

TEST_F(DossierTest, OutsideATransactionEveryPostIsCommitted) {
    auto table = OpenTable("KOLMIKV1");
    PostAssocies(*table, 2);
    EXPECT_FALSE(session_->connection().InTransaction());
    table.reset();
    session_->Close();
    session_->OpenDossier(dossier_);  // a new connection sees only what was committed
    EXPECT_EQ(Count("KOLMIKV1"), 2);
}

}  // namespace
}  // namespace kvarn::db::testing
