// The cursor of a table component: walking, counting, bookmarks, auto-post on move, cancel on
// close, deletion and what other components see.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"

#include <algorithm>
#include <functional>

namespace kvarn::db::testing {
namespace {

class CursorWalk : public DossierTest, public ::testing::WithParamInterface<int> {};

// "Nom@RecNo" of the rows the walk meets, in the order met; `met` sees each row's name first.
std::vector<std::string> Walk(CTable& table, bool forward, const std::function<void(const std::string&)>& met = {}) {
    std::vector<std::string> seen;
    for (forward ? table.First() : table.Last(); !(forward ? table.Eof() : table.Bof());
         forward ? table.Next() : table.Prior()) {
        const std::string nom = table.FieldByName("Nom").AsString();
        seen.push_back(nom + "@" + std::to_string(table.RecNo()));
        if (met) met(nom);
    }
    return seen;
}

TEST_P(CursorWalk, VisitsEveryRowOnceInBothDirections) {
    const int rows = GetParam();
    auto table = OpenTable("KOLMIKV1");
    std::vector<std::string> expected;
    for (int i = 0; i < rows; ++i) {
        AddAssocie(*table, "Associe" + std::to_string(i));
        expected.push_back("Associe" + std::to_string(i) + "@" + std::to_string(i + 1));
    }
    table->Close();
    table->Open();
    EXPECT_EQ(table->RecordCount(), rows);
    EXPECT_EQ(table->IsEmpty(), rows == 0);
    EXPECT_TRUE(table->Bof());
    EXPECT_EQ(table->Eof(), rows == 0);
    EXPECT_EQ(table->RecNo(), rows == 0 ? 0 : 1);

    EXPECT_EQ(Walk(*table, true), expected);
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecNo(), rows);  // Next at the end stays on the last row

