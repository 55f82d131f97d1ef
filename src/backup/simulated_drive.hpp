// A removable drive made of directories: the engine sees one drive, and whichever directory is
// "in the drive" stands for the disk inserted.
//
// Paths at or below the drive's path are carried over to the disk inserted; every other path goes
// to the inner layer unchanged. Each disk holds `capacity` bytes when a capacity is given (what the
// files on it take is not free), never more than the inner layer's free space: a volume written on
// it fails, as on a full disk, at the first write that would pass the room the disk had left. With no disk in the
// drive, the drive is there (it is removable) but holds nothing: probes fail and nothing opens. The
// command line simulates floppy disks with it, and tests script their disk changes through it; the
// owner of the component keeps a pointer to it to insert disks while the component owns it.
#pragma once

#include "backup/os_layer.hpp"

#include <functional>

namespace kvarn::backup {

// What a medium still takes. Writes past it fail, their first part written, as on a full disk;
// `whenSpent`, when set, is called at the first write that would pass it, and `beforeName`
// before each file drawing from it takes its final name (tests stop a process there).
struct WriteBudget {
    std::uint64_t remaining = 0;
    std::function<void()> whenSpent;
    std::function<void()> beforeName;
};

// `file`, its writes drawn from `budget`, which several files may share.
std::unique_ptr<PendingFile> WithinBudget(std::unique_ptr<PendingFile> file,
                                          std::shared_ptr<WriteBudget> budget);

class SimulatedRemovableDrive final : public OsLayer {
public:
    SimulatedRemovableDrive(std::unique_ptr<OsLayer> inner, std::filesystem::path drive,
                            std::optional<std::uint64_t> capacity);

    // Puts the disk kept in the directory `disk` in the drive; an empty path empties the drive.
    void Insert(const std::filesystem::path& disk);
    const std::filesystem::path& Inserted() const { return disk_; }

    DriveKind KindOf(const std::filesystem::path& dir) override;
    std::optional<std::uint64_t> FreeSpace(const std::filesystem::path& dir) override;
    ProbeResult Probe(const std::filesystem::path& dir) override;

    bool IsDirectory(const std::filesystem::path& path) override;
    bool Exists(const std::filesystem::path& path) override;
    bool MakeDirectories(const std::filesystem::path& dir) override;
    bool RemoveFile(const std::filesystem::path& path) override;
    std::optional<std::vector<DirectoryEntry>> List(const std::filesystem::path& dir) override;

    std::unique_ptr<Stream> OpenForReading(const std::filesystem::path& path) override;
    std::unique_ptr<Stream> CreateScratch() override;
    std::unique_ptr<PendingFile> CreateVolume(const std::filesystem::path& path) override;
    std::unique_ptr<PendingFile> CreateRestored(const std::filesystem::path& root,
                                                const std::filesystem::path& relative,
                                                const std::string& name) override;
    void SweepTemporaries(const std::filesystem::path& root, const std::filesystem::path& relative,
                          std::chrono::system_clock::time_point before) override;

private:
    bool OnDrive(const std::filesystem::path& path) const;
    // Where `path` really is: on the disk inserted when it lies on the drive (nullopt when the
    // drive is empty), itself otherwise.
    std::optional<std::filesystem::path> Locate(const std::filesystem::path& path) const;
    std::uint64_t BytesBelow(const std::filesystem::path& dir);

    std::unique_ptr<OsLayer> inner_;
    std::filesystem::path drive_;
    std::optional<std::uint64_t> capacity_;
    std::filesystem::path disk_;
};

}  // namespace kvarn::backup
