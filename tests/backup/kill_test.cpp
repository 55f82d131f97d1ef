// Runs killed half way, and the temporaries they leave: the next run sweeps them away and never
// archives one; a temporary that a live process holds, or written after the run began, stays.
#include "backup_fixture.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvarn::backup::testing_support {
namespace {

enum class Run { Backup, Restore };

class KilledRun : public BackupTest, public testing::WithParamInterface<std::tuple<Run, int>> {
protected:
    // `run` in a child process killed once `bytes` have been written to volumes or restored files.
    void KillAfter(std::uint64_t bytes, const std::function<void()>& run) {
        const pid_t child = ::fork();
        if (child == 0) {
            Component().SetSubDirectory(true);
            os_->killAfter = bytes;
            run();
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "not killed";
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
