// Filters: the module's filter texts on a populated dossier, nulls unequal to every value, the
// record-filter handler combined with the text, and texts that cannot be read.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"

namespace kvarn::db::testing {
namespace {

struct FilterCase {
    const char* name;
    const char* table;
    const char* text;
    const char* expected;  // keys of the rows shown, in order
};

std::string Keys(CTable& table) {
    std::string keys;
    for (table.First(); !table.Eof(); table.Next())
        keys += (keys.empty() ? "" : ",") + table.Fields(0).AsString();
    return keys;
}

class FilterText : public PopulatedDossier, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(FilterText, ShowsExactlyTheRowsItSays) {
    auto table = OpenTable(GetParam().table);
    table->SetFilter(GetParam().text);
    table->SetFiltered(true);
    EXPECT_EQ(Keys(*table), GetParam().expected);
    table->SetFiltered(false);
    EXPECT_EQ(table->RecordCount(), static_cast<int>(Count(GetParam().table)));
}

INSTANTIATE_TEST_SUITE_P(
    OfTheModule, FilterText,
    ::testing::Values(
        FilterCase{"BeneficiariesOnly", "KOLMIKV1", "(Qualite = 10)", "2"},
        // A regime cleared to null stays visible: it is unequal to 2 and to 3.
        FilterCase{"CategoryEight", "KOLMIKV1",
                   "(Qualite <> 10) AND (RegimeImpositionSCI <>2) AND (RegimeImpositionSCI <>3)", "1,4,5"},
        FilterCase{"NoManagerWithoutShares", "KOLMIKV1", "(Qualite <> 9)", "1,2,4,5"},
        FilterCase{"SharesOfAnAssociate", "KOLMIKV3", "IsDeduction='True' AND EstPourBA='False' AND IdAssocie=5", "1,4"},
        FilterCase{"SharesOfAnAssociateOtherOrder", "KOLMIKV3",
                   "IdAssocie=5 AND IsDeduction = 'True' AND EstPourBA='False'", "1,4"},
        FilterCase{"Deductions", "KOLMIKV2", "IsDeduction = 'True'", "1,3,4"},
        FilterCase{"Reintegrations", "KOLMIKV2", "IsDeduction = 'False'", "2"},
        // Nulls: unequal to every value, neither below nor above any, also under NOT.
        FilterCase{"NullIsNotEqual", "KOLMIKV1", "RegimeImpositionSCI = 0", "1"},
        FilterCase{"NullIsNotBelow", "KOLMIKV1", "RegimeImpositionSCI < 3", "1,2"},
        FilterCase{"NotEqualUnderNot", "KOLMIKV1", "NOT (RegimeImpositionSCI = 2)", "1,3,4,5"},
        FilterCase{"UnequalUnderNot", "KOLMIKV1", "NOT (RegimeImpositionSCI <> 0)", "1"},
        FilterCase{"IsNull", "KOLMIKV1", "RegimeImpositionSCI IS NULL OR Qualite = 9", "3,4"},
        FilterCase{"TextsAsWritten", "KOLMIKV2", "Designation = 'L''apport' OR Designation = 'True'", "2,3"},
        FilterCase{"LiteralFirst", "KOLMIKV1", "2 <= Qualite", "2,3,4"},
        FilterCase{"Dates", "KOLMIKVM", "DateMouvement >= '01/04/2024' AND DateMouvement < '01/06/2024'", "2,3"}),
    NomDuCas());

TEST_F(PopulatedDossier, TheRecordFilterCombinesWithTheText) {
    auto positions = OpenTable("MouvementKV");
    positions->SetFilter("(NbPartsN <> 0)");
    int calls = 0;
    positions->SetOnFilterRecord([&](CTable& table, bool& accept) {
        ++calls;
        EXPECT_EQ(table.State(), DataSetState::Filter);
        EXPECT_THROW(table.FieldByName("Nom").SetAsString("x"), DbError);
        accept = table.FieldByName("NbPartsUFin").AsFloat() != 0;
    });
    EXPECT_EQ(calls, 0);  // the handler applies only while filtering is on
    positions->SetFiltered(true);
    EXPECT_EQ(positions->RecordCount(), 1);
    EXPECT_EQ(positions->FieldByName("IDAssocie").AsInteger(), 3);  // NbPartsN null, NbPartsUFin 5
    EXPECT_FALSE(positions->Locate("IDAssocie", 1));                // hidden by the handler
    EXPECT_FALSE(positions->Locate("IDAssocie", 4));                // hidden by the text
    EXPECT_EQ(positions->FieldByName("IDAssocie").AsInteger(), 3);
    positions->SetOnFilterRecord({});
    EXPECT_EQ(positions->RecordCount(), 2);
}

// In name order Blanc, Durand, Martin, Roux are shown (Petit is a manager without shares). Blanc
// renamed Pascal and made a manager leaves: the cursor goes to the row that follows Pascal in the
// order, not to the row now standing at Blanc's old place.
TEST_F(PopulatedDossier, APostedRowThatLeavesTheFilterLeavesTheCursorOnItsNeighbour) {
    auto associes = OpenTable("KOLMIKV1", "idxRaisonSociale");
    associes->SetFilter("(Qualite <> 9)");
    associes->SetFiltered(true);
    ASSERT_EQ(associes->FieldByName("Nom").AsString(), "Blanc");
    associes->Edit();
    associes->FieldByName("Nom").SetAsString("Pascal");
    associes->FieldByName("Qualite").SetAsInteger(9);
    associes->Post();
    EXPECT_EQ(associes->RecordCount(), 3);
    EXPECT_EQ(associes->FieldByName("Nom").AsString(), "Roux");
    associes->Prior();  // the row before the one that left
    EXPECT_EQ(associes->FieldByName("Nom").AsString(), "Martin");
}

class BadFilter : public PopulatedDossier, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadFilter, IsRefusedAndTheComponentKeepsItsRows) {
    auto associes = OpenTable("KOLMIKV1");
    associes->SetFiltered(true);
    EXPECT_THROW(associes->SetFilter(GetParam()), DbError);
    EXPECT_EQ(associes->Filter(), "");
    EXPECT_EQ(associes->RecordCount(), 5);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadFilter,
                         ::testing::Values("(Qualite = 10", "Qualite == 10", "Inconnu = 1", "Qualite = 'dix'",
                                           "Qualite = 'dix", "Qualite 10", "Qualite = 1 AND", "10 = 10"));

}  // namespace
}  // namespace kvarn::db::testing
