// Structure operations on a populated KOLMIKV1: every row, the other columns' order and values,
// the named indexes and the key sequence are kept; a failure in the middle changes nothing.
#include "dossier_fixture.hpp"

#include "db/catalogue.hpp"
#include "db/errors.hpp"

#include <map>

namespace kvarn::db::testing {
namespace {

struct TableState {
    std::vector<std::string> fields;                          // name:type code:width
    std::map<std::string, std::vector<std::string>> columns;  // values by column, in key order
    std::vector<std::string> indexes;                         // name:fields
    bool operator==(const TableState&) const = default;
};

class Structure : public PopulatedDossier {
protected:
    void SetUp() override {
        PopulatedDossier::SetUp();
        // The highest key goes, so the sequence is ahead of the rows: it must stay so.
        session_->connection().Execute("DELETE FROM KOLMIKV1 WHERE ShIDAssocie=5");
        table_ = Component(*session_, ALIAS_DOSSIER, "KOLMIKV1");
    }

    TableState State() {
        TableState state;
        for (const FieldDef& field : ReadFields(session_->connection(), "main", "KOLMIKV1")) {
            state.fields.push_back(field.name + ":" + std::to_string(PhysicalCode(field.type)) + ":" +
                                   std::to_string(field.size));
            for (const std::string& value :
                 DossierTest::Column("SELECT ifnull(\"" + field.name + "\", '<null>') FROM KOLMIKV1 ORDER BY rowid"))
                state.columns[field.name].push_back(value);
        }
        for (const IndexDef& index : ReadIndexes(session_->connection(), "main", "KOLMIKV1")) {
            std::string fields;
            for (const std::string& f : index.fields) fields += f + ";";
            state.indexes.push_back(index.name + ":" + fields + (index.caseInsensitive ? "ci" : ""));
        }
        return state;
    }

    // The key the next associate gets.
    int NextKey() {
        table_->Open();
        table_->Append();
        table_->FieldByName("Nom").SetAsString("Suivant");  // Prenoms may have been dropped
        table_->Post();
        const int key = table_->FieldByName("ShIDAssocie").AsInteger();
        table_->Close();
        return key;
    }

