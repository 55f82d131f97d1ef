// Damaged and hostile archives, and volumes that cannot be written: every failure is a clean
// code, leaves no partial file, never writes outside the directory restored into, and gives back
// what precedes the damage; with the manifest every changed byte is found.
#include "backup_fixture.hpp"

#include <algorithm>
#include <map>
#include <random>

namespace kvarn::backup::testing_support {
namespace {

constexpr std::uint16_t kDate = (2023 - 1980) << 9 | 12 << 5 | 31;
constexpr std::uint16_t kTime = 23 << 11 | 59 << 5 | 29;

// Where each file of a one-volume archive lies, read field by field as the format lays it out,
// apart from the engine's reader: its record, descriptor, name and stored bytes, and the end.
struct Entry {
    std::string stored;  // "S\\un", as a restore report names it
    std::string local;   // "S/un"
    std::size_t start, descriptor, name, data, end;
};

std::vector<Entry> EntriesOf(const std::string& archive) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(archive.data());
    const auto u16 = [&](std::size_t at) { return ReadU16(bytes + at); };
    std::vector<Entry> entries;
    std::size_t at = kHeaderSize + 2 + u16(kHeaderSize);
    for (std::size_t length; (length = u16(at)) != 0;) {
        std::string path = archive.substr(at + 2, length - 1);
        at += 2 + length;
        const std::uint16_t count = u16(at + 4);
        at += 8 + u16(at + 6);
        std::string local = path == ".\\" ? "" : path;
        std::replace(local.begin(), local.end(), '\\', '/');
        for (std::uint16_t i = 0; i < count; ++i) {
            Entry e{};
            e.start = at;
            e.descriptor = at + 2;
            e.name = e.descriptor + kFileDescSize;
            e.data = at + 2 + u16(at);
            const std::string name = archive.substr(e.name, e.data - e.name);
            e.end = e.data + ReadU32(bytes + e.descriptor + 4);
            e.stored = path + name;
            e.local = local + name;
            entries.push_back(e);
            at = e.end;
        }
    }
    return entries;
}

enum class Kind { HandWritten, Engine };

struct Outcome {
    BR_CODE code;
    RestoreReport report;
    std::map<std::string, std::string> files;  // restored, by full path
};

// Restores damaged copies of one archive the way kvarn restaurer does without --ecraser, into
// memory, and compares what comes back with the whole archive's restore.
class Damaged : public BackupTest {
protected:
    void MakeArchive(Kind kind) {
        if (kind == Kind::HandWritten) {
            archive_ = ArchiveBytes()
                           .Description("desc")
                           .Pattern("S\\", 9, 2)
                           .StoredFile("un", "1111", 0x20, kDate, kTime)
                           .StoredFile("deux", "22222", 0x20, kDate, kTime)
                           .Pattern(".\\", 3, 1)
                           .StoredFile("trois", "333", 0x20, kDate, kTime)
                           .End()
                           .str();
        } else {
            WriteBytes(source_ / "S" / "compressible", std::string(3000, 'c') + "fin");
            WriteBytes(source_ / "S" / "aleatoire", RandomBytes(100, 1));
            WriteBytes(source_ / "S" / "T" / "grand", RandomBytes(300, 2));
            WriteBytes(source_ / "racine", std::string(500, 'r'));
            WriteBytes(source_ / "vide", "");
            WriteBytes(source_ / ".profil", "p");
            CBackupRestore& component = Component();
            component.SetSubDirectory(true);
            component.SetManifest(true);
            ASSERT_EQ(BackupTo(), BR_OK);
            archive_ = ReadBytes(Volume());
        }
        entries_ = EntriesOf(archive_);
        whole_ = Restore(archive_, kind == Kind::Engine);
        ASSERT_EQ(whole_.code, BR_OK);
        ASSERT_EQ(whole_.files.size(), entries_.size());
    }

    Outcome Restore(const std::string& bytes, bool withManifest) {
        WriteBytes(Volume(), bytes);
        Outcome outcome{};
        CBackupRestore& component = Component();
        os_->memoryTarget = &outcome.files;
        component.SetReplaceExisting(false);
        component.SetManifest(withManifest);
        outcome.code = RestoreFrom();
        outcome.report = component.GetRestoreReport();
        return outcome;
    }

    std::string PathOf(const Entry& entry) const { return (target_ / entry.local).string(); }

    // Every file whose entry ends by `offset` came back whole.
    void ExpectEverythingBefore(const Outcome& outcome, std::size_t offset) {
        for (const Entry& entry : entries_) {
            if (entry.end > offset) continue;
            ASSERT_EQ(outcome.files.count(PathOf(entry)), 1u) << entry.stored;
            EXPECT_TRUE(outcome.files.at(PathOf(entry)) == whole_.files.at(PathOf(entry)))
                << entry.stored;
        }
    }

