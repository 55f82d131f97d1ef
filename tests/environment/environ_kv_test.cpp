#include "environment/environ_kv.hpp"

#include "common/dates.hpp"
#include "support/dossier_ouvert.hpp"
#include "host/environnement.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

namespace kvarn::environment {
namespace {

namespace fs = std::filesystem;

class Environ : public testing_support::DossierOuvert {
protected:
    cEnvironKV env_;
};

// --- Operations 2 to 13, 15 and 45: the texts, from the host or the module's constants ---

struct OperationTexte {
    const char* nom;
    std::string (cEnvironBaseKV::*operation)() const;
    std::function<std::string(const fs::path& dossier)> attendu;
};

class TextOperation : public Environ, public testing::WithParamInterface<OperationTexte> {};

TEST_P(TextOperation, AnswersFromTheHostOrTheModule) {
    const cEnvironBaseKV& env = env_;
    EXPECT_EQ((env.*GetParam().operation)(), GetParam().attendu(dir_));
}

std::string Constant(const char* texte) { return texte; }

INSTANTIATE_TEST_SUITE_P(
    Frame, TextOperation,
    testing::Values(
        OperationTexte{"RaisonSociale", &cEnvironBaseKV::GetRaisonSociale,
                       [](const fs::path&) { return Constant("SARL Dupont & Fils"); }},
        OperationTexte{"NomDossier", &cEnvironBaseKV::GetNomDossier,
                       [](const fs::path&) { return Constant("Dupont"); }},
        OperationTexte{"PrenomDossier", &cEnvironBaseKV::GetPrenomDossier,
                       [](const fs::path&) { return Constant("Jeanne"); }},
        OperationTexte{"LibelleDossier", &cEnvironBaseKV::GetLibelleDossier,
                       [](const fs::path&) { return Constant("SARL Dupont - exercice 2025"); }},
        OperationTexte{"RepDossier", &cEnvironBaseKV::GetRepDossier, [](const fs::path& d) { return d.string(); }},
        OperationTexte{"RepCommun", &cEnvironBaseKV::GetRepCommun,
                       [](const fs::path&) { return (fs::path(std::getenv("XDG_DATA_HOME")) / "kvarn").string(); }},
        OperationTexte{"RepExe", &cEnvironBaseKV::GetRepExe,
                       [](const fs::path&) { return fs::read_symlink("/proc/self/exe").parent_path().string(); }},
        OperationTexte{"NomSession", &cEnvironBaseKV::GetNomSession, [](const fs::path&) { return Constant(""); }},
        OperationTexte{"AliasDossier", &cEnvironBaseKV::GetAliasDossier,
                       [](const fs::path&) { return Constant("ZOR_DOSSIER"); }},
        OperationTexte{"AliasTmp", &cEnvironBaseKV::GetAliasTmp, [](const fs::path&) { return Constant("ZOR_TMP"); }},
        OperationTexte{"AliasCommun", &cEnvironBaseKV::GetAliasCommun,
                       [](const fs::path&) { return Constant("ZOR_COMMUN"); }},
        OperationTexte{"FichierINI", &cEnvironBaseKV::GetFichierINI, [](const fs::path&) { return Constant(""); }}),
    testing_support::NomDuCas());

TEST_F(Environ, ThereIsAUserAndTheTemporaryDirectoryIsPrivate) {
    EXPECT_FALSE(env_.GetNomUtilisateur().empty());
    EXPECT_EQ(fs::path(env_.GetRepTmp()).parent_path(), fs::path(std::getenv("TMPDIR")));
}

TEST_F(Environ, WithoutAHostTheOperationsRefuseInFrench) {
    host_.reset();
    EXPECT_THROW(env_.GetRepDossier(), std::runtime_error);
    EXPECT_THROW(env_.GetNomDossier(), std::runtime_error);
    EXPECT_EQ(env_.GetAliasDossier(), "ZOR_DOSSIER");  // the module's own constants need no host
}

// --- Operation 14: ISA processing needs all three conditions ---

class IsaProcessing : public Environ, public testing::WithParamInterface<std::tuple<bool, bool, bool>> {};

TEST_P(IsaProcessing, TrueOnlyWhenStartedByIsaLinkedAndExported) {
    const auto [lance, identifiant, export_] = GetParam();
    ModifierDossier({{"Hote", "LanceParISAGI", lance ? "1" : "0"},
                     {"Dossier", "IdentifiantISA", identifiant ? "ISA-0042" : ""},
                     {"Dossier", "DernierExportISACOMPTA", export_ ? "15/03/2025" : ""}});
    EXPECT_EQ(env_.GetTraitementISAGI(), lance && identifiant && export_);
}

INSTANTIATE_TEST_SUITE_P(Frame, IsaProcessing, testing::Combine(testing::Bool(), testing::Bool(), testing::Bool()));

// --- Operation 44: the table copy asks the host in a fixed order ---

class RecordingEnvironment final : public host::TEnvironnement {
public:
    struct Copie {
        std::uint32_t code;
        std::string suffixe;
        bool remplacer;
        bool operator==(const Copie&) const = default;
    };
    std::string GetRaisonSociale() const override { return {}; }
    std::string NomFichier2(std::uint32_t) const override { return {}; }
    bool EstLanceParISAGI() const override { return false; }
    bool AssistantEstInstalle(int) const override { return false; }
    void DuplicateTableAssistants(std::uint32_t code, const std::string& suffixe, bool remplacer) override {
        copies.push_back({code, suffixe, remplacer});
    }
    std::string NomUtilisateur() const override { return {}; }
    void SetTableCreator(host::TableCreator) override {}