    auto reversed = Walk(*table, false);
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(reversed, expected);
    EXPECT_TRUE(table->Bof());
    if (rows == 0) {
        EXPECT_TRUE(table->FieldByName("Nom").IsNull());
        EXPECT_THROW(table->Delete(), DbError);
    }
}

INSTANTIATE_TEST_SUITE_P(EmptyOneAndMany, CursorWalk, ::testing::Values(0, 1, 2, 7));

TEST_F(DossierTest, BookmarksSurviveEditsAndDeletesOfOtherRows) {
    auto table = OpenTable("KOLMIKV1");
    const TBookmark onEmpty = table->GetBookmark();  // a first computation on an empty table
    for (const char* nom : {"A", "B", "C", "D", "E"}) AddAssocie(*table, nom);
    table->GotoBookmark(onEmpty);  // going back to "no row" leaves the cursor where it is
    EXPECT_EQ(table->FieldByName("Nom").AsString(), "E");
    ASSERT_TRUE(table->Locate("Nom", "C"));
    const TBookmark onC = table->GetBookmark();
    ASSERT_TRUE(table->Locate("Nom", "B"));
    const TBookmark onB = table->GetBookmark();

    ASSERT_TRUE(table->Locate("Nom", "C"));
    table->Edit();
    table->FieldByName("Prenoms").SetAsString("aussi");
    table->Post();
    ASSERT_TRUE(table->Locate("Nom", "B"));
    table->Delete();

    table->Last();
    EXPECT_TRUE(table->BookmarkValid(onC));
    table->GotoBookmark(onC);
    EXPECT_EQ(table->FieldByName("Nom").AsString(), "C");
    EXPECT_EQ(table->FieldByName("Prenoms").AsString(), "aussi");
    EXPECT_EQ(table->RecNo(), 2);

    EXPECT_FALSE(table->BookmarkValid(onB));
    EXPECT_THROW(table->GotoBookmark(onB), DbError);
    EXPECT_EQ(table->FieldByName("Nom").AsString(), "C");  // a failed move leaves the cursor
    TBookmark freed = onC;
    table->FreeBookmark(freed);
    EXPECT_FALSE(table->BookmarkValid(freed));
}

// Every move posts a row being edited or inserted.
struct Move {
    const char* name;
    std::function<void(CTable&, const TBookmark&)> run;
};

class AutoPost : public DossierTest, public ::testing::WithParamInterface<Move> {};

TEST_P(AutoPost, MovingPostsTheEditedAndTheInsertedRow) {
    auto table = OpenTable("KOLMIKV1");
    for (const char* nom : {"A", "B", "C"}) AddAssocie(*table, nom);
    table->First();
    const TBookmark first = table->GetBookmark();
    table->Next();
    table->Edit();
    table->FieldByName("Profession").SetAsString("notaire");
    GetParam().run(*table, first);
    EXPECT_EQ(table->State(), DataSetState::Browse);
    EXPECT_EQ(Scalar("SELECT Profession FROM KOLMIKV1 WHERE Nom='B'"), "notaire");

    table->Append();
    table->FieldByName("Nom").SetAsString("Nouveau");
    GetParam().run(*table, first);
    EXPECT_EQ(table->State(), DataSetState::Browse);
    EXPECT_EQ(Count("KOLMIKV1 WHERE Nom='Nouveau'"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMove, AutoPost,
    ::testing::Values(Move{"First", [](CTable& table, const TBookmark&) { table.First(); }},
                      Move{"Next", [](CTable& table, const TBookmark&) { table.Next(); }},
                      Move{"Prior", [](CTable& table, const TBookmark&) { table.Prior(); }},
                      Move{"Last", [](CTable& table, const TBookmark&) { table.Last(); }},
                      Move{"Locate", [](CTable& table, const TBookmark&) { table.Locate("Nom", "A"); }},
                      Move{"GotoBookmark", [](CTable& table, const TBookmark& first) { table.GotoBookmark(first); }}),
    NomDuCas());

TEST_F(DossierTest, CancelAndCloseDropTheEditAndTheNewRow) {
    auto table = OpenTable("KOLMIKV1");
    for (const char* nom : {"A", "B", "C"}) AddAssocie(*table, nom);
    for (const bool inserting : {true, false}) {
        ASSERT_TRUE(table->Locate("Nom", "B"));
        inserting ? table->Insert() : table->Edit();
        table->FieldByName("Nom").SetAsString("X");
        table->Cancel();
        EXPECT_EQ(table->FieldByName("Nom").AsString(), "B");
        inserting ? table->Insert() : table->Edit();
        table->FieldByName("Nom").SetAsString("X");
        table->Close();
        table->Open();
    }
    EXPECT_EQ(Column("SELECT Nom FROM KOLMIKV1"), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(DossierTest, DeleteMovesToTheFollowingRowThenToTheNewLast) {
    auto table = OpenTable("KOLMIKV1");
    for (const char* nom : {"A", "B", "C"}) AddAssocie(*table, nom);
    table->First();
    table->Next();
    table->Delete();
    EXPECT_EQ(table->FieldByName("Nom").AsString(), "C");
    EXPECT_FALSE(table->Eof());
    table->Delete();
    EXPECT_EQ(table->FieldByName("Nom").AsString(), "A");
    EXPECT_TRUE(table->Eof());
    table->Delete();
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_TRUE(table->Bof() && table->Eof());
    EXPECT_EQ(Count("KOLMIKV1"), 0);
}

TEST_F(DossierTest, EditOnAnEmptyTableStartsANewRow) {
    auto table = OpenTable("KOLMIKVM");
    table->Edit();
    EXPECT_EQ(table->State(), DataSetState::Insert);
    table->FieldByName("TypeMouvement").SetAsInteger(2);
    table->Post();
    EXPECT_EQ(Count("KOLMIKVM"), 1);
}

// A walk during which another component or a statement deletes the current row visits the row
// that took its place next, in either direction.
class DeletedUnderTheCursor : public DossierTest, public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(DeletedUnderTheCursor, TheNextMoveVisitsTheRowThatTookItsPlace) {
    const auto [forward, byStatement] = GetParam();
    auto walker = OpenTable("KOLMIKV1");
    auto other = OpenTable("KOLMIKV1");
    for (int i = 0; i < 10; ++i) AddAssocie(*walker, std::to_string(i));
    std::vector<std::string> visited;
    Walk(*walker, forward, [&](const std::string& nom) {
        visited.push_back(nom);
        if (std::stoi(nom) % 3 != 0) return;
        if (byStatement) {
            session_->connection().Execute("DELETE FROM KOLMIKV1 WHERE Nom='" + nom + "'");
        } else {
            ASSERT_TRUE(other->Locate("Nom", nom));
            other->Delete();
        }
    });
    if (!forward) std::reverse(visited.begin(), visited.end());
    EXPECT_EQ(visited, (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(walker->RecordCount(), 6);
}

INSTANTIATE_TEST_SUITE_P(WhichWayAndByWhom, DeletedUnderTheCursor, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST_F(DossierTest, EmptyTableRemovesEveryRowOpenOrClosed) {
    auto table = OpenTable("KOLMIKV1");
    for (const char* nom : {"A", "B"}) AddAssocie(*table, nom);
    table->EmptyTable();
    EXPECT_TRUE(table->IsEmpty() && table->Eof());
    AddAssocie(*table, "C");
    Component(*session_, ALIAS_DOSSIER, "KOLMIKV1")->EmptyTable();
    EXPECT_EQ(table->RecordCount(), 0);
}

TEST_F(DossierTest, NamesCannotChangeWhileOpenAndUnknownTablesAreRefused) {
    auto table = OpenTable("KOLMIKV1");
    EXPECT_THROW(table->SetTableName("KOLMIKV2"), DbError);
    EXPECT_THROW(table->SetDatabaseName(ALIAS_TMP), DbError);
    auto missing = Component(*session_, ALIAS_DOSSIER, "KOLMIKVN.DB");
    EXPECT_FALSE(missing->Exists());
    EXPECT_THROW(missing->Open(), DbError);
    EXPECT_FALSE(missing->Active());
    EXPECT_THROW(missing->SetSessionName("autre"), DbError);
}

// A walk reads its rows ahead in blocks; a row written meanwhile is read again, in any order.
class ReadAhead : public DossierTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReadAhead, NeverShowsAStaleRow) {
    auto writer = OpenTable("KOLMIKV1");
    for (int i = 0; i < 150; ++i) AddAssocie(*writer, "Nom" + std::to_string(1000 - i), std::to_string(i));
    auto reader = OpenTable("KOLMIKV1", GetParam());
    int visited = 0, changedSeen = 0;
    for (reader->First(); !reader->Eof(); reader->Next()) {
        const std::string prenoms = reader->FieldByName("Prenoms").AsString();
        if (++visited > 10) changedSeen += prenoms.ends_with("b") ? 1 : 0;
        if (visited == 10)  // the rows that follow were read ahead: change them all
            session_->connection().Execute("UPDATE KOLMIKV1 SET Prenoms = Prenoms || 'b'");
    }
    EXPECT_EQ(visited, 150);
    EXPECT_EQ(changedSeen, 140);
}

INSTANTIATE_TEST_SUITE_P(KeyAndNameOrder, ReadAhead, ::testing::Values("", "idxRaisonSociale"));

}  // namespace
}  // namespace kvarn::db::testing
