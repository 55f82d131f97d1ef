// A dossier-like tree of a few hundred files of every kind and size goes through a backup and a
// restore elsewhere and comes back byte for byte, with its read-only files and its times.
#include "backup_fixture.hpp"

#include "common/clock.hpp"

#include <map>
#include <random>

namespace kvarn::backup::testing_support {
namespace {

struct SourceFile {
    std::string content;
    bool readOnly = false;
    std::time_t modified = 0;
};

std::string ContentFor(std::mt19937& engine, int index) {
    switch (index % 6) {
        case 0: return "";
        case 1: return RandomBytes(engine() % 20000, engine());
        case 2: return std::string(engine() % 50000, static_cast<char>('a' + index % 26));
        case 3: return "Compte " + std::to_string(index) + "\r\n" + std::string(index * 3, '=');
        case 4: return std::string(1, static_cast<char>(index));
        default: return RandomBytes(engine() % 300, engine());
    }
}

std::string NameFor(int index) {
    static const std::vector<std::string> stems{"f", "reçu n°", "Cœur ", ".conf", "BILAN_",
                                                "pièce jointe "};
    return stems[index % stems.size()] + std::to_string(index) + (index % 4 ? ".txt" : "");
}

class RoundTrip : public BackupTest {
protected:
    std::map<std::string, SourceFile> MakeTree() {
        const std::vector<std::string> dirs{"", "Comptes", "Comptes/2023", "Comptes/2024",
                                            "Pièces jointes", "Pièces jointes/Scans", "Å"};
        std::mt19937 engine(20240315);
        std::map<std::string, SourceFile> files;
        for (int i = 0; i < 320; ++i) {
            const std::string dir = dirs[engine() % dirs.size()];
            const std::string relative = (dir.empty() ? "" : dir + "/") + NameFor(i);
            SourceFile file{ContentFor(engine, i), i % 7 == 0,
                            LocalTime(1980 + static_cast<int>(engine() % 120), 1 + i % 12,
                                      1 + i % 28, 8 + i % 12, i % 60, i % 60)};
            files[relative] = file;
        }
        files["Comptes/grand aléatoire"] = {RandomBytes(400000, 9), false,
                                            LocalTime(2024, 1, 1, 12, 0, 0)};
        files["Comptes/grand répétitif"] = {std::string(1 << 20, 'z'), true,
                                            LocalTime(2107, 12, 31, 12, 0, 58)};
        for (const auto& [relative, file] : files) {
            WriteBytes(source_ / relative, file.content);
            SetModified(source_ / relative, file.modified);
            if (file.readOnly)
                fs::permissions(source_ / relative,
                                fs::perms::owner_read | fs::perms::group_read);
        }
        WriteBytes(source_ / ".git" / "HEAD", "ref: never archived");
        fs::create_directories(source_ / "vide" / "encore vide");
        return files;
    }
};

TEST_F(RoundTrip, ATreeComesBackByteForByteWithAttributesAndTimes) {
    const std::map<std::string, SourceFile> files = MakeTree();
    CBackupRestore& component = Component();
    component.SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_TRUE(component.GetWarnings().empty());
    EXPECT_GT(shown_.progressUpdates, 0);
    std::uint16_t hiddenSeen = 0;
    component.OnRestoreFile = [&](CBackupRestore&, BR_FILEDESC& desc, std::string& path, bool&) {
        if (fs::path(path).filename().string()[0] == '.') hiddenSeen |= desc.Attributes & 0x02;
    };
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(hiddenSeen, 0x02) << "dot-files carry the hidden bit";

    std::vector<std::string> expected;
    for (const auto& [relative, file] : files) expected.push_back(relative);
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(FilesBelow(target_), expected);
    for (const auto& [relative, file] : files) {
        const fs::path restored = target_ / relative;
        EXPECT_EQ(ReadBytes(restored), file.content) << relative;
        const bool writable =
            (fs::status(restored).permissions() & fs::perms::owner_write) != fs::perms::none;
        EXPECT_EQ(writable, !file.readOnly) << relative;
        // Two-second precision: an odd second comes back as the even one below.
        EXPECT_EQ(Modified(restored), file.modified - file.modified % 2) << relative;
    }
}

// Files are compressed on several threads and written in order: the volumes and their manifest
// are those of the one-threaded run, byte for byte, a file whose imploded bytes outgrow memory
// included.
TEST_F(RoundTrip, EveryNumberOfThreadsWritesTheSameArchive) {
    MakeTree();
    std::string ledger;
    for (int line = 0; ledger.size() < (4u << 20); ++line)
        ledger += "401" + std::to_string(line * 7919 % 100000) + ";Facture " +
                  std::to_string(line) + ";" + std::to_string(line * 31 % 9973) + ",00\r\n";
    WriteBytes(source_ / "Comptes" / "grand livre.csv", ledger);
    kvarn::SetClockForTests([] { return std::time_t{1718000000}; });
    std::map<unsigned, std::string> volumes, manifests;
    for (const unsigned threads : {1u, 4u, 0u}) {
        CBackupRestore& component = Component();
        component.SetSubDirectory(true);
        component.SetManifest(true);
        component.SetCompressionThreads(threads);
        const std::string name = "T" + std::to_string(threads);
        ASSERT_EQ(BackupTo(name), BR_OK);
        volumes[threads] = ReadBytes(Volume(name + ".BR"));
        manifests[threads] = ReadBytes(volumes_ / (name + ".SHA256"));
    }
    kvarn::SetClockForTests({});
    for (const unsigned threads : {4u, 0u}) {
        EXPECT_TRUE(volumes[threads] == volumes[1]) << threads << " threads";
        EXPECT_EQ(manifests[threads], manifests[1]) << threads << " threads";
    }
    ASSERT_EQ(RestoreFrom("T4"), BR_OK);
    EXPECT_EQ(ReadBytes(target_ / "Comptes" / "grand livre.csv"), ledger);
}

}  // namespace
}  // namespace kvarn::backup::testing_support
