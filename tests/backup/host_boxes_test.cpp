// The built-in behaviours through the host: the disk request, the end messages after a backup
// and a restore, errors, and the progress window, as the host's boxes and bar receive them.
#include "backup_fixture.hpp"

#include "host/host.hpp"
#include "support/scripted_boxes.hpp"

namespace kvarn::backup::testing_support {
namespace {

using host::TypeBoite;
using kvarn::testing_support::BoxShown;
using kvarn::testing_support::ScriptedBoxes;

class RecordedBar final : public host::CBarre {
public:
    explicit RecordedBar(std::vector<std::string>& texts) : texts_(texts) {}
    void SetTexte(const std::string& texte) override { texts_.push_back(texte); }
    void SetMax(long) override {}
    void SetPosition(long position) override { EXPECT_LE(position, 100); }
    void Avancer() override {}

private:
    std::vector<std::string>& texts_;
};

class ThroughTheHost : public BackupTest {
protected:
    void SetUp() override {
        BackupTest::SetUp();
        host::InstallHost({nullptr, nullptr, &boxes_, nullptr, [this](const std::string& texte) {
                               barTexts_.push_back(texte);
                               return std::make_unique<RecordedBar>(barTexts_);
                           }});
    }
    void TearDown() override {
        host::UninstallHost();
        BackupTest::TearDown();
    }

    // A removable drive holding disk 1, the component showing things through the host.
    CBackupRestore& HostComponent() {
        CBackupRestore& component = RemovableComponent(100000);
        component.SetPrompter(nullptr);
        fs::create_directories(Disk(1));
        drive_->Insert(Disk(1));
        return component;
    }

    std::vector<std::string> Boxes(TypeBoite type) const {
        std::vector<std::string> texts;
        for (const BoxShown& box : boxes_.shown())
            if (box.type == type) texts.push_back(box.titre + "|" + box.texte);
        return texts;
    }

    ScriptedBoxes boxes_;
    std::vector<std::string> barTexts_;
};

TEST_F(ThroughTheHost, DiskRequestsAndEndMessagesOfABackupAndARestore) {
    WriteBytes(source_ / "BILAN.TXT", std::string(5000, 'b'));
    boxes_.QueueAnswer(true);
    HostComponent();
    ASSERT_EQ(BackupTo(), BR_OK);
    boxes_.QueueAnswer(true);
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(ReadBytes(target_ / "BILAN.TXT"), std::string(5000, 'b'));
    const std::vector<std::string> request{"Insertion disquette|Insérer la disquette N° 1"};
    EXPECT_EQ(Boxes(TypeBoite::OkAnnuler), (std::vector<std::string>{request[0], request[0]}));
    EXPECT_EQ(Boxes(TypeBoite::MsgBox),
              (std::vector<std::string>{"Résultat de la sauvegarde|Opération réussie avec succès",
                                        "Résultat de la restauration|Opération réussie avec succès"}));
    EXPECT_EQ(boxes_.shown().back().drapeaux, host::kIconeAttention);
    ASSERT_GE(barTexts_.size(), 2u);
    EXPECT_EQ(barTexts_.front(), "Compression en cours");
    EXPECT_NE(std::find(barTexts_.begin(), barTexts_.end(), "Décompression en cours : BILAN.TXT"),
              barTexts_.end());
}

TEST_F(ThroughTheHost, CancelledRequestAndErrorsUseTheHostsBoxes) {
    WriteBytes(source_ / "F", "f");
    boxes_.QueueAnswer(false);
    HostComponent();
    EXPECT_EQ(BackupTo(), BR_ERR_ACTION_CANCELED);
    EXPECT_EQ(Boxes(TypeBoite::MsgBox),
              std::vector<std::string>{"Résultat de la sauvegarde|Processus abandonné"});
    fs::remove_all(source_);
    HostComponent();
    EXPECT_EQ(BackupTo(), BR_ERR_BR_PATH_NOT_FOUND);
    EXPECT_EQ(Boxes(TypeBoite::Erreur),
              std::vector<std::string>{"Erreur|Répertoire Backup/Restore non trouvé"});
    EXPECT_EQ(boxes_.pendingAnswers(), 0u);
}

}  // namespace
}  // namespace kvarn::backup::testing_support
