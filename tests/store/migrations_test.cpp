#include "store/migrations.hpp"

#include "environment/gest_trp_ini.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kvarn::store {
namespace {

class Migrations : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        parametres_ = std::make_unique<environment::CGestTRPIni>();
    }

    // A step that records its number when it runs, and fails when asked to.
    EtapeMigration Etape(std::uint32_t numero, bool echoue = false) {
        return {[this, numero, echoue] {
                    executees_.push_back(numero);
                    if (echoue) throw std::runtime_error("étape en échec");
                },
                "Migration " + std::to_string(numero), numero};
    }

    void Versions(std::optional<int> structure, std::optional<int> donnees) {
        if (structure) parametres_->SetAssInteger(kServiceStructure, kCleMigrations, *structure);
        if (donnees) parametres_->SetAssInteger(kServiceDonnees, kCleMigrations, *donnees);
    }

    std::optional<std::uint32_t> Version(const char* service) {
        return CMigrations(service, *parametres_).VersionEnregistree();
    }

    void Executer() {
        ChainesMigration chaines{{Etape(0x10100), Etape(0x10404), Etape(0x10408), Etape(0x11504)},
                                 {Etape(0x10500), Etape(0x10501), Etape(0x21000)}};
        ExecuterMigrations(*parametres_, chaines, [this] { executees_.push_back(0); });
    }

    std::unique_ptr<environment::CGestTRPIni> parametres_;
    std::vector<std::uint32_t> executees_;  // step numbers in the order run; 0 is the table copy
};

TEST_F(Migrations, NewDossierRunsNothingAndIsRecordedAsCreated) {
    Executer();
    EXPECT_EQ(executees_, std::vector<std::uint32_t>{0});
    EXPECT_EQ(Version(kServiceStructure), 0u);
    EXPECT_EQ(Version(kServiceDonnees), 0u);
}

TEST_F(Migrations, DossierInTheCurrentLayoutRunsNothing) {
    Versions(0x11504, 0x21000);
    Executer();
    EXPECT_EQ(executees_, std::vector<std::uint32_t>{0});
}

TEST_F(Migrations, RecordedVersionRunsTheStepsAboveIt) {
    Versions(0x10404, std::nullopt);
    Executer();
    // Structure from 0x10408 on, the copy, then the whole data chain: the dossier predates it.
    EXPECT_EQ(executees_, (std::vector<std::uint32_t>{0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000}));
    EXPECT_EQ(Version(kServiceStructure), 0x11504u);
    EXPECT_EQ(Version(kServiceDonnees), 0x21000u);
}

class DataChainOfOldDossiers : public Migrations, public testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(DataChainOfOldDossiers, RunsForStructureVersionsOneToTheLastBeforeIt) {
    const auto [structure, runs] = GetParam();
    Versions(structure, std::nullopt);
    Executer();
    const bool ranData = std::find(executees_.begin(), executees_.end(), 0x10500u) != executees_.end();
    EXPECT_EQ(ranData, runs);
    EXPECT_EQ(Version(kServiceDonnees), runs ? std::optional<std::uint32_t>(0x21000) : std::optional<std::uint32_t>(0));
}

INSTANTIATE_TEST_SUITE_P(Versions, DataChainOfOldDossiers,
                         testing::Values(std::pair{0, false}, std::pair{1, true}, std::pair{0x10407, true},
                                         std::pair{0x10408, false}, std::pair{0x11504, false}));

TEST_F(Migrations, FailingStepIsNotRecordedAndStopsTheChain) {
    Versions(0x10100, 0x21000);
    ChainesMigration chaines{{Etape(0x10100), Etape(0x10404), Etape(0x10408, true), Etape(0x11504)}, {}};
    ExecuterMigrations(*parametres_, chaines, [] {});
    EXPECT_EQ(executees_, (std::vector<std::uint32_t>{0x10404, 0x10408}));
    EXPECT_EQ(Version(kServiceStructure), 0x10404u);
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Exception);
    EXPECT_NE(boxes_.shown()[0].texte.find("1015:"), std::string::npos);
    // The next start-up resumes at the failed step.
    executees_.clear();
    ChainesMigration reparees{{Etape(0x10100), Etape(0x10404), Etape(0x10408), Etape(0x11504)}, {}};
    ExecuterMigrations(*parametres_, reparees, [] {});
    EXPECT_EQ(executees_, (std::vector<std::uint32_t>{0x10408, 0x11504}));
}

}  // namespace
}  // namespace kvarn::store
