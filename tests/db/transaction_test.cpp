// Transactions around loops of posts: nesting, what stays when an error stops the loop, and
// rollbacks seen by the components.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"
#include "db/transaction.hpp"

namespace kvarn::db::testing {
namespace {

void PostMovements(CTable& table, int count) {
    for (int i = 0; i < count; ++i) {
        table.Append();
        table.FieldByName("TypeMouvement").SetAsInteger(i);
        table.Post();
    }
}

TEST_F(DossierTest, AnErrorInsideTheLoopKeepsWhatWasPosted) {
    auto table = OpenTable("KOLMIKVM");
    try {
        Transaction transaction(*session_);
        PostMovements(*table, 3);
        table->Append();
        table->FieldByName("TypeMouvement").SetAsInteger(40000);  // out of a Short's range
        table->Post();
    } catch (const DbError&) {
        // the module reports it and goes on: the run stays as far as it got
    }
    table->Cancel();
    EXPECT_EQ(Count("KOLMIKVM"), 3);
    EXPECT_FALSE(session_->connection().InTransaction());
}

TEST_F(DossierTest, NestedTransactionsJoinTheOutermost) {
    auto table = OpenTable("KOLMIKVM");
    {
        Transaction outer(*session_);
        PostMovements(*table, 2);
        {
            Transaction inner(*session_);
            PostMovements(*table, 2);
            inner.Commit();
        }
        EXPECT_TRUE(session_->connection().InTransaction());
        outer.Rollback();
    }
    EXPECT_EQ(Count("KOLMIKVM"), 0);
    EXPECT_EQ(table->RecordCount(), 0);  // the component sees the rollback
}

TEST_F(DossierTest, AnInnerRollbackUndoesOnlyItsOwnWork) {
    auto table = OpenTable("KOLMIKVM");
    {
        Transaction outer(*session_);
        PostMovements(*table, 2);
        {
            Transaction inner(*session_);
            PostMovements(*table, 5);
            inner.Rollback();
        }
        EXPECT_EQ(table->RecordCount(), 2);
    }
    EXPECT_EQ(Count("KOLMIKVM"), 2);
}

TEST_F(DossierTest, OutsideATransactionEveryPostIsCommitted) {
    auto table = OpenTable("KOLMIKVM");
    PostMovements(*table, 2);
    EXPECT_FALSE(session_->connection().InTransaction());
    table->Close();
    session_->Close();
    Session other;  // a new connection sees only what was committed
    other.OpenDossier(dossier_);
    CTable reader(other);
    reader.SetDatabaseName(ALIAS_DOSSIER);
    reader.SetTableName("KOLMIKVM");
    reader.Open();
    EXPECT_EQ(reader.RecordCount(), 2);
}

}  // namespace
}  // namespace kvarn::db::testing
