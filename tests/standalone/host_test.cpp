#include "host/fichiers.hpp"
#include "host/host.hpp"
#include "host/verifications.hpp"
#include "standalone/standalone_host.hpp"
#include "support/boites_vues.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/files.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace kvarn::standalone {
namespace {

namespace fs = std::filesystem;

class Host : public testing_support::DossierOuvert {};

TEST_F(Host, DirectoriesOfEachCode) {
    host::TEnvironnement& env = *host::pEnvironnement;
    EXPECT_EQ(env.NomFichier2(host::kRepertoireDossier), dir_.string());
    EXPECT_EQ(fs::path(env.NomFichier2(host::kRepertoireCommun)),
              fs::path(std::getenv("XDG_DATA_HOME")) / "kvarn");
    EXPECT_TRUE(fs::is_directory(env.NomFichier2(host::kRepertoireCommun)));
    EXPECT_TRUE(fs::exists(fs::path(env.NomFichier2(host::kRepertoireProgramme)) / "test_standalone"));
    EXPECT_EQ(env.NomFichier2(0x2000000), "");

    struct stat info {};
    const std::string temporary = env.NomFichier2(host::kRepertoireTemporaire);
    ASSERT_EQ(::stat(temporary.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(fs::path(temporary).parent_path(), fs::path(std::getenv("TMPDIR")));
}

TEST_F(Host, PrivateTemporaryDirectoryComesBackWhenRemoved) {
    const std::string first = host::pEnvironnement->NomFichier2(host::kRepertoireTemporaire);
    fs::remove_all(first);
    const std::string second = host::pEnvironnement->NomFichier2(host::kRepertoireTemporaire);
    EXPECT_TRUE(fs::is_directory(second));
    EXPECT_NE(first, second);
}

TEST_F(Host, BoxesAreRecordedWithTheirKindTextAndCaption) {
    boxes_.QueueAnswer(true);
    boxes_.QueueAnswer(false);
    host::ZORErreur("Le SIRET est faux");
    EXPECT_TRUE(host::ZORQuestion("Continuer ?", "Attention", host::kDeuxiemeBoutonParDefaut));
    EXPECT_FALSE(host::ZOROkAnnuler("Écraser ?", "Sauvegarde"));
    host::ZORDisplayException(1015 * 65536 + 3, std::runtime_error("table absente"));
    ASSERT_EQ(boxes_.shown().size(), 4u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Erreur);
    EXPECT_EQ(boxes_.shown()[0].texte, "Le SIRET est faux");
    EXPECT_EQ(boxes_.shown()[1].titre, "Attention");
    EXPECT_EQ(boxes_.shown()[1].drapeaux, 256);
    EXPECT_EQ(boxes_.shown()[3].texte, "1015:3 table absente");
    EXPECT_EQ(boxes_.pendingAnswers(), 0u);
}

TEST(HostFiles, ExistenceDeletionEmptyingAndFreeSpace) {
    const fs::path dir = testing_support::FreshDirectory("fichiers");
    for (const char* file : {"a.txt", "garder.txt", "sous/b.txt"}) testing_support::WriteBytes(dir / file, file);
    EXPECT_TRUE(host::ZORFileExist((dir / "a.txt").string()));
    EXPECT_TRUE(host::ZorFileDirDelete((dir / "a.txt").string()));
    EXPECT_FALSE(host::ZORFileExist((dir / "a.txt").string()));
    const std::vector<std::string> keep{"garder.txt"};
    EXPECT_TRUE(host::ZorDirDeleteContenu(dir.string(), &keep));
    EXPECT_TRUE(fs::exists(dir / "garder.txt"));
    EXPECT_FALSE(fs::exists(dir / "sous"));
    std::int64_t free = -1;
    EXPECT_TRUE(host::ZORGetFreeSpace(dir.string(), free));
    EXPECT_GT(free, 0);
    EXPECT_FALSE(host::ZORGetFreeSpace((dir / "absent").string(), free));
}

TEST(HostWithoutDossier, RefusesADirectoryWithoutRecord) {
    EXPECT_THROW(StandaloneHost::Open(testing_support::FreshDirectory("vide")), std::runtime_error);
    EXPECT_EQ(host::pCurDossier, nullptr);
}

TEST(HostChecks, SiretRefusalShowsItsOwnBoxWithTheReason) {
    testing_support::ScriptedBoxes boxes;
    const auto hote = StandaloneHost::WithoutDossier({&boxes, nullptr, {}, {}});
    EXPECT_TRUE(host::VerificationDuSIRET("552081317"));
    EXPECT_FALSE(host::VerificationDuSIRET("55208131766523"));
    EXPECT_EQ(testing_support::Textes(boxes),
              std::vector<std::string>{"La clé du SIRET 55208131766523 est incorrecte"});
    EXPECT_EQ(boxes.shown()[0].type, host::TypeBoite::Erreur);

    EXPECT_FALSE(host::EstUnSIREN("552081318", true, false));
    EXPECT_TRUE(host::EstUnSIREN("552081318", false, false));  // the form alone
    EXPECT_FALSE(host::EstUnNumeroTVAIntraCommFrancaisValide("FR04552081317", false));
    EXPECT_EQ(boxes.shown().size(), 1u);  // asked not to report
    EXPECT_NE(host::VerificationNumeroFiscal(L"1234567890066"), 0);
    EXPECT_EQ(host::VerificationNumeroFiscal(L"1234567890067"), 0);
    EXPECT_EQ(host::VerificationNumeroFiscal(L"12345678900é6"), 0);
}

}  // namespace
}  // namespace kvarn::standalone
