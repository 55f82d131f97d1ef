// What the backup engine asks of the operating system: facts about the drive of a directory
// (kind, free space, whether it can be written), directory listings with the archive's attribute
// bits, and the files it reads and writes.
//
// Files that the engine writes (volumes, restored files) are "pending" until committed: they are
// written under a temporary name beside their final place and renamed over it only when whole, so
// a crash or a failure never leaves a file that looks complete. A temporary name is recognisable
// as this layer's own: listings mark it, so that it is never archived, and a process killed while
// writing leaves one that a later run sweeps away once no live process holds it. The engine owns
// every stream it opens here; the layer owns nothing between calls. Tests replace single operations (free space, a
// volume that fails after N bytes) by deriving from the POSIX implementation.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kvarn::backup {

enum class DriveKind { Unknown, Fixed, Removable };
enum class ProbeResult { Ok, UnknownDrive, Protected };
// Other: symbolic links, FIFOs, devices, sockets; never archived. Temporary: a pending file of
// this layer, never archived either.
enum class EntryKind { File, Directory, Other, Temporary };

struct DirectoryEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;
    std::uint64_t size = 0;
    std::time_t modified = 0;
    std::uint16_t attributes = 0;  // the archive's attribute bits
};

// What a restored file gets before it takes its place.
struct FileStamp {
    std::uint16_t attributes = 0;
    std::optional<std::time_t> modified;
};

class Stream {
public:
    virtual ~Stream() = default;
    // Up to `size` bytes; fewer only at the end or on a fault, which Failed() then reports.
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t size) = 0;
    // All of the bytes or false.
    virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
    virtual bool Seek(std::uint64_t offset) = 0;
    virtual bool Truncate() = 0;  // to the current position
    virtual std::uint64_t Position() const = 0;
    virtual std::optional<std::uint64_t> Size() = 0;
    virtual bool Failed() const = 0;
};

class PendingFile : public virtual Stream {
public:
    // Applies the stamp when given, flushes to the disk and takes the final name, itself flushed.
    // The destructor of a file that has not taken its name removes it.
    bool Commit(const FileStamp* stamp) { return Seal(stamp) && Publish() && FlushName(); }

    // The same in three steps, so that many files share the waits for the disk: the caller takes
    // each step for every file of a batch before the next step. Seal applies the stamp and starts
    // the data on their way to the disk without waiting; Publish waits until data and stamp are on
    // the disk, then takes the final name (a crash never shows the name without the data);
    // FlushName waits until the name is on the disk.
    virtual bool Seal(const FileStamp* stamp) = 0;
    virtual bool Publish() = 0;
    virtual bool FlushName() = 0;
};

class OsLayer {
public:
    virtual ~OsLayer() = default;

    virtual DriveKind KindOf(const std::filesystem::path& dir) = 0;
    virtual std::optional<std::uint64_t> FreeSpace(const std::filesystem::path& dir) = 0;
    // Whether entries can be created in `dir` and removed again.
    virtual ProbeResult Probe(const std::filesystem::path& dir) = 0;

    virtual bool IsDirectory(const std::filesystem::path& path) = 0;
    // Whether anything, a dangling link included, has this name.
    virtual bool Exists(const std::filesystem::path& path) = 0;
    virtual bool MakeDirectories(const std::filesystem::path& dir) = 0;
    virtual bool RemoveFile(const std::filesystem::path& path) = 0;  // read-only ones too
    // Entries sorted by name, byte order; nullopt when the directory cannot be read.
    virtual std::optional<std::vector<DirectoryEntry>> List(const std::filesystem::path& dir) = 0;

    virtual std::unique_ptr<Stream> OpenForReading(const std::filesystem::path& path) = 0;
    // A read-write file of the process's own, gone when the stream is.
    virtual std::unique_ptr<Stream> CreateScratch() = 0;
    virtual std::unique_ptr<PendingFile> CreateVolume(const std::filesystem::path& path) = 0;
    // The file `name` in `root`/`relative`, creating missing directories; no symbolic link below
    // `root` is followed, one in the file's place is replaced.
    virtual std::unique_ptr<PendingFile> CreateRestored(const std::filesystem::path& root,
                                                        const std::filesystem::path& relative,
                                                        const std::string& name) = 0;
    // Removes from `root`/`relative` (reached as CreateRestored reaches it) the temporaries of this
    // layer last written before `before` that no live process holds: what killed runs left.
    virtual void SweepTemporaries(const std::filesystem::path& root,
                                  const std::filesystem::path& relative,
                                  std::chrono::system_clock::time_point before) = 0;
};

}  // namespace kvarn::backup
