// The dossier's schema: the tables created hold exactly their stored fields, in order, with
// their types and widths; calculated fields are never stored; missing tables are created by
// suffix.
#include "db/catalogue.hpp"
#include "db/errors.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "store/schema.hpp"
#include "store/tables.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <unistd.h>

namespace kvarn::store {
namespace {

std::filesystem::path FreshDossier() {
    static int counter = 0;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("schema-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(dir);
    return dir;
}

class Schema : public ::testing::Test {
protected:
    void SetUp() override {
        session_.OpenDossier(FreshDossier());
        session_.AttachTemporary(FreshDossier() / "tmp.sqlite");
        CreateDossierTables(session_);
        CreateWorkingTables(session_);
    }
    std::string SchemaOf(const TableSpec& table) {
        return session_.SchemaOfAlias(AliasName(table.alias));
    }
    db::Session session_;
};

std::vector<const TableSpec*> AllTables() {
    std::vector<const TableSpec*> tables;
    for (const TableSpec& table : PermanentTables()) tables.push_back(&table);
    for (const TableSpec& table : WorkingTables()) tables.push_back(&table);
    return tables;
}

class EveryTable : public Schema, public ::testing::WithParamInterface<const TableSpec*> {};

TEST_P(EveryTable, HoldsExactlyItsStoredFieldsInOrder) {
    const TableSpec& spec = *GetParam();
    const auto fields = db::ReadFields(session_.connection(), SchemaOf(spec), spec.name);
    std::vector<const FieldSpec*> stored;
    for (const FieldSpec& field : spec.fields)
        if (!field.calculated) stored.push_back(&field);
    ASSERT_EQ(fields.size(), stored.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].name, stored[i]->name);
        EXPECT_EQ(fields[i].type, stored[i]->column.type) << fields[i].name;
        EXPECT_EQ(fields[i].size, stored[i]->column.size) << fields[i].name;
    }
}

TEST_P(EveryTable, HasItsNamedIndexesWithTheFrenchOrderOnTexts) {
    const TableSpec& spec = *GetParam();
    const auto indexes = db::ReadIndexes(session_.connection(), SchemaOf(spec), spec.name);
    ASSERT_EQ(indexes.size(), spec.indexes.size());
    for (const IndexSpec& expected : spec.indexes) {
        const db::IndexDef* index = db::FindIndex(indexes, expected.name);
        ASSERT_NE(index, nullptr) << expected.name;
        EXPECT_EQ(index->fields, db::SplitFieldList(expected.fields));
        EXPECT_EQ(index->unique, expected.unique);
    }
}

std::string TableName(const ::testing::TestParamInfo<const TableSpec*>& table) { return table.param->name; }

INSTANTIATE_TEST_SUITE_P(Dossier, EveryTable, ::testing::ValuesIn(AllTables()), TableName);

TEST(SchemaData, CountsOfStoredAndCalculatedFields) {
    std::map<std::string, std::pair<int, int>> counts;
    for (const TableSpec* table : AllTables())
        for (const FieldSpec& field : table->fields)
            ++(field.calculated ? counts[table->name].second : counts[table->name].first);
    EXPECT_EQ(counts["KOLMIKV1"], std::make_pair(129, 8));
    EXPECT_EQ(counts["KOLMIKV2"], std::make_pair(6, 0));
    EXPECT_EQ(counts["KOLMIKV3"], std::make_pair(6, 3));
    EXPECT_EQ(counts["KOLMIKVM"], std::make_pair(4, 0));
    EXPECT_EQ(counts["KOLMIKVP"], std::make_pair(9, 4));
    EXPECT_EQ(counts["KOLMIKVA"], std::make_pair(5, 1));
    EXPECT_EQ(counts["KOLMIKVS"], std::make_pair(20, 1));
    EXPECT_EQ(counts["MouvementKV"], std::make_pair(16, 0));
    EXPECT_EQ(counts["SyntheseMouvementKV"], std::make_pair(10, 0));
}

TEST(SchemaData, TheAddressAtFirstJanuaryHasTheWidthsOfTheMainAddress) {
    const TableSpec* associes = FindTableSpec("kolmikv1.db");
    ASSERT_NE(associes, nullptr);
    std::map<std::string, int> widths;
    for (const FieldSpec& field : associes->fields) widths[field.name] = field.column.size;
    const std::vector<std::pair<const char*, const char*>> pairs = {
        {"Adr1JanComplement1", "AdrComplmt1"}, {"Adr1JanComplement2", "AdrComplmt2"},
        {"Adr1JanNoVoie", "AdrNoVoie"},         {"Adr1JanCmplNoVoie", "AdrCmplNoVoie"},
        {"Adr1JanNomVoie", "AdrNomVoie"},       {"Adr1JanBP", "AdrBP"},
        {"Adr1JanCP", "AdrCP"},                 {"Adr1JanVille", "AdrVille"},
        {"Adr1JanTel", "AdrTel"},               {"Adr1JanFax", "AdrFax"},
        {"Adr1JanBureauDistrib", "AdrBureauDistrib"}, {"Adr1JanCodeInsee", "AdrCodeInsee"}};
    std::vector<int> january;
    for (const auto& [first, main] : pairs) {
        EXPECT_EQ(widths.at(first), widths.at(main)) << first;
        january.push_back(widths.at(first));
    }
    EXPECT_EQ(january, (std::vector<int>{35, 35, 5, 3, 35, 6, 17, 35, 17, 17, 26, 5}));
}

// That a view keeps only stored columns of its table, with their types and never wider, is
// checked by the compiler (schema.cpp); what stays to check is the narrower reading.
TEST(SchemaData, TheProcessingViewReadsPostcodeAndTownNarrower) {
    ASSERT_EQ(ComponentDeclarations().size(), 2u);
    const ComponentSpec* view = FindComponentSpec("TBLASSOCIESKVTRAITEMENT");
    ASSERT_NE(view, nullptr);
    std::map<std::string, int> widths;
    for (const db::FieldDef& field : ComponentFields(view->fields)) widths[field.name] = field.size;
    EXPECT_EQ(widths.at("AdrCP"), 5);
    EXPECT_EQ(widths.at("AdrVille"), 31);
    EXPECT_NE(FindComponentSpec("tblResultatsAssocies"), nullptr);
    EXPECT_EQ(FindComponentSpec("tblInconnu"), nullptr);
}

class Suffixes : public Schema, public ::testing::WithParamInterface<const char*> {};

TEST_P(Suffixes, AMissingTableIsCreatedInTheCurrentLayoutAndAnExistingOneKept) {
    const TableSpec* spec = FindTableOfSuffix(GetParam());
    ASSERT_NE(spec, nullptr);
    session_.connection().Execute("INSERT INTO " + std::string(spec->name) + " DEFAULT VALUES");
    EXPECT_FALSE(CreateMissingTable(session_, GetParam()));
    db::Statement rows(session_.connection().Handle(), "SELECT count(*) FROM " + std::string(spec->name));
    ASSERT_TRUE(rows.Step());
    EXPECT_EQ(rows.ColumnInteger(0), 1);
    rows.Reset();
    session_.connection().Execute("DROP TABLE " + std::string(spec->name));
    EXPECT_FALSE(session_.TableExists(db::ALIAS_DOSSIER, spec->name));
    EXPECT_TRUE(CreateMissingTable(session_, GetParam()));
    EXPECT_TRUE(session_.TableExists(db::ALIAS_DOSSIER, spec->name));
    EXPECT_EQ(db::ReadIndexes(session_.connection(), "main", spec->name).size(), spec->indexes.size());
}

INSTANTIATE_TEST_SUITE_P(HostCopy, Suffixes,
                         ::testing::Values("kv1", "kv2", "kvm", "kv3", "kvp", "kva", "KVS"));

TEST_F(Schema, AnUnknownSuffixIsRefused) {
    EXPECT_THROW(CreateMissingTable(session_, "kvn"), db::DbError);
    EXPECT_EQ(FindTableOfSuffix(""), nullptr);
}

TEST_F(Schema, CreatingTheTablesAgainKeepsThemAsTheyAre) {
    session_.connection().Execute("INSERT INTO KOLMIKV2 (Designation) VALUES ('Frais')");
    CreateDossierTables(session_);
    db::Statement rows(session_.connection().Handle(), "SELECT Designation FROM KOLMIKV2");
    ASSERT_TRUE(rows.Step());
    EXPECT_EQ(rows.ColumnText(0), "Frais");
    rows.Reset();
}

}  // namespace
}  // namespace kvarn::store
