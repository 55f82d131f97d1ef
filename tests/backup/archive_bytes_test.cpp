// Archives as bytes: one written by hand restores, and a backup writes exactly the bytes the test
// expects.
#include "backup_fixture.hpp"

#include <sys/stat.h>

namespace kvarn::backup::testing_support {
namespace {

// 15/03/2024 10:30:20 as MS-DOS words.
constexpr std::uint16_t kDate = (2024 - 1980) << 9 | 3 << 5 | 15;
constexpr std::uint16_t kTime = 10 << 11 | 30 << 5 | 20 / 2;

class HandWrittenArchive : public BackupTest, public testing::WithParamInterface<std::string> {};

TEST_P(HandWrittenArchive, RestoresEveryFileWithItsNameTimeAndAttributes) {
    const std::string rootForm = GetParam();
    WriteBytes(Volume(), ArchiveBytes()
                             .Description("Dossier 2024")
                             .Pattern("S\\", 7, 1)
                             .StoredFile("Note \xE9t\xE9.txt", "note\r\n\x80", 0x20, kDate, kTime)
                             .Pattern(rootForm, 17, 2)
                             .StoredFile("BILAN.TXT", "Bilan 2024\r\n", 0x20, kDate, kTime)
                             .StoredFile("LISEZ", "lisez", 0x21, kDate, kTime)
                             .End()
                             .str());
    std::string description;
    Component().OnBeginRestore = [&](CBackupRestore&, std::uint16_t size,
                                     const std::vector<std::uint8_t>& desc, std::uint16_t,
                                     std::uint16_t, bool&) {
        description.assign(desc.begin(), desc.begin() + size);
    };
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(description, "Dossier 2024");
    EXPECT_EQ(FilesBelow(target_),
              (std::vector<std::string>{"BILAN.TXT", "LISEZ", "S/Note été.txt"}));
    EXPECT_EQ(ReadBytes(target_ / "S" / "Note été.txt"), "note\r\n\x80");
    EXPECT_EQ(ReadBytes(target_ / "BILAN.TXT"), "Bilan 2024\r\n");
    EXPECT_EQ(Modified(target_ / "BILAN.TXT"), LocalTime(2024, 3, 15, 10, 30, 20));
    EXPECT_NE(fs::status(target_ / "BILAN.TXT").permissions() & fs::perms::owner_write,
              fs::perms::none);
    const fs::perms writable = fs::perms::owner_write | fs::perms::group_write |
                               fs::perms::others_write;
    EXPECT_EQ(fs::status(target_ / "LISEZ").permissions() & writable, fs::perms::none)
        << "the read-only bit leaves no write permission";
    EXPECT_EQ(shown_.results, std::vector<std::string>{
                                  "Résultat de la restauration|Opération réussie avec succès"});
}

// "" and ".\" both name the directory restored into.
INSTANTIATE_TEST_SUITE_P(RootForms, HandWrittenArchive, testing::Values(".\\", ""));

TEST_F(BackupTest, WritesTheExpectedBytesForATreeOfStoredFiles) {
    WriteBytes(source_ / "A.TXT", "abc");
    WriteBytes(source_ / "S" / "b.txt", "xyz");
    WriteBytes(source_ / ".cache" / "ignored", "never archived");
    WriteBytes(source_ / ".profil", "p");
    fs::create_directories(source_ / "VIDE");
    for (const fs::path& file : {source_ / "A.TXT", source_ / "S" / "b.txt", source_ / ".profil"})
        SetModified(file, LocalTime(2024, 3, 15, 10, 30, 21));  // odd second: rounds down
    CBackupRestore& component = Component();
    component.SetSubDirectory(true);
    component.OnBeginBackup = [](CBackupRestore&, std::uint16_t max, std::uint16_t& size,
                                 std::vector<std::uint8_t>& desc, std::uint16_t&, std::uint16_t&) {
        EXPECT_EQ(max, 64508);
        desc = {'E', 's', 's', 'a', 'i'};
        size = 5;
    };
    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(BackupTo("sauvegarde"), BR_OK);
    const std::string written = ReadBytes(Volume());
    ASSERT_GE(written.size(), 8u);
    const std::uint32_t setId = static_cast<std::uint8_t>(written[4]) |
                                static_cast<std::uint8_t>(written[5]) << 8 |
                                static_cast<std::uint8_t>(written[6]) << 16 |
                                static_cast<std::uint32_t>(static_cast<std::uint8_t>(written[7]))
                                    << 24;
    EXPECT_GE(static_cast<std::time_t>(setId), before);
    EXPECT_LE(static_cast<std::time_t>(setId), std::time(nullptr));
    const std::string expected = ArchiveBytes(setId)
                                     .Description("Essai")
                                     .Pattern("S\\", 3, 1)
                                     .StoredFile("b.txt", "xyz", 0x20, kDate, kTime)
                                     .Pattern(".\\", 4, 2)
                                     .StoredFile(".profil", "p", 0x22, kDate, kTime)
                                     .StoredFile("A.TXT", "abc", 0x20, kDate, kTime)
                                     .End()
                                     .str();
    EXPECT_EQ(written, expected);
    EXPECT_EQ(VolumeDirectory(), std::vector<std::string>{"SAUVEGARDE.BR"});
}

}  // namespace
}  // namespace kvarn::backup::testing_support
