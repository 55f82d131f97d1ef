// How a subsystem plugs into the data module, shown by a subsystem of the test's own: its
// installer runs once per data module, its attacher at every start-up without stacking, and its
// state goes with the data module.
#include "store/data_module.hpp"
#include "store/installateurs.hpp"
#include "store/nouveau_dossier.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace kvarn::store {
namespace {

int g_installations = 0;
int g_etatsDetruits = 0;

struct EtatEssai final : EtatSousSysteme {
    ~EtatEssai() override { ++g_etatsDetruits; }
    int attachements = 0;
    int ecritures = 0;
};

void InstallerEssai(TdmKvarn& module) {
    ++g_installations;
    module.CreerEtat(std::make_unique<EtatEssai>());
    module.Gestionnaires().push_back([](TdmKvarn& m) {
        EtatEssai& etat = m.EtatDe<EtatEssai>();
        ++etat.attachements;
        m.Donnees().Composant("tblDiversFisc").AfterPost = [&etat](db::CTable&) { ++etat.ecritures; };
    });
}

const InscriptionInstallateur kInscription{"essai", &InstallerEssai};

class Installers : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        InitialiserNouveauDossier(dir_);
        g_installations = g_etatsDetruits = 0;
    }
};

TEST_F(Installers, RunOncePerDataModuleAttachAtEveryStartUpAndLeaveWithIt) {
    auto module = std::make_unique<TdmKvarn>();
    EXPECT_EQ(g_installations, 1);
    EtatEssai& etat = module->EtatDe<EtatEssai>();
    module->DemarrerDossier();
    module->DemarrerDossier();
    EXPECT_EQ(etat.attachements, 2);
    db::CTable& lignes = module->Donnees().Composant("tblDiversFisc");
    lignes.Open();
    lignes.Append();
    lignes.Post();
    EXPECT_EQ(etat.ecritures, 1);  // one handler, however many start-ups
    lignes.Close();

    module.reset();
    EXPECT_EQ(g_etatsDetruits, 1);
    module = std::make_unique<TdmKvarn>();
    EXPECT_EQ(g_installations, 2);
    EXPECT_EQ(module->EtatDe<EtatEssai>().attachements, 0);  // a fresh state
}

TEST_F(Installers, OneInstallerAndOneStatePerSubsystem) {
    EXPECT_FALSE(EnregistrerInstallateur("essai", &InstallerEssai));
    EXPECT_EQ(std::count_if(Installateurs().begin(), Installateurs().end(),
                            [](const auto& inscrit) { return inscrit.first == "essai"; }),
              1);
    TdmKvarn module;
    EXPECT_THROW(module.CreerEtat(std::make_unique<EtatEssai>()), std::logic_error);
    struct EtatAbsent final : EtatSousSysteme {};
    EXPECT_EQ(module.TrouverEtat<EtatAbsent>(), nullptr);
    EXPECT_THROW(module.EtatDe<EtatAbsent>(), std::logic_error);
}

}  // namespace
}  // namespace kvarn::store
