// Master-detail following, calculated fields, display texts, the order of events, disabled
// controls, the module's views over the associates and several components over one table.
#include "dossier_fixture.hpp"

#include "db/display_format.hpp"
#include "db/errors.hpp"
#include "store/schema.hpp"

namespace kvarn::db::testing {
namespace {

std::vector<int> Walked(CTable& table, const char* field) {
    std::vector<int> values;
    for (table.First(); !table.Eof(); table.Next()) values.push_back(table.FieldByName(field).AsInteger());
    return values;
}

TEST_F(PopulatedDossier, ADetailFollowsItsMasterAndANewDetailTakesTheLink) {
    auto movements = Component(*session_, ALIAS_DOSSIER, "KOLMIKVM");
    movements->SetIndexName("idxTri");
    auto details = Component(*session_, ALIAS_DOSSIER, "KOLMIKVP");
    CDataSource dsMouvementParts(movements.get());
    details->SetMasterSource(&dsMouvementParts);
    details->SetMasterFields("AutoID");
    details->SetIndexName("idxMouv");
    details->Open();
    EXPECT_EQ(details->RecordCount(), 5);  // a closed master restricts nothing
    movements->Open();
    EXPECT_EQ(Walked(*details, "AutoID"), (std::vector<int>{1, 2}));
    movements->DisableControls();  // the link follows even while the master's display pauses
    movements->Next();
    EXPECT_EQ(details->FieldByName("IdAsso").AsInteger(), 4);  // read without moving the detail
    movements->Next();
    EXPECT_EQ(Walked(*details, "AutoID"), (std::vector<int>{4, 5}));
    movements->EnableControls();
    details->Append();
    details->FieldByName("IdAsso").SetAsInteger(1);
    details->Post();
    EXPECT_EQ(Scalar("SELECT IdMouv FROM KOLMIKVP WHERE AutoID=6"), "3");
    EXPECT_EQ(details->RecordCount(), 3);
    movements->Append();  // a new master row has no details yet
    EXPECT_EQ(details->RecordCount(), 0);
    movements->Cancel();
    EXPECT_EQ(details->RecordCount(), 3);
}

TEST_F(PopulatedDossier, ALinkOnTwoFieldsUsesTheFirstFieldsOfTheDetailIndex) {
    auto details = OpenTable("KOLMIKVP", "idxMouv");
    auto links = Component(*session_, ALIAS_DOSSIER, "KOLMIKVA");
    CDataSource dsDetMouvParts(details.get());
    links->SetIndexName("idxMouvAsso");
    links->SetMasterSource(&dsDetMouvParts);
    links->SetMasterFields("IdMouv;IdAsso");
    links->Open();
    ASSERT_TRUE(details->Locate("IdMouv;IdAsso", {1, 2}));
    EXPECT_EQ(Walked(*links, "AutoID"), (std::vector<int>{3}));
    links->Append();
    EXPECT_EQ(links->FieldByName("IdMouv").AsInteger(), 1);
    EXPECT_EQ(links->FieldByName("IdNP").AsInteger(), 2);
    links->Cancel();
}

TEST_F(PopulatedDossier, CalculatedFieldsAreFilledOnEveryRecordAndNeverWritten) {
    auto details = Component(*session_, ALIAS_DOSSIER, "KOLMIKVP");
    details->DeclareCalculatedField({"NomAsso", FieldType::Alpha, 100, true});
    int calls = 0;
    details->OnCalcFields = [&](CTable& table) {
        ++calls;
        EXPECT_EQ(table.State(), DataSetState::CalcFields);
        EXPECT_THROW(table.FieldByName("IdAsso").SetAsInteger(9), DbError);
        table.FieldByName("NomAsso").SetAsString("Associé " + table.FieldByName("IdAsso").AsString());
    };
    details->Open();
    std::vector<std::string> names;
    for (details->First(); !details->Eof(); details->Next()) names.push_back(details->FieldByName("NomAsso").AsString());
    EXPECT_EQ(names, (std::vector<std::string>{"Associé 2", "Associé 1", "Associé 4", "Associé 5", "Associé 4"}));
    EXPECT_EQ(calls, 5);
    details->First();
    details->Edit();
    details->FieldByName("IdAsso").SetAsInteger(3);
    EXPECT_EQ(details->FieldByName("NomAsso").AsString(), "Associé 3");  // recalculated while editing
    details->Post();
    EXPECT_EQ(Scalar("SELECT IdAsso FROM KOLMIKVP WHERE AutoID=1"), "3");
    EXPECT_EQ(Count("pragma_table_info('KOLMIKVP') WHERE name='NomAsso'"), 0);
    details->FieldByName("NomAsso").SetAsString("à la main");  // written outside an edit, never posted
    EXPECT_EQ(details->FieldByName("NomAsso").AsString(), "à la main");
    EXPECT_THROW(details->Locate("NomAsso", "à la main"), DbError);
}

TEST_F(PopulatedDossier, DisplayTextsUseTheFormatOrTheGetTextHandler) {
    auto associes = Component(*session_, ALIAS_DOSSIER, "KOLMIKV1");
    associes->FieldDisplayOf("NbParts").displayFormat = "#,####0.00000";
    associes->Open();
    associes->FieldByName("RegimeImpositionSCI").SetOnGetText([](Field& field, std::string& text, bool display) {
        text = display ? "Régime " + field.AsString() : field.AsString();
    });
    associes->Edit();
    associes->FieldByName("NbParts").SetAsFloat(12345.5);
    associes->Post();
    EXPECT_EQ(associes->FieldByName("NbParts").DisplayText(), "12 345,50000");
    EXPECT_EQ(associes->FieldByName("NbParts").AsString(), "12345,5");
    EXPECT_EQ(associes->FieldByName("RegimeImpositionSCI").DisplayText(), "Régime 0");
    EXPECT_EQ(associes->FieldByName("RegimeImpositionSCI").Text(), "0");
    associes->Close();
    associes->Open();  // the display belongs to the component, not to one opening
    EXPECT_EQ(associes->FieldByName("RegimeImpositionSCI").DisplayText(), "Régime 0");
    associes->Next();
    EXPECT_EQ(associes->FieldByName("NbParts").DisplayText(), "");  // null shows nothing
}

class Formats : public ::testing::TestWithParam<std::tuple<const char*, double, const char*>> {};

TEST_P(Formats, ShowNumbersTheFrenchWay) {
    const auto& [picture, value, shown] = GetParam();
    EXPECT_EQ(FormatFloat(picture, value), shown);
}

INSTANTIATE_TEST_SUITE_P(
    OfTheModule, Formats,
    ::testing::Values(std::tuple{"#,####0.00000", 0.0, "0,00000"}, std::tuple{"#,####0.00000", 1234567.123456, "1 234 567,12346"},
                      std::tuple{"#,##0.00", -1234.006, "-1 234,01"}, std::tuple{"#,##0.00", 0.004, "0,00"},
                      std::tuple{"#,##0.00", -0.004, "0,00"}, std::tuple{"0.##", 2.5, "2,5"},
                      std::tuple{"#,##0.00", 999.999, "1 000,00"}));

// Events in the order a desktop dataset fires them.
class EventLog {
public:
    explicit EventLog(CTable& table) {
#define KVARN_EVENT(name) {&DataSetEvents::name, #name}
        const std::pair<TDataSetNotifyEvent DataSetEvents::*, const char*> events[] = {
            KVARN_EVENT(BeforeOpen),   KVARN_EVENT(AfterOpen),   KVARN_EVENT(BeforeClose),  KVARN_EVENT(AfterClose),
            KVARN_EVENT(BeforeInsert), KVARN_EVENT(AfterInsert), KVARN_EVENT(BeforeEdit),   KVARN_EVENT(AfterEdit),
            KVARN_EVENT(BeforePost),   KVARN_EVENT(AfterPost),   KVARN_EVENT(BeforeCancel), KVARN_EVENT(AfterCancel),
            KVARN_EVENT(BeforeDelete), KVARN_EVENT(AfterDelete), KVARN_EVENT(BeforeScroll), KVARN_EVENT(AfterScroll),
            KVARN_EVENT(OnNewRecord)};
#undef KVARN_EVENT
        for (const auto& [event, name] : events)
            table.*event = [this, name = std::string(name)](CTable&) { text_ += (text_.empty() ? "" : " ") + name; };
    }
    std::string Take() { return std::exchange(text_, {}); }

private:
    std::string text_;
};

struct EventCase {
    const char* name;
    std::function<void(CTable&)> run;
    const char* expected;
};

class EventOrder : public PopulatedDossier, public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventOrder, IsTheDesktopOrder) {
    auto links = Component(*session_, ALIAS_DOSSIER, "KOLMIKVA");
    EventLog log(*links);
    links->Open();
    links->Next();
    log.Take();
    GetParam().run(*links);
    EXPECT_EQ(log.Take(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperation, EventOrder,
    ::testing::Values(
        EventCase{"Open", [](CTable& table) { table.Close(); table.Open(); }, "BeforeClose AfterClose BeforeOpen AfterOpen AfterScroll"},
        EventCase{"Moves", [](CTable& table) { table.First(); table.Prior(); table.Last(); table.Next(); },
                  "BeforeScroll AfterScroll BeforeScroll AfterScroll"},
        EventCase{"Append", [](CTable& table) { table.Append(); },
                  "BeforeInsert BeforeScroll OnNewRecord AfterInsert AfterScroll"},
        EventCase{"EditAndPost", [](CTable& table) { table.Edit(); table.FieldByName("NbU").SetAsFloat(2); table.Post(); },
                  "BeforeEdit AfterEdit BeforePost AfterPost"},
        EventCase{"MovePostsFirst", [](CTable& table) { table.Edit(); table.FieldByName("NbU").SetAsFloat(2); table.Next(); },
                  "BeforeEdit AfterEdit BeforePost AfterPost BeforeScroll AfterScroll"},
        EventCase{"Cancel", [](CTable& table) { table.Edit(); table.Cancel(); }, "BeforeEdit AfterEdit BeforeCancel AfterCancel"},
        EventCase{"CancelAppend", [](CTable& table) { table.Append(); table.Cancel(); },
                  "BeforeInsert BeforeScroll OnNewRecord AfterInsert AfterScroll BeforeCancel BeforeScroll AfterCancel AfterScroll"},
        EventCase{"Delete", [](CTable& table) { table.Delete(); }, "BeforeDelete BeforeScroll AfterDelete AfterScroll"},
        EventCase{"Locate", [](CTable& table) { table.Locate("IdU", 5); table.Locate("IdU", 99); },
                  "BeforeScroll AfterScroll BeforeScroll"},
        EventCase{"CloseDropsAnEdit", [](CTable& table) { table.Edit(); table.Close(); }, "BeforeEdit AfterEdit BeforeClose AfterClose"}),
    NomDuCas());

TEST_F(PopulatedDossier, DisabledControlsPauseNotificationsNotEvents) {
    auto links = OpenTable("KOLMIKVA");
    CDataSource dsAssoNPU(links.get());
    int notifications = 0, scrolls = 0;
    dsAssoNPU.OnDataChange = [&](CDataSource& source) {
        EXPECT_EQ(source.DataSet(), links.get());
        ++notifications;
    };
    links->AfterScroll = [&](CTable&) { ++scrolls; };
    links->Next();
    EXPECT_EQ(notifications, 1);
    links->DisableControls();
    links->DisableControls();
    for (int i = 0; i < 3; ++i) links->Next();
    links->EnableControls();
    EXPECT_TRUE(links->ControlsDisabled());
    EXPECT_EQ(notifications, 1);
    links->EnableControls();
    EXPECT_EQ(notifications, 2);  // one notification for everything that happened meanwhile
    EXPECT_EQ(scrolls, 4);
    links->EnableControls();  // more enables than disables change nothing
    EXPECT_FALSE(links->ControlsDisabled());
}

// Each view over KOLMIKV1 as the schema declares it.
std::unique_ptr<CTable> View(Session& session, const char* component) {
    auto view = Component(session, ALIAS_DOSSIER, "kolmikv1.db");
    view->DeclareFields(store::ComponentFields(store::FindComponentSpec(component)->fields));
    view->Open();
    return view;
}

TEST_F(PopulatedDossier, TheViewsReadTheirOwnFieldsAtTheirWidths) {
    auto traitement = View(*session_, "tblAssociesKVTraitement");
    auto resultats = View(*session_, "tblResultatsAssocies");  // its fields: the store's tests
    EXPECT_EQ(resultats->FindField("AdrVille"), nullptr);  // not declared by the results view
    traitement->Edit();
    traitement->FieldByName("AdrVille").SetAsString("SAINT-REMY-EN-BOUZEMONT-SAINT-GENEST-ET-ISSON");
    traitement->FieldByName("AdrCP").SetAsString("510200");
    traitement->Post();
    EXPECT_EQ(Scalar("SELECT AdrVille || '/' || AdrCP FROM KOLMIKV1 WHERE ShIDAssocie=1"),
              "SAINT-REMY-EN-BOUZEMONT-SAINT-G/51020");
    session_->connection().Execute("UPDATE KOLMIKV1 SET AdrCP='75011 CEDEX 11' WHERE ShIDAssocie=4");
    ASSERT_TRUE(traitement->Locate("ShIDAssocie", 4));
    EXPECT_EQ(traitement->FieldByName("AdrCP").AsString(), "75011");  // read at the declared width
    auto wrong = Component(*session_, ALIAS_DOSSIER, "KOLMIKV1");
    wrong->DeclareFields({{"Nom", FieldType::Long, 0, false}});
    EXPECT_THROW(wrong->Open(), DbError);
}

// The module opens KOLMIKV1 through four components and MouvementKV through two: each sees the
// others' writes at its next Locate, Refresh or move, and editing a row that another deleted is
// refused, whether the edit started before the delete or after it.
TEST_F(PopulatedDossier, SeveralComponentsOverOneTableSeeEachOthersWrites) {
    auto associes = OpenTable("KOLMIKV1", "idxAssocies");
    auto resultats = View(*session_, "tblResultatsAssocies");
    auto traitement = View(*session_, "tblAssociesKVTraitement");
    const int added = AddAssocie(*associes, "Nouveau");
    associes->Edit();
    associes->FieldByName("Nom").SetAsString("Petit-Durand");
    associes->Post();
    ASSERT_TRUE(resultats->Locate("ShIDAssocie", added));
    EXPECT_EQ(resultats->FieldByName("Nom").AsString(), "Petit-Durand");
    traitement->Refresh();
    EXPECT_EQ(traitement->RecordCount(), 6);

    traitement->Edit();  // on associate 1
    ASSERT_TRUE(resultats->Locate("ShIDAssocie", 1));
    ASSERT_TRUE(associes->Locate("ShIDAssocie", 1));
    associes->Delete();
    traitement->FieldByName("AdrVille").SetAsString("NICE");
    EXPECT_THROW(traitement->Post(), DbError);
    EXPECT_EQ(traitement->State(), DataSetState::Edit);
    traitement->Cancel();
    EXPECT_THROW(resultats->Edit(), DbError);
    EXPECT_EQ(resultats->State(), DataSetState::Browse);
    EXPECT_THROW(resultats->Delete(), DbError);
    EXPECT_EQ(Count("KOLMIKV1"), 5);

    auto positions = OpenTable("MouvementKV", "idxIDAssocie");
    auto positionsU = OpenTable("MouvementKV");
    positionsU->SetOnFilterRecord([](CTable& row, bool& accept) { accept = row.FieldByName("NbPartsUFin").AsFloat() != 0; });
    positionsU->SetFiltered(true);
    EXPECT_EQ(positionsU->RecordCount(), 2);
    ASSERT_TRUE(positions->Locate("IDAssocie", 1));
    positions->Edit();
    positions->FieldByName("NbPartsUFin").SetAsFloat(1);
    positions->Post();
    positionsU->First();
    EXPECT_EQ(positionsU->RecordCount(), 3);
}

}  // namespace
}  // namespace kvarn::db::testing