    std::unique_ptr<CTable> table_;
};

struct Operation {
    const char* name;
    std::function<void(CTable&)> run;
    const char* field;         // the field the operation adds, changes or drops
    const char* expectedPlace;  // "Nom:..." entry expected at `place`, or "" when dropped
    int place;
    std::vector<std::string> expectedValues;  // the field's values afterwards (keys 1 to 4)
    int indexesLost;
};

class StructureOperation : public Structure, public ::testing::WithParamInterface<Operation> {};

TEST_P(StructureOperation, KeepsRowsOrderIndexesAndKeys) {
    const Operation& op = GetParam();
    TableState before = State();
    GetParam().run(*table_);
    TableState after = State();

    // The field itself.
    if (*op.expectedPlace) {
        ASSERT_GT(after.fields.size(), static_cast<std::size_t>(op.place));
        EXPECT_EQ(after.fields[static_cast<std::size_t>(op.place)], op.expectedPlace);
        EXPECT_EQ(after.columns.at(op.field), op.expectedValues);
    } else {
        EXPECT_EQ(after.columns.count(op.field), 0u);
    }
    // Every other field: same order, same type, same values.
    std::erase_if(before.fields, [&](const std::string& f) { return f.rfind(std::string(op.field) + ":", 0) == 0; });
    std::erase_if(after.fields, [&](const std::string& f) { return f.rfind(std::string(op.field) + ":", 0) == 0; });
    before.columns.erase(op.field);
    after.columns.erase(op.field);
    EXPECT_EQ(after.fields, before.fields);
    EXPECT_EQ(after.columns, before.columns);
    EXPECT_EQ(after.indexes.size() + static_cast<std::size_t>(op.indexesLost), before.indexes.size());
    for (const std::string& index : after.indexes)
        EXPECT_NE(std::find(before.indexes.begin(), before.indexes.end(), index), before.indexes.end()) << index;
    EXPECT_EQ(NextKey(), 6);  // key 5 was deleted: it is never given again
    table_->Open();
    EXPECT_TRUE(table_->Locate("Nom", "Roux"));  // the component opens the new structure
    table_->SetIndexName("idxAssocies");
}

const std::string kNull = "<null>";

INSTANTIATE_TEST_SUITE_P(
    OnThePopulatedAssociates, StructureOperation,
    ::testing::Values(
        Operation{"AddFieldLast", [](CTable& table) { table.AddField(7, "NoIdentFisc2", CODE_ALPHA, 0, 20, false); },
                  "NoIdentFisc2", "NoIdentFisc2:257:20", 129, {kNull, kNull, kNull, kNull}, 0},
        Operation{"AddFieldInPlace", [](CTable& table) { table.AddField(7, "DeptNaissance", CODE_SHORT, 3, 0, false); },
                  "DeptNaissance", "DeptNaissance:261:0", 2, {kNull, kNull, kNull, kNull}, 0},
        Operation{"NumberBecomesShort", [](CTable& table) { table.ChangeFieldType(7, "NbParts", CODE_SHORT, 0); }, "NbParts",
                  "NbParts:261:0", 31, {"10", kNull, kNull, "3"}, 0},
        Operation{"AlphaNarrows", [](CTable& table) { table.ChangeFieldType(7, "Nom", CODE_ALPHA, 4); }, "Nom", "Nom:257:4",
                  1, {"Dura", "Mart", "Peti", "Roux"}, 0},
        Operation{"AlphaWidens", [](CTable& table) { table.ChangeFieldType(7, "AdrCP", CODE_ALPHA, 20); }, "AdrCP",
                  "AdrCP:257:20", 86, {"75011", kNull, kNull, "13001"}, 0},
        Operation{"LongBecomesNumber", [](CTable& table) { table.ChangeFieldType(7, "BeneficeSaisi", CODE_NUMBER, 0); },
                  "BeneficeSaisi", "BeneficeSaisi:258:0", 29, {"100.0", kNull, kNull, "7.0"}, 0},
        Operation{"DropFieldOfAnIndex", [](CTable& table) { table.DropField(7, "Prenoms"); }, "Prenoms", "", 0, {}, 1},
        Operation{"DropPlainField", [](CTable& table) { table.DropField(7, "AdrTel"); }, "AdrTel", "", 0, {}, 0}),
    NomDuCas());

TEST_F(Structure, TheComponentStaysOpenOnTheNewStructure) {
    table_->Open();
    ASSERT_TRUE(table_->Locate("Nom", "Petit"));
    table_->AddField(1, "IDSP2", CODE_ALPHA, 2, 14, false);
    EXPECT_TRUE(table_->Active());
    EXPECT_EQ(table_->Fields(1).FieldName(), "IDSP2");
    EXPECT_TRUE(table_->FieldByName("IDSP2").IsNull());
    table_->DropField(1, "IDSP2");
    EXPECT_EQ(table_->FindField("IDSP2"), nullptr);
}

// 100,000 is no Short: that value becomes null, is counted, and the change goes through.
TEST_F(Structure, ValuesTheNewTypeCannotHoldBecomeNullAndAreCounted) {
    session_->connection().Execute("UPDATE KOLMIKV1 SET NbParts=100000 WHERE ShIDAssocie=4");
    const TypeChange change = table_->ChangeFieldType(1015, "NbParts", CODE_SHORT, 0);
    EXPECT_EQ(Column("SELECT ifnull(NbParts, '-') FROM KOLMIKV1 ORDER BY rowid"),
              (std::vector<std::string>{"10", "-", "-", "-"}));
    EXPECT_EQ(change.cleared, 1);
    EXPECT_EQ(change.message, "Le champ NbParts de la table KOLMIKV1 est devenu entier court : 1 valeur qu'il ne "
                              "peut pas contenir a été effacée");
    EXPECT_EQ(table_->ChangeFieldType(1015, "Nom", CODE_NUMBER, 0).cleared, 4);
}

// Converted values that a unique index refuses stop the rebuild half-way: the table is as it was.
TEST_F(DossierTest, AChangeThatAUniqueIndexRefusesLeavesTheTableAsItWas) {
    CreateTable(*session_, ALIAS_DOSSIER,
                {"Taux", {{"AutoID", FieldType::AutoInc, 0, false}, {"Taux", FieldType::Number, 0, false}},
                 {{"idxTaux", {"Taux"}, true, false}}});
    session_->connection().Execute("INSERT INTO Taux (Taux) VALUES (1.2), (0.9)");
    EXPECT_THROW(Component(*session_, ALIAS_DOSSIER, "Taux")->ChangeFieldType(1015, "Taux", CODE_SHORT, 0),
                 ContrainteViolee);
    EXPECT_EQ(Column("SELECT Taux || ':' || typeof(Taux) FROM Taux ORDER BY AutoID"),
              (std::vector<std::string>{"1.2:real", "0.9:real"}));
    EXPECT_EQ(ReadFields(session_->connection(), "main", "Taux")[1].type, FieldType::Number);
    EXPECT_FALSE(session_->TableExists(ALIAS_DOSSIER, "Taux$reconstruction"));
}

struct Refusal {
    const char* name;
    std::function<void(CTable&)> run;
};

class RefusedOperation : public Structure, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedOperation, ChangesNothingAndNamesTheCallersPlace) {
    const TableState before = State();
    try {
        GetParam().run(*table_);
        ADD_FAILURE() << "accepted";
    } catch (const DbError& error) {
        EXPECT_EQ(error.Location(), 1u);
    }
    EXPECT_EQ(State(), before);
}

INSTANTIATE_TEST_SUITE_P(
    BadRequests, RefusedOperation,
    ::testing::Values(Refusal{"UnknownTypeCode", [](CTable& table) { table.AddField(1, "X", 0x106, 0, 0, false); }},
                      Refusal{"FieldThere", [](CTable& table) { table.AddField(1, "nom", CODE_ALPHA, 0, 10, false); }},
                      Refusal{"AlphaWithoutWidth", [](CTable& table) { table.AddField(1, "X", CODE_ALPHA, 0, 0, false); }},
                      Refusal{"RequiredField", [](CTable& table) { table.AddField(1, "X", CODE_LONG, 0, 0, true); }},
                      Refusal{"AddAKey", [](CTable& table) { table.AddField(1, "X", CODE_AUTOINC, 0, 0, false); }},
                      Refusal{"ChangeTheKey", [](CTable& table) { table.ChangeFieldType(1, "ShIDAssocie", CODE_LONG, 0); }},
                      Refusal{"ChangeAMissingField", [](CTable& table) { table.ChangeFieldType(1, "X", CODE_LONG, 0); }},
                      Refusal{"DropTheKey", [](CTable& table) { table.DropField(1, "ShIDAssocie"); }},
                      Refusal{"DropAMissingField", [](CTable& table) { table.DropField(1, "X"); }}),
    NomDuCas());

TEST_F(Structure, IsRefusedWhileAnotherComponentHasTheTableOpen) {
    auto other = OpenTable("kolmikv1.db");
    EXPECT_THROW(table_->AddField(1, "X", CODE_LONG, 0, 0, false), DbError);
    EXPECT_EQ(ReadFields(session_->connection(), "main", "KOLMIKV1").size(), 129u);
    other->Close();
    table_->AddField(1, "X", CODE_LONG, 0, 0, false);
    EXPECT_EQ(ReadFields(session_->connection(), "main", "KOLMIKV1").size(), 130u);
}

}  // namespace
}  // namespace kvarn::db::testing
