// Shared by the backup tests: a fresh directory per test, files with chosen bytes and times, a
// prompter that records what the component shows and answers its disk requests from a script, an
// OS layer whose free space and volume writes a test controls (seen through a simulated removable
// drive when the test wants one), and archive bytes written by hand, independently of the engine's
// encoder.
#pragma once

#include "backup/backup_restore.hpp"
#include "backup/posix_os_layer.hpp"
#include "backup/simulated_drive.hpp"
#include "support/files.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <deque>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kvarn::backup::testing_support {

namespace fs = std::filesystem;

using kvarn::testing_support::ReadBytes;
using kvarn::testing_support::WriteBytes;
void SetModified(const fs::path& path, std::time_t when);
std::time_t Modified(const fs::path& path);
std::string RandomBytes(std::size_t size, unsigned seed);
// The names in `dir`, sorted; none when it does not exist.
std::vector<std::string> NamesIn(const fs::path& dir);
// Every regular file below `root`, as paths relative to it, sorted.
std::vector<std::string> FilesBelow(const fs::path& root);
std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second);

// Names parameterised cases after their `label` field.
struct ByLabel {
    template <class T>
    std::string operator()(const testing::TestParamInfo<T>& param) const {
        return param.param.label;
    }
};

struct Shown {
    std::vector<std::string> errors;
    std::vector<std::string> results;  // "title|message"
    int progressOpened = 0;
    int progressUpdates = 0;
    std::vector<int> diskRequests;
};

// The answers to the coming disk requests, in order: a disk (directory) put in the drive, or a
// cancel (nullopt).
struct DiskScript {
    std::deque<std::optional<std::filesystem::path>> answers;
    SimulatedRemovableDrive* drive = nullptr;
};

class RecordingPrompter final : public BackupPrompter {
public:
    RecordingPrompter(Shown& shown, DiskScript& disks) : shown_(shown), disks_(disks) {}
    void ShowError(const std::string& message) override { shown_.errors.push_back(message); }
    void ShowResult(const std::string& title, const std::string& message) override {
        shown_.results.push_back(title + "|" + message);
    }
    void OpenProgress(const std::string&) override { ++shown_.progressOpened; }
    void ShowProgress(const std::string&, int, int) override { ++shown_.progressUpdates; }
    void CloseProgress() override {}
    // Records the request and plays the next answer of the script; none left fails the test.
    bool AskForDisk(int number) override;

private:
    Shown& shown_;
    DiskScript& disks_;
};

// Free space and volume writes under the test's control, restored files kept in memory when the
// test asks, and a process killed after a number of bytes written; everything else is the real
// layer.
class ControlledOs final : public PosixOsLayer {
public:
    std::optional<std::uint64_t> freeSpace;
    std::optional<std::uint64_t> volumeFailsAfter;  // bytes accepted before writes fail
    // Restored files by their full path, instead of on the disk (no flush per file).
    std::map<std::string, std::string>* memoryTarget = nullptr;
    // Bytes written to volumes and restored files after which the process is killed.
    std::optional<std::uint64_t> killAfter;
    // Restored files that take their names before the process is killed.
    std::optional<std::size_t> killAfterNames;

    std::optional<std::uint64_t> FreeSpace(const fs::path& dir) override;
    bool Exists(const fs::path& path) override;
    std::unique_ptr<PendingFile> CreateVolume(const fs::path& path) override;
    std::unique_ptr<PendingFile> CreateRestored(const fs::path& root, const fs::path& relative,
                                                const std::string& name) override;

private:
    std::unique_ptr<PendingFile> Killable(std::unique_ptr<PendingFile> file);
    std::shared_ptr<WriteBudget> killBudget_;
};

// A fresh source, volume and target directory per test, and a component wired to them.
class BackupTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new component over `os_` (kept for the test to steer), with the recording prompter.
    CBackupRestore& Component();
    // The same, its volume directory being a removable drive of disks of `capacity` bytes each
    // (the file system's free space when none), with no disk in it yet.
    CBackupRestore& RemovableComponent(std::optional<std::uint64_t> capacity);
    // The directory standing for disk `number`.
    fs::path Disk(int number) const;
    // Answers the next disk requests with these disks in turn, 0 meaning a cancel; the disks
    // are created blank when missing.
    void QueueDisks(std::initializer_list<int> numbers);
    BR_CODE BackupTo(const std::string& name = "SAUVEGARDE");
    BR_CODE RestoreFrom(const std::string& name = "SAUVEGARDE");
    fs::path Volume(const std::string& file = "SAUVEGARDE.BR") const { return volumes_ / file; }
    // Names in the volume directory: finished volumes and anything left behind.
    std::vector<std::string> VolumeDirectory() const;
    // The temporaries of the OS layer anywhere below the test's directory.
    std::vector<std::string> Temporaries() const;

    fs::path root_, source_, volumes_, target_;
    ControlledOs* os_ = nullptr;
    SimulatedRemovableDrive* drive_ = nullptr;
    Shown shown_;
    DiskScript disks_;

private:
    // A new component over `os`, wired to the test's directories and prompter.
    CBackupRestore& Wired(std::unique_ptr<OsLayer> os);

    std::unique_ptr<CBackupRestore> component_;
    RecordingPrompter prompter_{shown_, disks_};
};

// Archive bytes as a test writes them, field by field.
class ArchiveBytes {
public:
    explicit ArchiveBytes(std::uint32_t setId = 0x5F5E0F01, std::uint16_t volume = 1,
                          std::uint16_t signature = 0x7485);
    ArchiveBytes& U16(std::uint16_t value);
    ArchiveBytes& U32(std::uint32_t value);
    ArchiveBytes& Bytes(const std::string& bytes);
    ArchiveBytes& Description(const std::string& text);
    // P, the path and its zero, the total, the count and an empty description.
    ArchiveBytes& Pattern(const std::string& path, std::uint32_t total, std::uint16_t count);
    // A stored (method 0) file record followed by its data.
    ArchiveBytes& StoredFile(const std::string& name, const std::string& data,
                             std::uint16_t attributes, std::uint16_t date, std::uint16_t time);
    ArchiveBytes& End() { return U16(0); }
    const std::string& str() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace kvarn::backup::testing_support
