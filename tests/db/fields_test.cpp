// Fields: the types of the dossier's tables, their widths and ranges, null, and AutoInc keys.
#include "dossier_fixture.hpp"

#include "common/nulls.hpp"
#include "db/errors.hpp"
#include "store/schema.hpp"
#include "support/bytes.hpp"

namespace kvarn::db::testing {
namespace {

using testing_support::AccentedText;

// Every Alpha field of every permanent table keeps exactly its width in characters.
class AlphaWidths : public DossierTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AlphaWidths, TextIsCutSilentlyAtTheFieldWidthInCharacters) {
    const store::TableSpec* spec = store::FindTableSpec(GetParam());
    ASSERT_NE(spec, nullptr);
    auto table = OpenTable(spec->name);
    std::vector<const store::FieldSpec*> alpha;
    for (const store::FieldSpec& field : spec->fields)
        if (!field.calculated && field.column.type == FieldType::Alpha) alpha.push_back(&field);
    ASSERT_FALSE(alpha.empty());
    table->Append();
    for (const store::FieldSpec* field : alpha) {  // cut as it is written, before any post
        table->FieldByName(field->name).SetAsString(AccentedText(field->column.size + 3));
        EXPECT_EQ(table->FieldByName(field->name).AsString(), AccentedText(field->column.size)) << field->name;
    }
    table->Post();
    table->Close();
    table->Open();
    for (const store::FieldSpec* field : alpha)
        EXPECT_EQ(table->FieldByName(field->name).AsString(), AccentedText(field->column.size)) << field->name;
}

INSTANTIATE_TEST_SUITE_P(PermanentTables, AlphaWidths,
                         ::testing::Values("KOLMIKV1", "KOLMIKV2", "KOLMIKVS"));

// A value written into a field: taken as the field's type would hold it, stored so that plain SQL
// reads it ("<null>" for null), read back as written; or refused, naming the field, and not kept.
struct WrittenValue {
    const char* field;
    Value written;
    const char* readAsString;  // nullptr: refused
    const char* storedAs = "";
};

class WrittenValues : public DossierTest, public ::testing::WithParamInterface<WrittenValue> {};

TEST_P(WrittenValues, AreStoredReadablyOrRefused) {
    const WrittenValue& c = GetParam();
    auto table = OpenTable("KOLMIKV1");
    table->Append();
    if (!c.readAsString) {
        try {
            table->FieldByName(c.field).SetValue(c.written);
            FAIL() << "accepted";
        } catch (const ValeurRefusee& error) {
            EXPECT_NE(std::string(error.what()).find(c.field), std::string::npos) << error.what();
        }
        EXPECT_TRUE(table->FieldByName(c.field).IsNull());
        return;
    }
    table->FieldByName(c.field).SetValue(c.written);
    table->Post();
    table->Close();
    table->Open();
    EXPECT_EQ(table->FieldByName(c.field).AsString(), c.readAsString);
    EXPECT_EQ(Scalar(std::string("SELECT ifnull(") + c.field + ", '<null>') FROM KOLMIKV1"), c.storedAs);
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, WrittenValues,
    ::testing::Values(WrittenValue{"NbParts", Value(1234.5), "1234,5", "1234.5"},
                      WrittenValue{"NbParts", Value("-0,25"), "-0,25", "-0.25"},
                      WrittenValue{"DateNaissance", Value(45351.0), "29/02/2024", "2024-02-29"},
                      WrittenValue{"DateNaissance", Value("14/07/1789"), "14/07/1789", "1789-07-14"},
                      WrittenValue{"DateNaissance", Value(0.0), "", "<null>"},
                      WrittenValue{"Nom", Value(""), "", "<null>"},
                      WrittenValue{"ExoTVA", Value(true), "True", "1"},
                      WrittenValue{"ExoTVA", Value("False"), "False", "0"},
                      WrittenValue{"Qualite", Value("  12 "), "12", "12"},
                      WrittenValue{"Qualite", Value(-32768.0), "-32768", "-32768"},
                      WrittenValue{"Qualite", Value(32767), "32767", "32767"},
                      WrittenValue{"CleRepartition", Value(-2147483648LL), "-2147483648", "-2147483648"},
                      WrittenValue{"CleRepartition", Value(2147483647.0), "2147483647", "2147483647"},
                      WrittenValue{"CPNaissance", Value(75004), "75004", "75004"},
                      // The records' sentinels say "no value": written, they clear the column.
                      WrittenValue{"PartBenefice", Value(NULL_REEL), "", "<null>"},
                      WrittenValue{"DateNaissance", Value(NULL_REEL), "", "<null>"},
                      WrittenValue{"CleRepartition", Value(NULL_ENTIER), "", "<null>"},
                      WrittenValue{"Qualite", Value(NULL_ENTIER), "", "<null>"},
                      WrittenValue{"PartBenefice", Value(NULL_ENTIER), "", "<null>"},
                      WrittenValue{"CleRepartition", Value(NULL_ENTIER + 0.0), "-2147483647", "-2147483647"},
                      WrittenValue{"Qualite", Value(32768.0), nullptr},
                      WrittenValue{"Titre", Value("-32769"), nullptr},
                      WrittenValue{"NbEx_Edition", Value(70000), nullptr},
                      WrittenValue{"IdOga", Value(2147483648.0), nullptr},
                      WrittenValue{"Qualite", Value("1,5"), nullptr},
                      WrittenValue{"NbParts", Value("douze"), nullptr},
                      WrittenValue{"NbParts", Value(std::numeric_limits<double>::infinity()), nullptr},
                      WrittenValue{"DateNaissance", Value("31/02/2024"), nullptr},
                      WrittenValue{"DateNaissance", Value(1.0e9), nullptr},
                      WrittenValue{"ExoTVA", Value("peut-être"), nullptr}));

TEST_F(DossierTest, MoneyAndNumbersReadAsEveryKind) {
    auto table = OpenTable("MouvementKV");
    table->Append();
    table->FieldByName("Montant").SetAsFloat(1500.75);
    table->FieldByName("NbParts").SetAsInteger(3);
    table->FieldByName("PersonnePhysique").SetAsBoolean(true);
    table->Post();
    EXPECT_DOUBLE_EQ(table->FieldByName("Montant").AsFloat(), 1500.75);
    EXPECT_EQ(table->FieldByName("Montant").AsInteger(), 1501);
    EXPECT_TRUE(table->FieldByName("NbParts").AsBoolean());
    EXPECT_EQ(table->FieldByName("PersonnePhysique").AsInteger(), 1);
    EXPECT_EQ(table->FieldByName("Nom").AsInteger(), 0);  // null reads as 0, "" and false
    EXPECT_FALSE(table->FieldByName("Nom").AsBoolean());
}

TEST_F(DossierTest, FieldsAreWrittenOnlyWhileEditingAndNeverTheKey) {
    auto table = OpenTable("KOLMIKV1");
    AddAssocie(*table, "A");
    EXPECT_THROW(table->FieldByName("Nom").SetAsString("B"), DbError);
    table->Edit();
    EXPECT_THROW(table->FieldByName("ShIDAssocie").SetAsInteger(99), DbError);
    EXPECT_EQ(table->FindField("PasUnChamp"), nullptr);
    EXPECT_THROW(table->FieldByName("PasUnChamp"), DbError);
    EXPECT_EQ(&table->FieldByName("nom"), &table->FieldByName("NOM"));
    EXPECT_THROW(table->FieldByName("Nom").AsDateTime(), DbError);
}

TEST_F(DossierTest, AutoIncKeysAreNeverReused) {
    auto table = OpenTable("KOLMIKV1");
    EXPECT_EQ(AddAssocie(*table, "A"), 1);
    EXPECT_EQ(AddAssocie(*table, "B"), 2);
    EXPECT_EQ(AddAssocie(*table, "C"), 3);
    table->Delete();  // the cursor is on C, the last key
    EXPECT_EQ(AddAssocie(*table, "D"), 4);
    table->EmptyTable();
    EXPECT_EQ(AddAssocie(*table, "E"), 5);
    table.reset();
    session_->OpenDossier(dossier_);
    table = OpenTable("KOLMIKV1");
    table->Delete();
    EXPECT_EQ(AddAssocie(*table, "F"), 6);
}

}  // namespace
}  // namespace kvarn::db::testing
