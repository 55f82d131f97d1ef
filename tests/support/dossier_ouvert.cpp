#include "support/dossier_ouvert.hpp"

#include "common/atomic_file.hpp"
#include "frame/etat_module.hpp"
#include "store/nouveau_dossier.hpp"
#include "support/files.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

namespace kvarn::testing_support {

namespace fs = std::filesystem;

void DossierOuvert::SetUp() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string nom = std::string(test->test_suite_name()) + "-" + test->name();
    for (char& c : nom)
        if (c == '/') c = '-';
    dir_ = fs::temp_directory_path() / nom;
    fs::remove_all(dir_);
    standalone::DossierFichier::Creer(dir_, {{"Dossier", "Nom", "Dupont"},
                                             {"Dossier", "Prenom", "Jeanne"},
                                             {"Dossier", "Libelle", "SARL Dupont - exercice 2025"},
                                             {"Dossier", "RaisonSociale", "SARL Dupont & Fils"}});
    host_ = standalone::StandaloneHost::Open(dir_, {&boxes_, &choice_, {}, {}});
}

void DossierOuvert::TearDown() { host_.reset(); }

void ModuleOuvert::SetUp() {
    DossierOuvert::SetUp();
    store::InitialiserNouveauDossier(dir_);
    InitDataModuleKV();
    ASSERT_NE(frame::DataModule(), nullptr);
}

void ModuleOuvert::TearDown() {
    DetruireDataModuleKV();
    DossierOuvert::TearDown();
}

void ModuleDemarre::SetUp() {
    ModuleOuvert::SetUp();
    InitKV();
}

void ModuleDemarre::TearDown() {
    DesinitKV();
    ModuleOuvert::TearDown();
}

void DossierOuvert::ModifierDossier(const std::vector<standalone::ValeurDossier>& valeurs) {
    host_->Dossier()->Modifier(valeurs);
}

fs::path DossierOuvert::FichierParametres() const { return dir_ / "KOLMI$$G.dat"; }

std::string DossierOuvert::OctetsParametres() const {
    return fs::exists(FichierParametres()) ? ReadWholeFile(FichierParametres()) : std::string();
}

void DossierOuvert::PlanterParametres(const std::string& octets) const {
    WriteBytes(FichierParametres(), octets);
}

}  // namespace kvarn::testing_support
