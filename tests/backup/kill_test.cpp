// Runs killed half way, and the temporaries they leave: the next run sweeps them away and never
// archives one; a temporary that a live process holds, or written after the run began, stays. A
// restore killed while writing or while naming a batch of files leaves each file old or new.
#include "backup_fixture.hpp"

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvarn::backup::testing_support {
namespace {

enum class Run { Backup, Restore };

// Runs `run` in a child process, which the OS layer must kill before it ends.
void ExpectKilled(const std::function<void()>& run) {
    const pid_t child = ::fork();
    if (child == 0) {
        run();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "not killed";
}

class KilledRun : public BackupTest, public testing::WithParamInterface<std::tuple<Run, int>> {
protected:
    // `run` in a child process killed once `bytes` have been written to volumes or restored files.
    void KillAfter(std::uint64_t bytes, const std::function<void()>& run) {
        ExpectKilled([&] {
            Component().SetSubDirectory(true);
            os_->killAfter = bytes;
            run();
        });
        ASSERT_FALSE(Temporaries().empty()) << "the killed run left nothing to sweep";
    }
};

TEST_P(KilledRun, TheNextRunLeavesNoTemporaryBehind) {
    const auto [run, moment] = GetParam();
    std::uint64_t total = 0;
    for (int i = 0; i < 6; ++i) {
        const std::string bytes =
            i % 3 ? RandomBytes(40000, static_cast<unsigned>(i)) : std::string(60000, 'z');
        WriteBytes(source_ / (i % 2 ? "S" : "") / ("f" + std::to_string(i)), bytes);
        total += bytes.size();
    }
    Component().SetSubDirectory(true);
    ASSERT_EQ(BackupTo(), BR_OK);
    if (run == Run::Backup) {
        KillAfter(fs::file_size(Volume()) * moment / 21, [&] { BackupTo(); });
        Component().SetSubDirectory(true);
        ASSERT_EQ(BackupTo(), BR_OK);
        EXPECT_EQ(VolumeDirectory(), std::vector<std::string>{"SAUVEGARDE.BR"});
    } else {
        KillAfter(total * moment / 21, [&] { RestoreFrom(); });
        // The next run saves the tree the killed restore was writing.
        CBackupRestore& component = Component();
        component.SetSubDirectory(true);
        std::vector<std::string> archived;
        component.OnBackupFile = [&](CBackupRestore&, const std::string& file) {
            archived.push_back(file);
        };
        source_ = target_;
        ASSERT_EQ(BackupTo("SUIVANTE"), BR_OK);
        for (const std::string& file : archived) EXPECT_EQ(file.find(".kvarn-"), std::string::npos);
    }
    EXPECT_TRUE(Temporaries().empty()) << Temporaries().front();
}

INSTANTIATE_TEST_SUITE_P(Moments, KilledRun,
                         testing::Combine(testing::Values(Run::Backup, Run::Restore),
                                          testing::Range(1, 21)));

// Where a restore over an older tree is killed: after so many bytes written, or after so many
// files named.
struct KillCase {
    const char* label;
    std::optional<std::uint64_t> bytes;
    std::optional<std::size_t> names;
};

class KilledRestore : public BackupTest, public testing::WithParamInterface<KillCase> {
protected:
    // Names in the archive's order.
    static std::string Name(int i) {
        char name[8];
        std::snprintf(name, sizeof name, "f%03d", i);
        return name;
    }
};

TEST_P(KilledRestore, LeavesEveryFileOldOrNew) {
    // More files than one batch names at once; every fourth one not there before the restore.
    constexpr int kFiles = 150;
    std::vector<std::string> fresh, old;
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = Name(i);
        fresh.push_back(i % 2 ? RandomBytes(1000 + 37 * i, static_cast<unsigned>(i))
                              : std::string(2000 + i, static_cast<char>('a' + i % 26)));
        old.push_back(i % 4 == 3 ? std::string() : "ancien " + name);
        WriteBytes(source_ / name, fresh.back());
        if (!old.back().empty()) WriteBytes(target_ / name, old.back());
    }
    ASSERT_EQ(BackupTo(), BR_OK);

    ExpectKilled([&] {
        Component();
        os_->killAfter = GetParam().bytes;
        os_->killAfterNames = GetParam().names;
        RestoreFrom();
    });

    std::size_t renewed = 0;
    for (int i = 0; i < kFiles; ++i) {
        const fs::path file = target_ / Name(i);
        const std::string now = fs::exists(file) ? ReadBytes(file) : std::string();
        const bool isNew = now == fresh[static_cast<std::size_t>(i)];
        EXPECT_TRUE(isNew || now == old[static_cast<std::size_t>(i)]) << file;
        // Files take their names in the archive's order: the new ones come first.
        EXPECT_TRUE(!isNew || renewed == static_cast<std::size_t>(i)) << file;
        renewed += isNew;
    }
    if (GetParam().names) {
        EXPECT_EQ(renewed, *GetParam().names);
    }
    // The next restore sweeps what the killed one left and finishes its work.
    ASSERT_EQ(RestoreFrom(), BR_OK);
    EXPECT_TRUE(Temporaries().empty()) << Temporaries().front();
    for (int i = 0; i < kFiles; ++i)
        EXPECT_EQ(ReadBytes(target_ / Name(i)), fresh[static_cast<std::size_t>(i)]);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, KilledRestore,
    testing::Values(KillCase{"writing_the_first_file", 500, {}},
                    KillCase{"writing_the_first_batch", 100000, {}},
                    KillCase{"writing_the_second_batch", 250000, {}},
                    KillCase{"writing_the_last_file", 435000, {}},
                    KillCase{"naming_the_first_file", {}, 0},
                    KillCase{"naming_the_middle_of_a_batch", {}, 30},
                    KillCase{"naming_the_first_of_the_second_batch", {}, 64},
                    KillCase{"naming_the_last_file", {}, 149}),
    ByLabel());

struct SweepCase {
    const char* label;
    bool held;      // by a live process: this one
    bool written;   // after the run began
    bool swept;
};

class Sweeping : public BackupTest, public testing::WithParamInterface<SweepCase> {};

TEST_P(Sweeping, TakesOnlyWhatNoLiveProcessHoldsAndWasWrittenBeforeTheRun) {
    WriteBytes(source_ / "f", "f");
    fs::create_directories(volumes_);
    PosixOsLayer os;
    std::unique_ptr<PendingFile> live;
    fs::path temporary = volumes_ / ".AUTRE.BR.kvarn-1-2-3";
    if (GetParam().held) {
        live = os.CreateVolume(volumes_ / "AUTRE.BR");
        temporary = Temporaries().at(0);
    } else {
        WriteBytes(temporary, "reste");
    }
    const std::time_t when = std::time(nullptr) + (GetParam().written ? 3600 : -3600);
    SetModified(temporary, when);
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(fs::exists(temporary), !GetParam().swept);
}

INSTANTIATE_TEST_SUITE_P(Rule, Sweeping,
                         testing::Values(SweepCase{"left_by_a_dead_run", false, false, true},
                                         SweepCase{"held", true, false, false},
                                         SweepCase{"written_since", false, true, false}),
                         ByLabel());

TEST_F(BackupTest, EveryDiskOfASetIsSweptBeforeItsVolumeIsWritten) {
    WriteBytes(source_ / "f", RandomBytes(150000, 1));
    for (const int disk : {1, 2, 3}) {
        WriteBytes(Disk(disk) / ".SAUVEGARDE.BR.kvarn-1-2-3", "reste");
        SetModified(Disk(disk) / ".SAUVEGARDE.BR.kvarn-1-2-3", std::time(nullptr) - 3600);
    }
    RemovableComponent(67072);
    QueueDisks({1, 2, 3});
    ASSERT_EQ(BackupTo(), BR_OK);
    EXPECT_EQ(shown_.diskRequests, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(Temporaries().empty()) << Temporaries().front();
}

}  // namespace
}  // namespace kvarn::backup::testing_support
