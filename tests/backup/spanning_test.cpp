// Volumes spanning the disks of a removable drive: where volumes are cut, which disks are refused
// and asked for again, what a cancel leaves, the capacity rule at its edges, and who answers the
// disk request.
#include "backup_fixture.hpp"

#include <numeric>

namespace kvarn::backup::testing_support {
namespace {

constexpr std::uint64_t kSmallestDisk = 67072;  // 65,536 free once volume 1 keeps 1,536

struct Header {
    std::uint32_t setId = 0;
    std::uint16_t volume = 0;
};

Header HeaderOf(const fs::path& volume) {
    const std::string bytes = ReadBytes(volume);
    if (bytes.size() < kHeaderSize) return {};
    const auto* raw = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return {ReadU32(raw + 4), ReadU16(raw + 8)};
}

std::vector<int> OneTo(int last) {
    std::vector<int> numbers(static_cast<std::size_t>(last));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

class Spanning : public BackupTest {
protected:
    // About `randomBytes` that no implode shrinks, and text that it does, in two directories.
    void MakeTree(std::size_t randomBytes) {
        for (std::size_t i = 0, left = randomBytes; left > 0; ++i) {
            const std::size_t size = std::min<std::size_t>(left, 45000 + i * 1000);
            WriteBytes(source_ / (i % 2 ? "Sous" : "") / ("f" + std::to_string(i) + ".bin"),
                       RandomBytes(size, static_cast<unsigned>(i)));
            left -= size;
        }
        std::string text;
        for (int line = 0; line < 3000; ++line) text += "411" + std::to_string(line) + ";Client\r\n";
        WriteBytes(source_ / "Sous" / "grand livre.txt", text);
        WriteBytes(source_ / "vide.txt", "");
    }

    fs::path VolumeOn(int disk) const { return Disk(disk) / "SAUVEGARDE.BR"; }

    void ExpectRestoredTree() {
        const std::vector<std::string> files = FilesBelow(source_);
        ASSERT_EQ(FilesBelow(target_), files);
        for (const std::string& file : files)
            EXPECT_EQ(ReadBytes(target_ / file), ReadBytes(source_ / file)) << file;
    }

    // Backs the tree up on disks of `capacity` bytes, taking disks 1, 2, ... in turn; the
    // number of volumes written.
    int BackupOnDisks(std::uint64_t capacity) {
        RemovableComponent(capacity).SetSubDirectory(true);
        for (int disk = 1; disk <= 12; ++disk) QueueDisks({disk});
        EXPECT_EQ(BackupTo(), BR_OK);
        disks_.answers.clear();
        return static_cast<int>(shown_.diskRequests.size());
    }

    BR_CODE RestoreFromDisks(std::initializer_list<int> disks) {
        RemovableComponent(std::nullopt);
        QueueDisks(disks);
        shown_ = {};
        return RestoreFrom();
    }
};

// Many small files with long names put records at every place of a volume's end.
class SmallFilesOnDisks : public Spanning, public testing::WithParamInterface<std::uint64_t> {
protected:
    static void SetUpTestSuite() {
        for (int i = 0; i < 1500; ++i) {
            const std::string number = std::to_string(i);
            const fs::path dir = i % 500 ? "" : "Sous-répertoire de pièces justificatives " + number;
            WriteBytes(Tree() / dir / ("écriture numéro " + number + " du journal des achats.txt"),
                       RandomBytes(10 + i % 50, static_cast<unsigned>(i)));
        }
    }
    static void TearDownTestSuite() { fs::remove_all(Tree()); }
    static fs::path Tree() { return fs::temp_directory_path() / "petits-fichiers"; }
    void SetUp() override {
        Spanning::SetUp();
        source_ = Tree();
    }
};

TEST_P(SmallFilesOnDisks, NoVolumePassesItsDiskAndTheVolumesAddNothingToTheStream) {
    const std::uint64_t capacity = GetParam();
    const int volumes = BackupOnDisks(capacity);
    ASSERT_GE(volumes, 2);
    std::string stream;
    for (int disk = 1; disk <= volumes; ++disk) {
        const std::string bytes = ReadBytes(VolumeOn(disk));
        EXPECT_LE(bytes.size(), capacity - (disk == 1 ? 1536 : 0)) << disk;
        EXPECT_EQ(HeaderOf(VolumeOn(disk)).volume, disk);
        stream += bytes.substr(kHeaderSize);
    }
    Component().SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(ReadBytes(Volume()).substr(kHeaderSize), stream);
}

INSTANTIATE_TEST_SUITE_P(Capacities, SmallFilesOnDisks,
                         testing::Range<std::uint64_t>(67072, 70001, 122));

TEST_F(Spanning, ASetOfDisksComesBackByteForByteEachDiskAskedForOnce) {
    MakeTree(200000);
    const int volumes = BackupOnDisks(kSmallestDisk);
    ASSERT_GE(volumes, 3);
    ASSERT_EQ(RestoreFromDisks({1, 2, 3, 4, 5, 6}), BR_OK);
    EXPECT_EQ(shown_.diskRequests, OneTo(volumes));
    ExpectRestoredTree();
}

// An imploded file stored over several disks is expanded as its bytes come off one disk after
// the next, checked against the manifest or not.
class ImplodedAcrossDisks : public Spanning, public testing::WithParamInterface<bool> {};

TEST_P(ImplodedAcrossDisks, ComesBackByteForByteEachDiskAskedForOnce) {
    std::string ledger;
    for (int line = 0; ledger.size() < 600000; ++line)
        ledger += "401" + std::to_string(line * 7919 % 100003) + ";Facture " +
                  std::to_string(line) + "\r\n";
    WriteBytes(source_ / "grand livre.txt", ledger);
    RemovableComponent(kSmallestDisk).SetManifest(true);
    for (int disk = 1; disk <= 12; ++disk) QueueDisks({disk});
    ASSERT_EQ(BackupTo(), BR_OK);
    const int volumes = static_cast<int>(shown_.diskRequests.size());
    ASSERT_GE(volumes, 3) << "the file spans disks";
    disks_.answers.clear();

    CBackupRestore& component = RemovableComponent(std::nullopt);
    component.SetManifest(GetParam());
    component.SetManifestPath((Disk(volumes) / "SAUVEGARDE.SHA256").string());
    QueueDisks({1, 2, 3, 4, 5, 6, 7, 8});
    shown_ = {};
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(shown_.diskRequests, OneTo(volumes));
    EXPECT_EQ(component.GetRestoreReport().manifest,
              GetParam() ? ManifestUse::Checked : ManifestUse::NotAsked);
    EXPECT_TRUE(ReadBytes(target_ / "grand livre.txt") == ledger);
}

INSTANTIATE_TEST_SUITE_P(Manifest, ImplodedAcrossDisks, testing::Bool());

TEST_F(Spanning, DiskHoldingVolumeOneOfTheSameSetIsRefusedAndAskedForAgain) {
    MakeTree(150000);
    RemovableComponent(kSmallestDisk).SetSubDirectory(true);
    QueueDisks({1, 1, 2, 3, 4, 5});
    ASSERT_EQ(BackupTo(), BR_OK);
    ASSERT_GE(shown_.diskRequests.size(), 4u);
    EXPECT_EQ(std::vector<int>(shown_.diskRequests.begin(), shown_.diskRequests.begin() + 3),
              (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(HeaderOf(VolumeOn(1)).volume, 1) << "the refused disk keeps its volume";
    EXPECT_TRUE(shown_.errors.empty());
    ASSERT_EQ(RestoreFromDisks({1, 2, 3, 4, 5}), BR_OK);
    ExpectRestoredTree();
}

TEST_F(Spanning, DiskOfAnEarlierBackupIsClearedBeforeWriting) {
    MakeTree(10000);
    WriteBytes(VolumeOn(1), ArchiveBytes(0x01020304, 1).End().str());
    WriteBytes(Disk(1) / "NOTES.TXT", "gardé");
    RemovableComponent(100000).SetSubDirectory(true);
    QueueDisks({1});
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_NE(HeaderOf(VolumeOn(1)).setId, 0x01020304u);
    EXPECT_EQ(NamesIn(Disk(1)), (std::vector<std::string>{"NOTES.TXT", "SAUVEGARDE.BR"}));
}

struct WrongDiskCase {
    const char* label;
    // Makes disk 9 from the three good disks, or leaves it missing.
    void (*make)(const fs::path& disk9, const fs::path& volume2, const fs::path& volume3);
    std::size_t hardErrors;
};

class WrongDiskOnRestore : public Spanning, public testing::WithParamInterface<WrongDiskCase> {};

TEST_P(WrongDiskOnRestore, IsRefusedAndVolumeTwoAskedForAgain) {
    MakeTree(140000);
    ASSERT_EQ(BackupOnDisks(kSmallestDisk), 3);
    GetParam().make(Disk(9), VolumeOn(2), VolumeOn(3));
    RemovableComponent(std::nullopt);
    QueueDisks({1});
    disks_.answers.emplace_back(Disk(9));
    QueueDisks({2, 3});
    shown_ = {};
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_EQ(shown_.diskRequests, (std::vector<int>{1, 2, 2, 3}));
    EXPECT_EQ(shown_.errors.size(), GetParam().hardErrors);
    ExpectRestoredTree();
}

void CopyTo(const fs::path& disk, const fs::path& volume) {
    fs::create_directories(disk);
    fs::copy_file(volume, disk / "SAUVEGARDE.BR");
}

INSTANTIATE_TEST_SUITE_P(
    Disks, WrongDiskOnRestore,
    testing::Values(
        WrongDiskCase{"volume_3", [](const fs::path& d, const fs::path&,
                                     const fs::path& v3) { CopyTo(d, v3); }, 0},
        WrongDiskCase{"volume_2_of_another_set",
                      [](const fs::path& d, const fs::path& v2, const fs::path&) {
                          std::string bytes = ReadBytes(v2);
                          bytes[4] = static_cast<char>(bytes[4] + 1);
                          WriteBytes(d / "SAUVEGARDE.BR", bytes);
                      },
                      0},
        WrongDiskCase{"no_archive", [](const fs::path& d, const fs::path&,
                                       const fs::path&) { fs::create_directories(d); }, 0},
        WrongDiskCase{"not_an_archive",
                      [](const fs::path& d, const fs::path&, const fs::path&) {
                          WriteBytes(d / "SAUVEGARDE.BR", std::string(40, 'x'));
                      },
                      0},
        WrongDiskCase{"no_disk_at_all", [](const fs::path& d, const fs::path&,
                                           const fs::path&) { fs::remove_all(d); }, 1}),
    ByLabel());

struct CancelCase {
    int at;                          // the disk request cancelled
    std::vector<int> disksKeeping;   // disks still holding their volume afterwards
};

class CancelledDiskRequest : public Spanning, public testing::WithParamInterface<CancelCase> {};

TEST_P(CancelledDiskRequest, EndsTheBackupAndDeletesTheVolumeBeingWritten) {
    MakeTree(200000);
    RemovableComponent(kSmallestDisk).SetSubDirectory(true);
    for (int disk = 1; disk < GetParam().at; ++disk) QueueDisks({disk});
    QueueDisks({0});
    EXPECT_EQ(BackupTo(), BR_ERR_ACTION_CANCELED);
    EXPECT_EQ(shown_.diskRequests, OneTo(GetParam().at));
    EXPECT_EQ(shown_.results, std::vector<std::string>{"Résultat de la sauvegarde|Processus abandonné"});
    std::vector<int> keeping;
    for (int disk = 1; disk < GetParam().at; ++disk) {
        if (fs::exists(VolumeOn(disk))) keeping.push_back(disk);
        for (const std::string& name : NamesIn(Disk(disk)))
            EXPECT_EQ(name, "SAUVEGARDE.BR") << "nothing else is left on disk " << disk;
    }
    EXPECT_EQ(keeping, GetParam().disksKeeping);
}

// The disk in the drive when the request is cancelled holds the volume just written: it goes;
// the volumes on disks taken out stay.
INSTANTIATE_TEST_SUITE_P(AtDisk, CancelledDiskRequest,
                         testing::Values(CancelCase{1, {}}, CancelCase{2, {}},
                                         CancelCase{3, {1}}));

struct RoomCase {
    const char* label;
    std::uint64_t freeOnDisk1, freeOnDisk2;
    std::vector<int> requests;
    std::size_t fullDisks;  // "Disque plein" shown
    int firstVolumeOn;      // the disk that takes volume 1
};

class RoomOnDisks : public Spanning, public testing::WithParamInterface<RoomCase> {};

TEST_P(RoomOnDisks, FirstDiskNeeds67072BytesTheOthers65536) {
    constexpr std::uint64_t kCapacity = 200000;
    MakeTree(120000);
    const RoomCase& room = GetParam();
    WriteBytes(Disk(1) / "occupé", std::string(kCapacity - room.freeOnDisk1, 'o'));
    WriteBytes(Disk(2) / "occupé", std::string(kCapacity - room.freeOnDisk2, 'o'));
    RemovableComponent(kCapacity).SetSubDirectory(true);
    QueueDisks({1, 2, 3, 4});
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(std::vector<int>(shown_.diskRequests.begin(),
                               shown_.diskRequests.begin() +
                                   static_cast<long>(std::min(shown_.diskRequests.size(),
                                                              room.requests.size()))),
              room.requests);
    EXPECT_EQ(shown_.errors, std::vector<std::string>(room.fullDisks, "Disque plein"));
    EXPECT_EQ(HeaderOf(VolumeOn(room.firstVolumeOn)).volume, 1);
    EXPECT_TRUE(fs::exists(Disk(1) / "occupé")) << "only the volume file is cleared";
}

INSTANTIATE_TEST_SUITE_P(
    Edges, RoomOnDisks,
    testing::Values(RoomCase{"first_67072_second_65536", 67072, 65536, {1, 2}, 0, 1},
                    RoomCase{"first_67071", 67071, 200000, {1, 1}, 1, 2},
                    RoomCase{"second_65535", 67072, 65535, {1, 2, 2}, 1, 1}),
    ByLabel());

struct HardErrorCase {
    const char* label;
    bool handler;
    bool abort;
    BR_CODE expected;
    std::vector<int> requests;
};

class HardErrorOnRemovableDrive : public Spanning,
                                  public testing::WithParamInterface<HardErrorCase> {};

TEST_P(HardErrorOnRemovableDrive, AsksForTheDiskAgainUnlessAborted) {
    MakeTree(1000);
    CBackupRestore& component = RemovableComponent(kSmallestDisk);
    std::vector<std::string> handled;
    if (GetParam().handler) {
        component.SetAutoEvents(TListEventBR::All().Exclude(eBRHardError));
        component.OnHardError = [&](CBackupRestore&, BR_CODE code, const std::string& message,
                                    bool& abort, bool backup) {
            EXPECT_EQ(code, BR_ERR_DRIVE_UNKNOW);
            EXPECT_TRUE(backup);
            handled.push_back(message);
            abort = GetParam().abort;
        };
    }
    disks_.answers.emplace_back(root_ / "absent");
    QueueDisks({1});
    EXPECT_EQ(BackupTo(), GetParam().expected);
    EXPECT_EQ(shown_.diskRequests, GetParam().requests);
    const std::vector<std::string>& said = GetParam().handler ? handled : shown_.errors;
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].rfind("Lecteur invalide (", 0), 0u) << said[0];
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HardErrorOnRemovableDrive,
    testing::Values(HardErrorCase{"built_in", false, false, BR_OK, {1, 1}},
                    HardErrorCase{"handler_goes_on", true, false, BR_OK, {1, 1}},
                    HardErrorCase{"handler_aborts", true, true, BR_ERR_ACTION_CANCELED, {1}}),
    ByLabel());

struct RequestCase {
    bool assigned;
    bool inAutoEvents;
    bool handlerAnswers;
};

class DiskRequestDispatch : public Spanning, public testing::WithParamInterface<RequestCase> {};

TEST_P(DiskRequestDispatch, BuiltInUnlessAHandlerIsAssignedAndTheEventLeftToIt) {
    MakeTree(1000);
    CBackupRestore& component = RemovableComponent(kSmallestDisk);
    std::vector<int> handled;
    if (GetParam().assigned)
        component.OnInsertFloppy = [&](CBackupRestore&, int number, const std::string& path,
                                       bool&, bool backup) {
            EXPECT_EQ(fs::path(path).filename(), "SAUVEGARDE.BR");
            EXPECT_TRUE(backup);
            handled.push_back(number);
            fs::create_directories(Disk(1));
            drive_->Insert(Disk(1));
        };
    TListEventBR events = TListEventBR::All();
    if (!GetParam().inAutoEvents) events.Exclude(eBRInsertFloppy);
    component.SetAutoEvents(events);
    if (!GetParam().handlerAnswers) QueueDisks({1});
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(handled, GetParam().handlerAnswers ? std::vector<int>{1} : std::vector<int>{});
    EXPECT_EQ(shown_.diskRequests,
              GetParam().handlerAnswers ? std::vector<int>{} : std::vector<int>{1});
}

INSTANTIATE_TEST_SUITE_P(Rule, DiskRequestDispatch,
                         testing::Values(RequestCase{true, false, true},
                                         RequestCase{true, true, false},
                                         RequestCase{false, true, false},
                                         RequestCase{false, false, false}));

TEST_F(Spanning, NewFloppyAndMediaReadyFollowEachVolume) {
    MakeTree(140000);
    CBackupRestore& component = RemovableComponent(kSmallestDisk);
    std::vector<std::string> seen;
    component.OnBackupMediaReady = [&](CBackupRestore&, std::uint16_t number, const std::string&,
                                       bool&) { seen.push_back("prêt " + std::to_string(number)); };
    component.OnNewFloppy = [&](CBackupRestore&, std::uint16_t number, const std::string&,
                                bool backup) {
        EXPECT_TRUE(backup);
        seen.push_back("nouveau " + std::to_string(number));
    };
    QueueDisks({1, 2, 3});
    component.SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(seen, (std::vector<std::string>{"prêt 1", "nouveau 1", "prêt 2", "nouveau 2",
                                              "prêt 3", "nouveau 3"}));
}

}  // namespace
}  // namespace kvarn::backup::testing_support
