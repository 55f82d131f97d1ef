#include "environment/environ_kv.hpp"

#include "common/dates.hpp"
#include "support/dossier_ouvert.hpp"
#include "host/environnement.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
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

// --- Operations 2 to 13, 15 and 45: the texts, each from its place in the host or the module ---

TEST_F(Environ, TextsComeFromTheHostOrTheModule) {
    const cEnvironBaseKV& env = env_;
    std::string textes;
    for (const auto operation :
         {&cEnvironBaseKV::GetRaisonSociale, &cEnvironBaseKV::GetNomDossier, &cEnvironBaseKV::GetPrenomDossier,
          &cEnvironBaseKV::GetLibelleDossier, &cEnvironBaseKV::GetRepDossier, &cEnvironBaseKV::GetRepCommun,
          &cEnvironBaseKV::GetRepExe, &cEnvironBaseKV::GetNomSession, &cEnvironBaseKV::GetAliasDossier,
          &cEnvironBaseKV::GetAliasTmp, &cEnvironBaseKV::GetAliasCommun, &cEnvironBaseKV::GetFichierINI})
        textes += (env.*operation)() + "|";
    EXPECT_EQ(textes, "SARL Dupont & Fils|Dupont|Jeanne|SARL Dupont - exercice 2025|" + dir_.string() + "|" +
                          (fs::path(std::getenv("XDG_DATA_HOME")) / "kvarn").string() + "|" +
                          fs::read_symlink("/proc/self/exe").parent_path().string() +
                          "||ZOR_DOSSIER|ZOR_TMP|ZOR_COMMUN||");
}

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

// --- Operations 1, 46 and 47: the settings store's life ---

TEST_F(Environ, TheStoreOpensInSectionKVOnceAndItsFileOutlivesIt) {
    EXPECT_EQ(env_.GestIni(), nullptr);
    env_.Initialiser();
    CGestTRPIni* premier = env_.GestIni();
    ASSERT_NE(premier, nullptr);
    EXPECT_EQ(premier->Section(), "KV");
    EXPECT_EQ(premier->Chemin(), dir_ / "KOLMI$$G.dat");
    premier->SetInteger("NbParts", 100);
    premier->SetSection("CERFA");
    env_.CreateFichierIni();  // creating again keeps the store as it is
    EXPECT_EQ(env_.GestIni(), premier);
    EXPECT_EQ(env_.GestIni()->Section(), "CERFA");
    env_.DetruireFichierIni();
    EXPECT_EQ(env_.GestIni(), nullptr);
    env_.CreateFichierIni();
    EXPECT_EQ(env_.GestIni()->Section(), "KV");
    EXPECT_EQ(env_.GestIni()->GetInteger("NbParts", 0), 100);
}

}  // namespace
}  // namespace kvarn::environment
