// Fields: the types of the dossier's tables, their widths and ranges, null, and AutoInc keys.
#include "dossier_fixture.hpp"

#include "common/dates.hpp"
#include "common/text.hpp"
#include "db/errors.hpp"
#include "store/schema.hpp"

namespace kvarn::db::testing {
namespace {

// Accented letters: two bytes each, so bytes and characters differ.
std::string AccentedText(int characters) {
    std::string text;
    for (int i = 0; i < characters; ++i) text += (i % 2) ? "é" : "Œ";
    return text;
}

// Every Alpha field of every permanent table keeps exactly its width in characters.
class AlphaWidths : public DossierTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AlphaWidths, TextIsCutSilentlyAtTheFieldWidthInCharacters) {
    const store::TableSpec* spec = store::FindTableSpec(GetParam());
    ASSERT_NE(spec, nullptr);
    auto table = OpenTable(spec->name);
    table->Append();
    int alphaFields = 0;
    for (const store::FieldSpec& field : spec->fields) {
        if (field.calculated || field.column.type != FieldType::Alpha) continue;
        ++alphaFields;
        table->FieldByName(field.name).SetAsString(AccentedText(field.column.size + 3));
        EXPECT_EQ(CharacterCount(table->FieldByName(field.name).AsString()),
                  static_cast<std::size_t>(field.column.size))
            << field.name;
    }
    table->Post();
    table->Close();
    table->Open();
    for (const store::FieldSpec& field : spec->fields) {
        if (field.calculated || field.column.type != FieldType::Alpha) continue;
        EXPECT_EQ(table->FieldByName(field.name).AsString(), AccentedText(field.column.size))
            << field.name;
    }
    EXPECT_GT(alphaFields, 0);
}

INSTANTIATE_TEST_SUITE_P(PermanentTables, AlphaWidths,
                         ::testing::Values("KOLMIKV1", "KOLMIKV2", "KOLMIKVS"));

TEST_F(DossierTest, AnEmptyTextIsStoredAsNull) {
    auto table = OpenTable("kolmikv1.db");
    table->Append();
    table->FieldByName("Nom").SetAsString("");
    table->FieldByName("Prenoms").SetAsString("Jean");
    table->Post();
    EXPECT_TRUE(table->FieldByName("Nom").IsNull());
    EXPECT_EQ(Scalar("SELECT count(*) FROM KOLMIKV1 WHERE Nom IS NULL"), "1");
    table->Edit();
    table->FieldByName("Prenoms").SetAsString("");
    table->Post();
    EXPECT_EQ(Scalar("SELECT count(*) FROM KOLMIKV1 WHERE Prenoms IS NULL"), "1");
}

struct RangeCase {
    const char* field;
    long long value;
    bool accepted;
};

class IntegerRanges : public DossierTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(IntegerRanges, ShortAndLongRefuseValuesOutsideTheirWidth) {
    auto table = OpenTable("KOLMIKV1");
    table->Append();
    Field& field = table->FieldByName(GetParam().field);
    if (GetParam().accepted) {
        field.SetAsFloat(static_cast<double>(GetParam().value));
        table->Post();
        EXPECT_EQ(Scalar(std::string("SELECT ") + GetParam().field + " FROM KOLMIKV1"),
                  std::to_string(GetParam().value));
        return;
    }
    try {
        field.SetAsFloat(static_cast<double>(GetParam().value));
        FAIL() << "accepted " << GetParam().value;
    } catch (const DbError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().field), std::string::npos) << error.what();
    }
    EXPECT_THROW(field.SetAsString(std::to_string(GetParam().value)), DbError);
    EXPECT_TRUE(field.IsNull());  // the refused value was not kept
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, IntegerRanges,
    ::testing::Values(RangeCase{"Qualite", -32768, true}, RangeCase{"Qualite", 32767, true},
                      RangeCase{"Qualite", 32768, false}, RangeCase{"Titre", -32769, false},
                      RangeCase{"NbEx_Edition", 70000, false},
                      RangeCase{"CleRepartition", -2147483648LL, true},
                      RangeCase{"CleRepartition", 2147483647LL, true},
                      RangeCase{"IdOga", 2147483648LL, false}));