    std::vector<Copie> copies;
};

TEST_F(Environ, CopiesTheSevenTablesInOrderSkippingOneCode) {
    RecordingEnvironment enregistreur;
    host::TEnvironnement* installe = std::exchange(host::pEnvironnement, &enregistreur);
    env_.CopierTables();
    host::pEnvironnement = installe;
    using C = RecordingEnvironment::Copie;
    EXPECT_EQ(enregistreur.copies,
              (std::vector<C>{{0x89A00FF, "kv1", false}, {0x89A0100, "kv2", false}, {0x89A0101, "kvm", false},
                              {0x89A0103, "kv3", false}, {0x89A0104, "kvp", false}, {0x89A0105, "kva", false},
                              {0x89A0106, "kvs", false}}));
}

TEST_F(Environ, CopyReachesTheStandaloneHostsTableCreator) {
    std::vector<std::string> crees;
    host::pEnvironnement->SetTableCreator([&](const std::string& suffixe) { crees.push_back(suffixe); });
    env_.CopierTables();
    host::pEnvironnement->SetTableCreator({});
    EXPECT_EQ(crees, (std::vector<std::string>{"kv1", "kv2", "kvm", "kv3", "kvp", "kva", "kvs"}));
}

// --- Operations 1, 46 and 47: the settings store's life ---

TEST_F(Environ, InitialisingOpensTheDossiersStoreInSectionKV) {
    EXPECT_EQ(env_.GestIni(), nullptr);
    env_.Initialiser();
    ASSERT_NE(env_.GestIni(), nullptr);
    EXPECT_EQ(env_.GestIni()->Section(), "KV");
    EXPECT_EQ(env_.GestIni()->Chemin(), dir_ / "KOLMI$$G.dat");
}

TEST_F(Environ, CreatingAgainKeepsTheStoreAsItIs) {
    env_.CreateFichierIni();
    CGestTRPIni* premier = env_.GestIni();
    premier->SetSection("CERFA");
    env_.CreateFichierIni();
    EXPECT_EQ(env_.GestIni(), premier);
    EXPECT_EQ(env_.GestIni()->Section(), "CERFA");
}

TEST_F(Environ, DestroyingForgetsTheStoreAndKeepsItsFile) {
    env_.Initialiser();
    env_.GestIni()->SetInteger("NbParts", 100);
    env_.DetruireFichierIni();
    EXPECT_EQ(env_.GestIni(), nullptr);
    env_.CreateFichierIni();
    EXPECT_EQ(env_.GestIni()->Section(), "KV");
    EXPECT_EQ(env_.GestIni()->GetInteger("NbParts", 0), 100);
}

}  // namespace
}  // namespace kvarn::environment