    // No file came back that was not saved so, whole.
    void ExpectNothingElse(const Outcome& outcome) {
        for (const auto& [path, bytes] : outcome.files)
            EXPECT_TRUE(whole_.files.count(path) && whole_.files.at(path) == bytes) << path;
    }

    std::string archive_;
    std::vector<Entry> entries_;
    Outcome whole_;
};

class Truncated : public Damaged, public testing::WithParamInterface<Kind> {};

TEST_P(Truncated, EveryCutGivesBackEveryFileBeforeItAndOnlyWholeFiles) {
    MakeArchive(GetParam());
    for (std::size_t length = 0; length < archive_.size(); ++length) {
        const Outcome outcome = Restore(archive_.substr(0, length), false);
        EXPECT_EQ(outcome.code, length < 32 ? BR_ERR_SRC_FILE_READ_ERROR : BR_ERR_BR_FILE_CORRUPTED)
            << "cut at " << length;
        ExpectEverythingBefore(outcome, length);
        ExpectNothingElse(outcome);
    }
}

INSTANTIATE_TEST_SUITE_P(Archives, Truncated, testing::Values(Kind::HandWritten, Kind::Engine));

// A changed byte in a file's descriptor or stored bytes is laid to that file; in its length word or
// its name, the file before it is the last one read whole.
TEST_F(Damaged, EveryFlippedByteIsReportedWithTheManifestAndWhatPrecedesItComesBack) {
    MakeArchive(Kind::Engine);
    std::mt19937 engine(20240601);
    for (int flip = 0; flip < 200; ++flip) {
        const std::size_t offset = engine() % archive_.size();
        std::string bytes = archive_;
        bytes[offset] = static_cast<char>(bytes[offset] ^ (1 + engine() % 255));
        SCOPED_TRACE("byte " + std::to_string(offset));
        ExpectEverythingBefore(Restore(bytes, false), offset);

        const Outcome checked = Restore(bytes, true);
        ExpectEverythingBefore(checked, offset);
        ExpectNothingElse(checked);
        EXPECT_TRUE(checked.code != BR_OK || checked.report.manifest == ManifestUse::OtherArchive);
        const auto in = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
            return e.start <= offset && offset < e.end;
        });
        if (in == entries_.end()) continue;
        EXPECT_EQ(checked.files.count(PathOf(*in)), 0u);
        EXPECT_EQ(checked.report.stoppedAfter, in == entries_.begin() ? "" : (in - 1)->stored);
        if ((offset >= in->descriptor && offset < in->name) || offset >= in->data) {
            EXPECT_EQ(checked.report.stoppedIn, in->stored);
        }
    }
}

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

// Hand-written volumes at the edges of what the reader takes: the code each ends with, and how
// many files come back.
struct VolumeCase {
    const char* label;
    std::string bytes;
    BR_CODE code;
    std::size_t restored;
};

class HandWrittenVolume : public BackupTest, public testing::WithParamInterface<VolumeCase> {};

TEST_P(HandWrittenVolume, EndsWithItsCodeAndRestoresOnlyWholeFiles) {
    WriteBytes(Volume(), GetParam().bytes);
    EXPECT_EQ(RestoreFrom(), GetParam().code);
    EXPECT_EQ(FilesBelow(target_).size(), GetParam().restored);
}

std::string OneFile(ArchiveBytes header, const std::string& path) {
    return header.Description("").Pattern(path, 1, 1).StoredFile("F", "f", 0x20, kDate, kTime).End().str();
}

const std::string k260 = std::string(100, 'a') + "\\" + std::string(100, 'b') + "\\" +
                         std::string(57, 'c') + "\\";
constexpr BR_CODE kCorrupted = BR_ERR_BR_FILE_CORRUPTED;

INSTANTIATE_TEST_SUITE_P(
    Edges, HandWrittenVolume,
    testing::Values(VolumeCase{"path_word_261", OneFile(ArchiveBytes(), k260), BR_OK, 1},
                    VolumeCase{"path_word_262", OneFile(ArchiveBytes(), k260 + "d"), kCorrupted, 0},
                    VolumeCase{"signature", OneFile(ArchiveBytes(7, 1, 0x7484), ".\\"), kCorrupted, 0},
                    VolumeCase{"volume_two_first", OneFile(ArchiveBytes(7, 2), ".\\"), kCorrupted, 0},
                    VolumeCase{"volume_zero", OneFile(ArchiveBytes(7, 0), ".\\"), kCorrupted, 0}),
    ByLabel());

}  // namespace
}  // namespace kvarn::backup::testing_support
