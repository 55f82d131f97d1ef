// Locate with its options, named indexes, the French order of names, and the row's key after a
// post under another order.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"

namespace kvarn::db::testing {
namespace {

class NamedRows : public DossierTest {
protected:
    void SetUp() override {
        DossierTest::SetUp();
        table_ = OpenTable("KOLMIKV1", "idxRaisonSociale");
        for (const auto& [nom, prenoms] : std::vector<std::pair<const char*, const char*>>{
                 {"Fabre", "Paul"}, {"émile", "Zoé"}, {"Durand", "Marc"}, {"Émile", "Anne"},
                 {"dupont", ""}, {"Zola", "Émile"}, {"Eve", "Lise"}, {"DURAND", "Alain"}})
            keys_[std::string(nom) + "/" + prenoms] = AddAssocie(*table_, nom, prenoms);
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (table_->First(); !table_->Eof(); table_->Next())
            names.push_back(table_->FieldByName("Nom").AsString() + "/" +
                            table_->FieldByName("Prenoms").AsString());
        return names;
    }
    std::unique_ptr<CTable> table_;
    std::map<std::string, int> keys_;
};

TEST_F(NamedRows, NamesSortInFrenchOrderWithoutRegardToCase) {
    // Case is ignored: "DURAND" and "Durand" sort on their first names; accents come second:
    // "émile" and "Émile" sort together after "Durand" and before "Eve" and "Fabre".
    EXPECT_EQ(Names(), (std::vector<std::string>{"dupont/", "DURAND/Alain", "Durand/Marc", "Émile/Anne",
                                                 "émile/Zoé", "Eve/Lise", "Fabre/Paul", "Zola/Émile"}));
}

struct LocateCase {
    const char* name;
    const char* fields;
    std::vector<Value> values;
    LocateOptions options;
    const char* found;  // "Nom/Prenoms" of the row reached, nullptr when none
};

class Locating : public NamedRows, public ::testing::WithParamInterface<LocateCase> {};

TEST_P(Locating, FindsTheFirstMatchingRowInTheCurrentOrder) {
    table_->Last();
    const std::string before = table_->FieldByName("Nom").AsString();
    const bool found = table_->Locate(GetParam().fields, GetParam().values, GetParam().options);
    EXPECT_EQ(found, GetParam().found != nullptr);
    if (found) {
        EXPECT_EQ(table_->FieldByName("Nom").AsString() + "/" + table_->FieldByName("Prenoms").AsString(),
                  GetParam().found);
        EXPECT_FALSE(table_->Eof());
    } else {
        EXPECT_EQ(table_->FieldByName("Nom").AsString(), before);  // no move
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, Locating,
    ::testing::Values(
        LocateCase{"Exact", "Nom", {"Durand"}, {}, "Durand/Marc"},
        LocateCase{"ExactIsCaseSensitive", "NOM", {"durand"}, {}, nullptr},
        LocateCase{"CaseInsensitiveTakesFirstInOrder", "nom", {"durand"}, {true, false}, "DURAND/Alain"},
        LocateCase{"CaseInsensitiveKeepsAccents", "Nom", {"EMILE"}, {true, false}, nullptr},
        LocateCase{"CaseInsensitiveAccented", "Nom", {"ÉMILE"}, {true, false}, "Émile/Anne"},
        LocateCase{"Partial", "Nom", {"Du"}, {false, true}, "Durand/Marc"},
        LocateCase{"PartialIsCaseSensitive", "Nom", {"du"}, {false, true}, "dupont/"},
        LocateCase{"PartialCaseInsensitive", "Nom", {"dUR"}, {true, true}, "DURAND/Alain"},
        LocateCase{"PartialNeedsTheWholeValue", "Nom", {"Durands"}, {false, true}, nullptr},
        LocateCase{"TwoFields", "NOM;PRENOMS", {"Durand", "Marc"}, {}, "Durand/Marc"},
        LocateCase{"TwoFieldsNoMatch", "Nom;Prenoms", {"Durand", "Alain"}, {}, nullptr},
        LocateCase{"EmptyTextFindsNull", "Nom;Prenoms", {"dupont", ""}, {}, "dupont/"},
        LocateCase{"NullValue", "Prenoms", {Value()}, {}, "dupont/"},
        LocateCase{"Key", "SHIDASSOCIE", {3}, {}, "Durand/Marc"},
        LocateCase{"KeyAsText", "ShIDAssocie", {"6"}, {}, "Zola/Émile"},
        LocateCase{"KeyOutOfRange", "ShIDAssocie", {99}, {}, nullptr}),
    NomDuCas());

TEST_F(NamedRows, LocateRefusesAMismatchOfFieldsAndValuesAndWrongTypes) {
    EXPECT_THROW(table_->Locate("Nom;Prenoms", std::vector<Value>{"Durand"}), DbError);
    EXPECT_THROW(table_->Locate("Inconnu", "x"), DbError);
    EXPECT_THROW(table_->Locate("Nom", 5), ValeurRefusee);  // a value of another type than the field's
    EXPECT_THROW(table_->Locate("ShIDAssocie", "cinq"), ValeurRefusee);
}

TEST_F(NamedRows, ThePostedRowKeepsItsKeyAndTheCursorWhereverTheOrderPutsIt) {
    table_->First();
    const int key = AddAssocie(*table_, "Dubois", "Jean");
    EXPECT_EQ(key, 9);
    EXPECT_EQ(table_->FieldByName("ShIDAssocie").AsInteger(), 9);
    EXPECT_EQ(table_->FieldByName("Nom").AsString(), "Dubois");
    EXPECT_EQ(table_->RecNo(), 1);  // before "dupont"
    table_->Next();
    EXPECT_EQ(table_->FieldByName("Nom").AsString(), "dupont");
    // Renaming moves the row in the order; the cursor moves with it.
    ASSERT_TRUE(table_->Locate("Nom", "Fabre"));
    table_->Edit();
    table_->FieldByName("Nom").SetAsString("Aaron");
    table_->Post();
    EXPECT_EQ(table_->RecNo(), 1);
    table_->Next();
    EXPECT_EQ(table_->FieldByName("Nom").AsString(), "Dubois");
}

TEST_F(NamedRows, ChangingTheIndexKeepsTheCurrentRow) {
    ASSERT_TRUE(table_->Locate("Nom", "Zola"));
    EXPECT_EQ(table_->RecNo(), 8);
    table_->SetIndexName("IDXASSOCIES");
    EXPECT_EQ(table_->FieldByName("Nom").AsString(), "Zola");
    EXPECT_EQ(table_->RecNo(), 6);
    EXPECT_THROW(table_->SetIndexName("idxInconnu"), DbError);
    EXPECT_EQ(table_->IndexName(), "IDXASSOCIES");
    table_->SetIndexName("");
    EXPECT_EQ(table_->RecNo(), 6);
}

struct IndexCase {
    const char* table;
    const char* schema;
    const char* index;
    const char* fields;  // as the catalogue reads them back
};

class IndexNames : public DossierTest, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(IndexNames, CompareWithoutRegardToCaseAndCarryTheirFields) {
    const IndexCase& c = GetParam();
    auto table = OpenTable(c.table, c.index);
    std::string lower = c.index;
    for (char& letter : lower) letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    table->SetIndexName(lower);
    const std::vector<IndexDef> indexes = ReadIndexes(session_->connection(), c.schema, c.table);
    const IndexDef* index = FindIndex(indexes, c.index);
    ASSERT_NE(index, nullptr);
    std::string fields;
    for (const std::string& field : index->fields) fields += (fields.empty() ? "" : ";") + field;
    EXPECT_EQ(fields, c.fields);
}

INSTANTIATE_TEST_SUITE_P(Schema, IndexNames,
                         ::testing::Values(IndexCase{"KOLMIKV1", "main", "IDXRAISONSOCIALE", "Nom;Prenoms"},
                                           IndexCase{"KOLMIKVA", "main", "idxMouvAsso", "IdMouv;IdNP;IdU"},
                                           IndexCase{"MouvementKV", "ZOR_TMP", "idxTRI", "PersonnePhysique;Nom"}));

TEST_F(DossierTest, MovementsSortByDateThenByEntry) {
    auto table = OpenTable("KOLMIKVM", "idxTri");
    for (const char* date : {"15/03/2024", "01/02/2024", "15/03/2024", "31/12/2023"}) {
        table->Append();
        table->FieldByName("DateMouvement").SetAsString(date);
        table->Post();
    }
    std::vector<int> ids;
    for (table->First(); !table->Eof(); table->Next()) ids.push_back(table->FieldByName("AutoID").AsInteger());
    EXPECT_EQ(ids, (std::vector<int>{4, 2, 1, 3}));
}

TEST_F(DossierTest, AUniqueIndexRefusesADuplicateAndKeepsTheRowInInsertion) {
    auto table = OpenTable("MouvementKV", "idxIDAssocie");
    table->Append();
    table->FieldByName("IDAssocie").SetAsInteger(7);
    table->Post();
    table->Append();
    table->FieldByName("IDAssocie").SetAsInteger(7);
    EXPECT_THROW(table->Post(), ContrainteViolee);
    EXPECT_EQ(table->State(), DataSetState::Insert);
    table->FieldByName("IDAssocie").SetAsInteger(8);
    table->Post();
    EXPECT_EQ(Count("ZOR_TMP.MouvementKV"), 2);
}

}  // namespace
}  // namespace kvarn::db::testing
