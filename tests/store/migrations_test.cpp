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

// The versions a dossier records, the steps that run (0: the table copy), the versions after.
struct Depart {
    const char* nom;
    std::optional<int> structure, donnees;
    std::vector<std::uint32_t> executees;
    std::uint32_t structureApres, donneesApres;
};

class VersionsEnregistrees : public Migrations, public testing::WithParamInterface<Depart> {};

// The data chain runs whole for a dossier whose structure predates it (versions 1 to 0x10407).
TEST_P(VersionsEnregistrees, RunTheStepsAboveThemThenRecordTheLast) {
    const Depart& d = GetParam();
    Versions(d.structure, d.donnees);
    Executer();
    EXPECT_EQ(executees_, d.executees);
    EXPECT_EQ(Version(kServiceStructure), d.structureApres);
    EXPECT_EQ(Version(kServiceDonnees), d.donneesApres);
}

INSTANTIATE_TEST_SUITE_P(
    Dossiers, VersionsEnregistrees,
    testing::Values(Depart{"Nouveau", std::nullopt, std::nullopt, {0}, 0, 0},
                    Depart{"Actuel", 0x11504, 0x21000, {0}, 0x11504, 0x21000},
                    // Created at 0: every structure step runs again (each finds its column there), no data step.
                    Depart{"Version0", 0, std::nullopt, {0x10100, 0x10404, 0x10408, 0x11504, 0}, 0x11504, 0},
                    Depart{"Version1", 1, std::nullopt,
                           {0x10100, 0x10404, 0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000}, 0x11504, 0x21000},
                    Depart{"Version10404", 0x10404, std::nullopt, {0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000},
                           0x11504, 0x21000},
                    Depart{"Version10407", 0x10407, std::nullopt, {0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000},
                           0x11504, 0x21000},
                    Depart{"Version10408", 0x10408, std::nullopt, {0x11504, 0}, 0x11504, 0},
                    Depart{"StructureActuelle", 0x11504, std::nullopt, {0}, 0x11504, 0}),
    testing_support::NomDuCas());

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
