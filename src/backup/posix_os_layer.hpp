// The operating-system layer of the backup engine on Linux.
//
// Attribute bits as the archive knows them: read-only is a file without its owner's write
// permission, hidden a name beginning with ".", archive is set on every file (nothing here
// records that a file was saved), system never. On restore only read-only has an effect: it
// removes every write permission, and its absence gives the owner write permission back.
// A drive is removable when the kernel says so of the block device holding the directory; any
// other place that exists (network and memory file systems included) is a fixed drive.
//
// A pending file is named ".<name>.kvarn-<pid>-<n>-<n>" and holds an exclusive lock (flock) for its
// whole life; the kernel drops the lock with the process, so an unlocked temporary whose last write
// is older than the sweeping run is one a dead process left. The probe of a volume directory is a
// directory ".kvarn-sonde-XXXXXX" that lives for two system calls.
#pragma once

#include "backup/os_layer.hpp"

namespace kvarn::backup {

class PosixOsLayer : public OsLayer {
public:
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
};

}  // namespace kvarn::backup