struct TypeCase {
    const char* field;
    Value written;
    const char* readAsString;
    const char* storedAs;  // what plain SQL reads in the file
};

class TypeRoundTrips : public DossierTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(TypeRoundTrips, ValuesAreStoredReadablyAndReadBackAsWritten) {
    auto table = OpenTable("KOLMIKV1");
    table->Append();
    table->FieldByName(GetParam().field).SetValue(GetParam().written);
    table->Post();
    table->Close();
    table->Open();
    EXPECT_EQ(table->FieldByName(GetParam().field).AsString(), GetParam().readAsString);
    EXPECT_EQ(Scalar(std::string("SELECT ") + GetParam().field + " FROM KOLMIKV1"), GetParam().storedAs);
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, TypeRoundTrips,
    ::testing::Values(TypeCase{"NbParts", Value(1234.5), "1234,5", "1234.5"},
                      TypeCase{"NbParts", Value("-0,25"), "-0,25", "-0.25"},
                      TypeCase{"DateNaissance", Value(45351.0), "29/02/2024", "2024-02-29"},
                      TypeCase{"DateNaissance", Value("14/07/1789"), "14/07/1789", "1789-07-14"},
                      TypeCase{"DateNaissance", Value(0.0), "", ""},
                      TypeCase{"ExoTVA", Value(true), "True", "1"},
                      TypeCase{"ExoTVA", Value("False"), "False", "0"},
                      TypeCase{"Qualite", Value("  12 "), "12", "12"},
                      TypeCase{"AdrIDPays", Value(76), "76", "76"},
                      TypeCase{"CPNaissance", Value(75004), "75004", "75004"}));

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

TEST_F(DossierTest, BadTextsForTypedFieldsAreRefused) {
    auto table = OpenTable("KOLMIKV1");
    table->Append();
    EXPECT_THROW(table->FieldByName("NbParts").SetAsString("douze"), DbError);
    EXPECT_THROW(table->FieldByName("DateNaissance").SetAsString("31/02/2024"), DbError);
    EXPECT_THROW(table->FieldByName("ExoTVA").SetAsString("peut-être"), DbError);
    EXPECT_THROW(table->FieldByName("Qualite").SetAsString("1,5"), DbError);
    EXPECT_THROW(table->FieldByName("NbParts").SetAsFloat(std::numeric_limits<double>::infinity()),
                 DbError);
    EXPECT_THROW(table->FieldByName("Nom").AsDateTime(), DbError);
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
    session_->Close();
    session_->OpenDossier(dossier_);
    CTable reopened(*session_);
    reopened.SetDatabaseName(ALIAS_DOSSIER);
    reopened.SetTableName("KOLMIKV1");
    reopened.Open();
    reopened.Delete();
    EXPECT_EQ(AddAssocie(reopened, "F"), 6);
}

TEST_F(DossierTest, CalculatedFieldsLiveInTheRecordAndAreNeverStored) {
    CTable table(*session_);
    table.SetDatabaseName(ALIAS_DOSSIER);
    table.SetTableName("KOLMIKV1");
    table.DeclareCalculatedField({"Identite", FieldType::Alpha, 50, true});
    table.Open();
    AddAssocie(table, "A");
    table.FieldByName("Identite").SetAsString("M. A");  // allowed outside editing
    EXPECT_EQ(table.FieldByName("Identite").AsString(), "M. A");
    table.Next();
    table.First();
    EXPECT_TRUE(table.FieldByName("Identite").IsNull());  // recomputed for every record
    EXPECT_EQ(Count("pragma_table_info('KOLMIKV1') WHERE name='Identite'"), 0);
    EXPECT_THROW(table.Locate("Identite", "M. A"), DbError);
}

}  // namespace
}  // namespace kvarn::db::testing
