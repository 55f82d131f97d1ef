// The fixed-drive cases at the edges of a backup and a restore: nothing to save, nothing where to
// save it, no room, names the archive cannot hold, what is left out (volumes written into the
// source included), the event dispatch rule, the result codes and their words, files in the way,
// relative paths without a root, and the manifest found beside the volume.
#include "backup_fixture.hpp"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace kvarn::backup::testing_support {
namespace {

TEST_F(BackupTest, OnlyEmptySubdirectoriesGiveTheDescriptionAndTheEndWord) {
    fs::create_directories(source_ / "S" / "T");
    fs::create_directories(source_ / "U");
    Component().SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    const std::string written = ReadBytes(Volume());
    ASSERT_EQ(written.size(), 36u);
    EXPECT_EQ(written.substr(0, 2), "\x85\x74");
    EXPECT_EQ(written.substr(32), std::string(4, '\0'));
}

struct MethodCase {
    const char* label;
    std::string content;
    std::uint16_t method;
};

class StorageMethod : public BackupTest, public testing::WithParamInterface<MethodCase> {};

TEST_P(StorageMethod, StoresWhatImplodingDoesNotShrink) {
    WriteBytes(source_ / "F", GetParam().content);
    ASSERT_EQ(BackupTo(), BR_OK);
    std::vector<BR_FILEDESC> seen;
    CBackupRestore& component = Component();
    component.OnRestoreFile = [&](CBackupRestore&, BR_FILEDESC& desc, std::string&, bool&) {
        seen.push_back(desc);
    };
    ASSERT_EQ(RestoreFrom(), BR_OK);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Method, GetParam().method);
    EXPECT_EQ(seen[0].OriginalSize, GetParam().content.size());
    if (GetParam().method == 0)
        EXPECT_EQ(seen[0].StoredSize, GetParam().content.size());
    else
        EXPECT_LT(seen[0].StoredSize, GetParam().content.size());
    EXPECT_EQ(ReadBytes(target_ / "F"), GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, StorageMethod,
    testing::Values(MethodCase{"empty", "", 0}, MethodCase{"one_byte", "x", 0},
                    MethodCase{"random", RandomBytes(5000, 7), 0},
                    MethodCase{"random_over_a_chunk", RandomBytes(300000, 8), 0},
                    MethodCase{"repetitive", std::string(70000, 'a'), 1},
                    MethodCase{"text", std::string(2000, 'x') + "fin", 1}),
    ByLabel());

TEST_F(BackupTest, SubdirectoriesComeFirstDeepestFirstAndInNameOrder) {
    for (const char* file : {"racine.txt", "S/s.txt", "S/T/t.txt", "A/a.txt", "B/vide/.x/y"})
        WriteBytes(source_ / file, file);
    Component().SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    std::vector<std::string> order;
    CBackupRestore& component = Component();
    component.OnRestorePattern = [&](CBackupRestore& sender, std::uint32_t, std::uint16_t,
                                     bool& skip, std::uint16_t&, const std::vector<std::uint8_t>&,
                                     std::string&, bool&) {
        order.push_back(sender.GetStoredPatternPath());
        skip = true;
    };
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(order, (std::vector<std::string>{"A\\", "S\\T\\", "S\\", ".\\"}));
    EXPECT_FALSE(fs::exists(target_)) << "skipped directories create nothing";
}

struct SpaceCase {
    std::uint64_t freeSpace;
    BR_CODE expected;
    std::size_t hardErrors;
};

class NoRoom : public BackupTest, public testing::WithParamInterface<SpaceCase> {};

TEST_P(NoRoom, FailsAndLeavesNoVolume) {
    WriteBytes(source_ / "GROS", RandomBytes(200000, 3));
    WriteBytes(Volume(), "ancienne sauvegarde");
    Component();
    os_->freeSpace = GetParam().freeSpace;
    EXPECT_EQ(BackupTo(), GetParam().expected);
    EXPECT_EQ(VolumeDirectory(), std::vector<std::string>{"SAUVEGARDE.BR"});
    EXPECT_EQ(ReadBytes(Volume()), "ancienne sauvegarde") << "the previous archive stays whole";
    EXPECT_EQ(shown_.errors.size(), GetParam().hardErrors);
    ASSERT_EQ(shown_.results.size(), 1u);
    EXPECT_EQ(shown_.results[0], "Résultat de la sauvegarde|" + kvarn::backup::MessageOf(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    FixedDrive, NoRoom,
    testing::Values(SpaceCase{70000, BR_ERR_DEST_FILE_WRITE_ERROR, 0},  // full after volume 1
                    SpaceCase{65535, BR_ERR_ACTION_CANCELED, 1}));      // "Disque plein" first

struct RefusalCase {
    const char* label;
    std::string relativeFile;
    std::string detail;
};

class UnstorableSource : public BackupTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(UnstorableSource, IsRefusedBeforeAnyVolume) {
    WriteBytes(source_ / "ordinaire.txt", "ok");
    WriteBytes(source_ / GetParam().relativeFile, "x");
    Component().SetSubDirectory(true);
    EXPECT_EQ(BackupTo(), BR_ERR_SRC_FILE_READ_ERROR);
    EXPECT_TRUE(VolumeDirectory().empty());
    ASSERT_EQ(shown_.errors.size(), 1u);
    EXPECT_NE(shown_.errors[0].find(GetParam().detail), std::string::npos) << shown_.errors[0];
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnstorableSource,
    testing::Values(
        RefusalCase{"outside_cp1252", "\xE6\x97\xA5\xE6\x9C\xAC.txt", "ne peut pas conserver"},
        RefusalCase{"colon", "a:b.txt", "« \\ » ou « : »"},
        RefusalCase{"backslash", "a\\b.txt", "« \\ » ou « : »"},
        RefusalCase{"name_of_240", std::string(240, 'n'), "trop long"},
        RefusalCase{"directory_outside_cp1252", "\xCE\xA9/f", "ne peut pas conserver"},
        RefusalCase{"path_over_260", std::string(200, 'x') + "/" + std::string(70, 'y') + "/f",
                    "dépasse 260"}),
    ByLabel());

TEST_F(BackupTest, NameOf239IsTheLongestWritten) {
    const std::string name(239, 'n');
    WriteBytes(source_ / name, "x");
    ASSERT_EQ(BackupTo(), BR_OK);
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(ReadBytes(target_ / name), "x");
}

TEST_F(BackupTest, LinksDevicesAndOldDatesAreSaidNotSaved) {
    WriteBytes(source_ / "vieux.txt", "1975");
    SetModified(source_ / "vieux.txt", LocalTime(1975, 6, 1, 12, 0, 0));
    fs::create_symlink(source_ / "vieux.txt", source_ / "lien");
    fs::create_directory_symlink(source_, source_ / "boucle");
    ASSERT_EQ(::mkfifo((source_ / "tube").c_str(), 0600), 0);
    CBackupRestore& component = Component();
    component.SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(component.GetWarnings().size(), 4u);
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(FilesBelow(target_), std::vector<std::string>{"vieux.txt"});
    EXPECT_EQ(Modified(target_ / "vieux.txt"), LocalTime(1980, 1, 1, 0, 0, 0));
}

struct DispatchCase {
    bool assigned;
    bool inAutoEvents;
    int handlerCalls;
    std::size_t builtInCalls;
};

class EventDispatch : public BackupTest, public testing::WithParamInterface<DispatchCase> {};

TEST_P(EventDispatch, ChoosesHandlerBuiltInOrNothing) {
    WriteBytes(source_ / "F", "f");
    CBackupRestore& component = Component();
    int endCalls = 0, errorCalls = 0;
    if (GetParam().assigned) {
        component.OnEnd = [&](CBackupRestore&, BR_CODE, const std::string&, bool) { ++endCalls; };
        component.OnError = [&](CBackupRestore&, BR_CODE, const std::string&, bool) {
            ++errorCalls;
        };
    }
    TListEventBR events = TListEventBR::All();
    if (!GetParam().inAutoEvents) events.Exclude(eBREnd).Exclude(eBRError);
    component.SetAutoEvents(events);
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(endCalls, GetParam().handlerCalls);
    EXPECT_EQ(shown_.results.size(), GetParam().builtInCalls);
    fs::remove_all(source_);
    fs::remove_all(volumes_);
    ASSERT_EQ(BackupTo(), BR_ERR_BR_PATH_NOT_FOUND);
    EXPECT_EQ(errorCalls, GetParam().handlerCalls);
    EXPECT_EQ(shown_.errors, std::vector<std::string>(GetParam().builtInCalls,
                                                      "Répertoire Backup/Restore non trouvé"));
    EXPECT_EQ(shown_.results.size(), GetParam().builtInCalls) << "a refusal shows no result";
    EXPECT_TRUE(VolumeDirectory().empty()) << "refused before any volume";
}

INSTANTIATE_TEST_SUITE_P(Rule, EventDispatch,
                         testing::Values(DispatchCase{true, false, 1, 0},
                                         DispatchCase{true, true, 0, 1},
                                         DispatchCase{false, true, 0, 1},
                                         DispatchCase{false, false, 0, 0}));

TEST_F(BackupTest, HandlerSuppliedDirectoriesAreStoredWithTheirDescriptions) {
    WriteBytes(source_ / "S" / "f.txt", "f");
    WriteBytes(root_ / "ailleurs" / "g.txt", "g");
    CBackupRestore& component = Component();
    component.SetAutoEvents(TListEventBR::All().Exclude(eBRGetPatternToBackup));
    std::vector<std::string> supplied{(source_ / "S").string(), (root_ / "ailleurs").string()};
    component.OnGetPatternToBackup = [&](CBackupRestore&, std::uint16_t max, std::uint16_t& size,
                                         std::vector<std::uint8_t>& desc, std::string& path,
                                         bool& abort) {
        EXPECT_EQ(max, 1026);
        if (supplied.empty()) {
            abort = true;
            return;
        }
        path = supplied.front();
        supplied.erase(supplied.begin());
        desc = {'d'};
        size = 1;
    };
    ASSERT_EQ(BackupTo(), BR_OK);
    std::vector<std::string> stored;
    Component().OnRestorePattern = [&](CBackupRestore& sender, std::uint32_t, std::uint16_t, bool&,
                                       std::uint16_t& length, const std::vector<std::uint8_t>& d,
                                       std::string&, bool&) {
        stored.push_back(sender.GetStoredPatternPath() + "|" + std::string(d.begin(), d.end()) +
                         std::to_string(length));
    };
    ASSERT_EQ(RestoreFrom(), BR_OK);
    const std::string outside = "Z:" + root_.string() + "/ailleurs/";
    std::string outsideStored = outside;
    std::replace(outsideStored.begin(), outsideStored.end(), '/', '\\');
    EXPECT_EQ(stored, (std::vector<std::string>{"S\\|d1", outsideStored + "|d1"}));
    // Restored under the target, drive dropped.
    EXPECT_EQ(ReadBytes(target_ / "S" / "f.txt"), "f");
    EXPECT_EQ(ReadBytes(target_ / root_.relative_path() / "ailleurs" / "g.txt"), "g");
}

struct CodeMessage {
    BR_CODE code;
    const char* message;
};

class ResultCode : public testing::TestWithParam<CodeMessage> {};

TEST_P(ResultCode, HasItsMessageAndIsFoundFromIt) {
    CBackupRestore component;
    EXPECT_EQ(component.GetMsgErr(GetParam().code), GetParam().message);
    EXPECT_EQ(component.GetCodeErr(GetParam().message), GetParam().code);
    EXPECT_EQ(component.GetCodeErr(std::string(GetParam().message) + " "), BR_OK);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResultCode,
    testing::Values(CodeMessage{BR_OK, "Opération réussie avec succès"},
                    CodeMessage{BR_REDO, "Action en cours"},
                    CodeMessage{BR_STOP, "Action arrêtée"},
                    CodeMessage{BR_ERR_ACTION_CANCELED, "Processus abandonné"},
                    CodeMessage{BR_ERR_EXHAUSTED_MEMORY, "Mémoire insuffisante"},
                    CodeMessage{BR_ERR_BR_PATH_NOT_FOUND, "Répertoire Backup/Restore non trouvé"},
                    CodeMessage{BR_ERR_NO_SRC_FILE_TO_BACKUP, "Aucun fichier à sauvegarder"},
                    CodeMessage{BR_ERR_TMP_FILE_ACCESS_IO_ERROR, "Erreur d'accès au fichier temporaire"},
                    CodeMessage{BR_ERR_IMPLODING_FILE, "Erreur durant la compression"},
                    CodeMessage{BR_ERR_EXPLODING_FILE, "Erreur durant la décompression"},
                    CodeMessage{BR_ERR_DEST_FILE_WRITE_ERROR, "Erreur d'écriture du fichier destination"},
                    CodeMessage{BR_ERR_SRC_FILE_READ_ERROR, "Erreur de lecture du fichier source"},
                    CodeMessage{BR_ERR_SRC_FILE_DELETED_DURING_BACKUP, "Fichier détruit durant la sauvegarde"},
                    CodeMessage{BR_ERR_BR_FILE_CORRUPTED, "Fichier de sauvegarde corrompu"},
                    CodeMessage{BR_ERR_DRIVE_UNKNOW, "Lecteur invalide"},
                    CodeMessage{BR_ERR_DRIVE_PROTECT, "Disque plein ou protégé en écriture"},
                    CodeMessage{BR_ERR_DRIVE_OUTOFSPACE, "Disque plein"}));

// The volumes written into a directory being saved are left out, the second time round too.
class VolumesInTheSource : public BackupTest, public testing::WithParamInterface<const char*> {};

TEST_P(VolumesInTheSource, AreLeftOutAndNothingIsDestroyedDuringTheBackup) {
    WriteBytes(source_ / "S" / "f.txt", std::string(5000, 'f'));
    WriteBytes(source_ / "racine.txt", "r");
    volumes_ = source_ / GetParam();
    for (int run = 0; run < 2; ++run) {
        CBackupRestore& component = Component();
        component.SetSubDirectory(true);
        component.SetManifest(true);
        ASSERT_EQ(BackupTo(), BR_OK) << run;
        EXPECT_EQ(component.GetWarnings().size(), run == 0 ? 0u : 2u);
    }
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(FilesBelow(target_), (std::vector<std::string>{"S/f.txt", "racine.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Places, VolumesInTheSource, testing::Values("", "S"));

// Stored paths relative to the root restore under the current directory when Directory is empty.
TEST_F(BackupTest, RelativePathsWithoutADirectoryGoUnderTheCurrentOne) {
    WriteBytes(source_ / "S" / "f.txt", "f");
    Component().SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    fs::create_directories(target_);
    const fs::path before = fs::current_path();
    fs::current_path(target_);
    CBackupRestore& component = Component();
    component.SetBRFileName("SAUVEGARDE");
    component.SetDirectory("");
    const BR_CODE code = component.Restore();
    fs::current_path(before);
    ASSERT_EQ(code, BR_OK);
    EXPECT_EQ(ReadBytes(target_ / "S" / "f.txt"), "f");
}

// Without replacing, each file in the way is asked about as it comes; one kept is counted.
TEST_F(BackupTest, FilesInTheWayAreAskedAboutOneByOne) {
    for (const char* name : {"a", "b", "c"})
        WriteBytes(source_ / name, std::string("nouveau ") + name);
    ASSERT_EQ(BackupTo(), BR_OK);
    WriteBytes(target_ / "a", "ancien a");
    WriteBytes(target_ / "b", "ancien b");
    CBackupRestore& component = Component();
    component.SetReplaceExisting(false);
    std::vector<std::string> asked;
    component.OnReplaceFile = [&](CBackupRestore&, const std::string& path, bool& replace) {
        asked.push_back(fs::path(path).filename().string());
        replace = asked.size() == 2;
    };
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(asked, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ReadBytes(target_ / "a"), "ancien a");
    EXPECT_EQ(ReadBytes(target_ / "b"), "nouveau b");
    EXPECT_EQ(ReadBytes(target_ / "c"), "nouveau c");
    const RestoreReport& report = component.GetRestoreReport();
    EXPECT_EQ(report.restored, 2u);
    EXPECT_EQ(report.keptExisting, 1u);
    EXPECT_EQ(report.firstKept, (target_ / "a").string());
}

struct ManifestCase {
    const char* label;
    void (*change)(const fs::path& manifest);
    ManifestUse use;
};

class ManifestBesideTheVolume : public BackupTest,
                                public testing::WithParamInterface<ManifestCase> {};

// A manifest that cannot serve is said, and the archive is read without it.
TEST_P(ManifestBesideTheVolume, IsUsedOnlyWhenItIsThisArchives) {
    WriteBytes(source_ / "f", "f");
    Component().SetManifest(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    GetParam().change(volumes_ / "SAUVEGARDE.SHA256");
    CBackupRestore& component = Component();
    component.SetManifest(true);
    component.SetVerifyOnly(true);
    EXPECT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(component.GetRestoreReport().manifest, GetParam().use);
    EXPECT_EQ(component.GetRestoreReport().restored, 1u);
    EXPECT_FALSE(fs::exists(target_)) << "a verification creates nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ManifestBesideTheVolume,
    testing::Values(
        ManifestCase{"as_written", [](const fs::path&) {}, ManifestUse::Checked},
        ManifestCase{"absent", [](const fs::path& m) { fs::remove(m); }, ManifestUse::Absent},
        ManifestCase{"cut", [](const fs::path& m) { fs::resize_file(m, fs::file_size(m) - 1); },
                     ManifestUse::Unreadable},
        ManifestCase{"of_another_backup",
                     [](const fs::path& m) {
                         std::string text = ReadBytes(m);
                         text.replace(text.find("ensemble ") + 9, 1, "9");
                         WriteBytes(m, text);
                     },
                     ManifestUse::OtherArchive}),
    ByLabel());

}  // namespace
}  // namespace kvarn::backup::testing_support
