// Damaged and hostile archives, and volumes that cannot be written: every failure is a clean
// code, leaves no partial file, and never writes outside the directory restored into.
#include "backup_fixture.hpp"

#include <map>

namespace kvarn::backup::testing_support {
namespace {

constexpr std::uint16_t kDate = (2023 - 1980) << 9 | 12 << 5 | 31;
constexpr std::uint16_t kTime = 23 << 11 | 59 << 5 | 29;

std::map<std::string, std::string> Contents(const fs::path& root) {
    std::map<std::string, std::string> contents;
    for (const std::string& file : FilesBelow(root)) contents[file] = ReadBytes(root / file);
    return contents;
}

enum class Kind { HandWritten, Engine };

class Truncated : public BackupTest, public testing::WithParamInterface<Kind> {
protected:
    std::string MakeArchive() {
        if (GetParam() == Kind::HandWritten)
            return ArchiveBytes()
                .Description("desc")
                .Pattern("S\\", 9, 2)
                .StoredFile("un", "1111", 0x20, kDate, kTime)
                .StoredFile("deux", "22222", 0x20, kDate, kTime)
                .Pattern(".\\", 3, 1)
                .StoredFile("trois", "333", 0x20, kDate, kTime)
                .End()
                .str();
        WriteBytes(source_ / "S" / "compressible", std::string(3000, 'c') + "fin");
        WriteBytes(source_ / "S" / "aleatoire", RandomBytes(100, 1));
        WriteBytes(source_ / "racine", std::string(500, 'r'));
        Component().SetSubDirectory(true);
        EXPECT_EQ(BackupTo(), BR_OK);
        return ReadBytes(Volume());
    }
};

TEST_P(Truncated, EveryCutGivesACleanErrorAndOnlyWholeFiles) {
    const std::string archive = MakeArchive();
    WriteBytes(Volume(), archive);
    ASSERT_EQ(RestoreFrom(), BR_OK);
    const std::map<std::string, std::string> whole = Contents(target_);
    ASSERT_FALSE(whole.empty());
    for (std::size_t length = 0; length < archive.size(); ++length) {
        fs::remove_all(target_);
        WriteBytes(Volume(), archive.substr(0, length));
        const BR_CODE code = RestoreFrom();
        EXPECT_EQ(code, length < 32 ? BR_ERR_SRC_FILE_READ_ERROR : BR_ERR_BR_FILE_CORRUPTED)
            << "cut at " << length;
        for (const auto& [file, bytes] : Contents(target_)) {
            ASSERT_TRUE(whole.count(file)) << "stray " << file << " when cut at " << length;
            EXPECT_EQ(bytes, whole.at(file)) << "partial " << file << " when cut at " << length;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Archives, Truncated, testing::Values(Kind::HandWritten, Kind::Engine));

struct HostileCase {
    const char* label;
    std::string path;
    std::string name;
};

class Hostile : public BackupTest, public testing::WithParamInterface<HostileCase> {};

TEST_P(Hostile, IsRefusedAndWritesNothingAnywhere) {
    WriteBytes(Volume(), ArchiveBytes()
                             .Description("")
                             .Pattern("SAIN\\", 1, 1)
                             .StoredFile("sain", "s", 0x20, kDate, kTime)
                             .Pattern(GetParam().path, 6, 1)
                             .StoredFile(GetParam().name, "evasion", 0x20, kDate, kTime)
                             .End()
                             .str());
    EXPECT_EQ(RestoreFrom(), BR_ERR_BR_FILE_CORRUPTED);
    std::vector<std::string> everything = FilesBelow(root_);
    EXPECT_EQ(everything, (std::vector<std::string>{"cible/SAIN/sain", "volumes/SAUVEGARDE.BR"}));
    for (const auto& entry : fs::recursive_directory_iterator(root_.parent_path()))
        EXPECT_NE(entry.path().filename(), "evade") << entry.path();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Hostile,
    testing::Values(HostileCase{"parent_path", "..\\", "evade"},
                    HostileCase{"parent_deeper", "S\\..\\..\\", "evade"},
                    HostileCase{"parent_last", "S\\..", "evade"},
                    HostileCase{"slash_in_path", "S/../../", "evade"},
                    HostileCase{"nul_in_path", std::string("S\0..\\", 5), "evade"},
                    HostileCase{"z_drive_parent", "Z:\\..\\..\\", "evade"},
                    HostileCase{"other_drive_parent", "C:\\..\\..\\", "evade"},
                    HostileCase{"not_a_drive", "1:\\x\\", "evade"},
                    HostileCase{"name_parent", ".\\", ".."},
                    HostileCase{"name_dot", ".\\", "."},
                    HostileCase{"name_with_slash", ".\\", "../evade"},
                    HostileCase{"name_with_backslash", ".\\", "..\\evade"},
                    HostileCase{"name_absolute", ".\\", "/evade"},
                    HostileCase{"name_with_nul", ".\\", std::string("evade\0x", 7)},
                    HostileCase{"name_of_260", ".\\", std::string(260, 'e')}),
    ByLabel());

TEST_F(BackupTest, LinkedDirectoryInTheTargetIsNotFollowed) {
    fs::create_directories(root_ / "dehors");
    fs::create_directories(target_);
    fs::create_directory_symlink(root_ / "dehors", target_ / "S");
    WriteBytes(Volume(), ArchiveBytes()
                             .Description("")
                             .Pattern("S\\", 7, 1)
                             .StoredFile("evade", "evasion", 0x20, kDate, kTime)
                             .End()
                             .str());
    EXPECT_EQ(RestoreFrom(), BR_ERR_DEST_FILE_WRITE_ERROR);
    EXPECT_TRUE(fs::is_empty(root_ / "dehors"));
}

TEST_F(BackupTest, LinkInAFilesPlaceIsReplacedNotFollowed) {
    WriteBytes(root_ / "dehors" / "f", "intact");
    fs::create_directories(target_);
    fs::create_symlink(root_ / "dehors" / "f", target_ / "f");
    WriteBytes(target_ / "lecture", "ancien");
    fs::permissions(target_ / "lecture", fs::perms::owner_read);
    WriteBytes(Volume(), ArchiveBytes()
                             .Description("")
                             .Pattern(".\\", 14, 2)
                             .StoredFile("f", "nouveau", 0x20, kDate, kTime)
                             .StoredFile("lecture", "nouveau", 0x20, kDate, kTime)
                             .End()
                             .str());
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_FALSE(fs::is_symlink(target_ / "f"));
    EXPECT_EQ(ReadBytes(target_ / "f"), "nouveau");
    EXPECT_EQ(ReadBytes(root_ / "dehors" / "f"), "intact");
    EXPECT_EQ(ReadBytes(target_ / "lecture"), "nouveau") << "a read-only file is replaced";
}

class FailingWrite : public BackupTest, public testing::WithParamInterface<std::uint64_t> {};

TEST_P(FailingWrite, LeavesNoVolumeAndThePreviousOneWhole) {
    WriteBytes(source_ / "texte", std::string(40000, 't'));
    WriteBytes(source_ / "aleatoire", RandomBytes(60000, 2));
    WriteBytes(Volume(), "ancienne sauvegarde");
    Component();
    os_->volumeFailsAfter = GetParam();
    EXPECT_EQ(BackupTo(), BR_ERR_DEST_FILE_WRITE_ERROR);
    EXPECT_EQ(VolumeDirectory(), std::vector<std::string>{"SAUVEGARDE.BR"});
    EXPECT_EQ(ReadBytes(Volume()), "ancienne sauvegarde");
}

INSTANTIATE_TEST_SUITE_P(AfterBytes, FailingWrite,
                         testing::Values(0, 31, 32, 35, 60, 1000, 50000, 60100));

struct ExplodeDamage {
    const char* label;
    std::size_t offset;  // from the start of the file's record length word
    std::string bytes;
};

class DamagedImplodedFile : public BackupTest,
                            public testing::WithParamInterface<ExplodeDamage> {};

TEST_P(DamagedImplodedFile, FailsToExplodeAndLeavesNoFile) {
    WriteBytes(source_ / "F", std::string(70000, 'a'));
    ASSERT_EQ(BackupTo(), BR_OK);
    std::string archive = ReadBytes(Volume());
    // Header, U, P and ".\" with its zero, total, count and D: then the record of F.
    const std::size_t record = 32 + 2 + 2 + 3 + 4 + 2 + 2;
    ASSERT_EQ(archive[record + 2 + 14], '\x01') << "the file is imploded";
    archive.replace(record + GetParam().offset, GetParam().bytes.size(), GetParam().bytes);
    WriteBytes(Volume(), archive);
    EXPECT_EQ(RestoreFrom(), BR_ERR_EXPLODING_FILE);
    EXPECT_TRUE(FilesBelow(target_).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedImplodedFile,
    testing::Values(ExplodeDamage{"original_size_plus_one", 2, std::string("\x71\x11\x01\x00", 4)},
                    ExplodeDamage{"original_size_minus_one", 2, std::string("\x6F\x11\x01\x00", 4)},
                    ExplodeDamage{"bad_literal_mode", 2 + 16 + 1, "\x07"},
                    ExplodeDamage{"bad_dictionary", 2 + 16 + 2, "\x09"}),
    ByLabel());

struct HeaderCase {
    const char* label;
    std::uint16_t signature;
    std::uint16_t volume;
};

class WrongHeader : public BackupTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(WrongHeader, IsACorruptedArchive) {
    WriteBytes(Volume(), ArchiveBytes(7, GetParam().volume, GetParam().signature)
                             .Description("")
                             .Pattern(".\\", 1, 1)
                             .StoredFile("f", "f", 0x20, kDate, kTime)
                             .End()
                             .str());
    EXPECT_EQ(RestoreFrom(), BR_ERR_BR_FILE_CORRUPTED);
    EXPECT_TRUE(FilesBelow(target_).empty());
}

INSTANTIATE_TEST_SUITE_P(Headers, WrongHeader,
                         testing::Values(HeaderCase{"signature", 0x7484, 1},
                                         HeaderCase{"volume_two_first", 0x7485, 2},
                                         HeaderCase{"volume_zero", 0x7485, 0}),
                         ByLabel());

}  // namespace
}  // namespace kvarn::backup::testing_support
