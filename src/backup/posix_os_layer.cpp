#include "backup/posix_os_layer.hpp"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace kvarn::backup {

namespace fs = std::filesystem;

namespace {

// A file descriptor closed with its owner.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

class FdStream : public virtual Stream {
public:
    explicit FdStream(Descriptor fd) : fd_(std::move(fd)) {}

    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        std::size_t done = 0;
        while (done < size) {
            const ssize_t got = ::read(fd_.get(), buffer + done, size - done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) failed_ = true;
            if (got <= 0) break;
            done += static_cast<std::size_t>(got);
        }
        position_ += done;
        return done;
    }

    bool Write(const std::uint8_t* data, std::size_t size) override {
        std::size_t done = 0;
        while (done < size) {
            const ssize_t put = ::write(fd_.get(), data + done, size - done);
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) {
                failed_ = true;
                position_ += done;
                return false;
            }
            done += static_cast<std::size_t>(put);
        }
        position_ += done;
        return true;
    }

    bool Seek(std::uint64_t offset) override {
        if (::lseek(fd_.get(), static_cast<off_t>(offset), SEEK_SET) < 0) return false;
        position_ = offset;
        return true;
    }

    bool Truncate() override { return ::ftruncate(fd_.get(), static_cast<off_t>(position_)) == 0; }
    std::uint64_t Position() const override { return position_; }

    std::optional<std::uint64_t> Size() override {
        struct stat st {};
        if (::fstat(fd_.get(), &st) != 0) return std::nullopt;
        return static_cast<std::uint64_t>(st.st_size);
    }

    bool Failed() const override { return failed_; }

protected:
    int fd() const { return fd_.get(); }

private:
    Descriptor fd_;
    std::uint64_t position_ = 0;
    bool failed_ = false;
};

constexpr std::string_view kTemporaryMark = ".kvarn-";
constexpr std::string_view kProbePrefix = ".kvarn-sonde-";

// Hidden, beside the final name, never reused, and short enough for any name's temporary: the
// name contributes its first bytes only.
std::string TemporaryNameFor(const std::string& name) {
    constexpr std::size_t kNameBytes = 64;
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    return "." + name.substr(0, kNameBytes) + std::string(kTemporaryMark) +
           std::to_string(::getpid()) + "-" + std::to_string(seed) + "-" +
           std::to_string(counter++);
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// ".<name>.kvarn-<pid>-<seed>-<counter>", as TemporaryNameFor makes them.
bool IsTemporaryName(std::string_view name) {
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (name.empty() || name[0] != '.' || mark == std::string_view::npos || mark == 0) return false;
    std::string_view numbers = name.substr(mark + kTemporaryMark.size());
    for (int part = 0; part < 2; ++part) {
        const std::size_t dash = numbers.find('-');
        if (dash == std::string_view::npos || !AllDigits(numbers.substr(0, dash))) return false;
        numbers.remove_prefix(dash + 1);
    }
    return AllDigits(numbers);
}

bool IsProbeName(std::string_view name) {
    return name.size() == kProbePrefix.size() + 6 &&
           name.substr(0, kProbePrefix.size()) == kProbePrefix;
}

std::chrono::system_clock::time_point ModifiedAt(const struct stat& st) {
    return std::chrono::system_clock::time_point(std::chrono::duration_cast<
        std::chrono::system_clock::duration>(std::chrono::seconds(st.st_mtim.tv_sec) +
                                             std::chrono::nanoseconds(st.st_mtim.tv_nsec)));
}

// The flushes of whole file systems, shared by the files this process writes. Waiting for one
// file's data costs the disk a flush of its cache, as much as for a thousand files: a file asks
// for a flush of its file system only when none has begun there since the file was ready, so
// that a batch of files pays for one. Tickets order the readiness of files and the start of
// flushes; a file system flushed from a ticket holds everything made ready before it.
class FileSystemFlushes {
public:
    std::uint64_t Ticket() { return ++tickets_; }

    // Flushes the file system of `fd` unless a flush begun after `ready` already has.
    bool FlushSince(int fd, std::uint64_t ready) {
        struct stat st {};
        if (::fstat(fd, &st) != 0) return false;
        {
            const std::lock_guard lock(mutex_);
            const auto done = flushed_.find(st.st_dev);
            if (done != flushed_.end() && done->second > ready) return true;
        }
        const std::uint64_t begun = Ticket();
        if (::syncfs(fd) != 0) return false;
        const std::lock_guard lock(mutex_);
        std::uint64_t& done = flushed_[st.st_dev];
        done = std::max(done, begun);
        return true;
    }

private:
    std::atomic<std::uint64_t> tickets_{0};
    std::mutex mutex_;
    std::map<dev_t, std::uint64_t> flushed_;
};

FileSystemFlushes& Flushes() {
    static FileSystemFlushes flushes;
    return flushes;
}

class PosixPendingFile final : public FdStream, public PendingFile {
public:
    PosixPendingFile(Descriptor dir, Descriptor file, std::string temporary, std::string final)
        : FdStream(std::move(file)), dir_(std::move(dir)), temporary_(std::move(temporary)),
          final_(std::move(final)) {}

    ~PosixPendingFile() override {
        if (!committed_) ::unlinkat(dir_.get(), temporary_.c_str(), 0);
    }

    bool Seal(const FileStamp* stamp) override {
        if (Failed() || (stamp && !Apply(*stamp))) return false;
        // Starts the writing out; Publish waits for it. Where the call is refused, Publish's
        // flush does all the work.
        ::sync_file_range(fd(), 0, 0, SYNC_FILE_RANGE_WRITE);
        ready_ = Flushes().Ticket();
        return true;
    }

    bool Publish() override {
        if (!Flushes().FlushSince(fd(), ready_) ||
            ::renameat(dir_.get(), temporary_.c_str(), dir_.get(), final_.c_str()) != 0)
            return false;
        committed_ = true;
        ready_ = Flushes().Ticket();
        return true;
    }

    // Once the directories hold every new name of a batch, the first flush puts them all on the
    // disk and the others find nothing left to do. A failure here loses nothing written.
    bool FlushName() override {
        Flushes().FlushSince(dir_.get(), ready_);
        return true;
    }

private:
    bool Apply(const FileStamp& stamp) {
        if (stamp.modified) {
            const timespec times[2] = {{0, UTIME_OMIT}, {*stamp.modified, 0}};
            if (::futimens(fd(), times) != 0) return false;
        }
        struct stat st {};
        if (::fstat(fd(), &st) != 0) return false;
        const mode_t mode = (stamp.attributes & 0x01) ? (st.st_mode & ~mode_t{0222})
                                                      : (st.st_mode | S_IWUSR);
        return ::fchmod(fd(), mode & 07777) == 0;
    }

    Descriptor dir_;
    std::string temporary_;
    std::string final_;
    bool committed_ = false;
    std::uint64_t ready_ = 0;  // the ticket of the last change Publish or FlushName waits for
};

// The lock is taken right after the file is created. A sweeper can only come between the two for
// a file it found unlocked and older than its own run; it then removes the name, which the link
// count shows, and another name is taken.
std::unique_ptr<PendingFile> CreatePendingIn(Descriptor dir, const std::string& name) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::string temporary = TemporaryNameFor(name);
        Descriptor file(::openat(dir.get(), temporary.c_str(),
                                 O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!file.valid()) return nullptr;
        struct stat st {};
        if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(file.get(), &st) == 0 &&
            st.st_nlink > 0)
            return std::make_unique<PosixPendingFile>(std::move(dir), std::move(file), temporary,
                                                      name);
    }
    return nullptr;
}

Descriptor OpenDirectory(const fs::path& dir) {
    return Descriptor(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// `root`/`relative`, creating the missing directories when asked, following no symbolic link
// below `root`.
Descriptor OpenBelow(const fs::path& root, const fs::path& relative, bool create) {
    Descriptor dir = OpenDirectory(root);
    for (const fs::path& component : relative) {
        if (!dir.valid()) return dir;
        const std::string text = component.string();
        if (text.empty()) continue;
        if (create && ::mkdirat(dir.get(), text.c_str(), 0777) != 0 && errno != EEXIST)
            return Descriptor();
        dir = Descriptor(::openat(dir.get(), text.c_str(),
                                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    return dir;
}

// Removes the temporary `name` of `dir` when it was last written before `before` and its lock
// can be taken: no live process holds it.
void RemoveIfStale(int dir, const char* name, std::chrono::system_clock::time_point before) {
    Descriptor file(::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!file.valid() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        ModifiedAt(st) >= before || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return;
    ::unlinkat(dir, name, 0);
}

// A probe directory left by a killed run: empty, and older than the sweeping run.
void RemoveProbeIfStale(int dir, const char* name, std::chrono::system_clock::time_point before) {
    struct stat st {};
    if (::fstatat(dir, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode) &&
        ModifiedAt(st) < before)
        ::unlinkat(dir, name, AT_REMOVEDIR);
}

// The nearest directory at or above `dir` that exists.
std::optional<struct stat> StatNearest(fs::path dir) {
    struct stat st {};
    while (::stat(dir.c_str(), &st) != 0) {
        if (!dir.has_relative_path()) return std::nullopt;
        dir = dir.parent_path();
    }
    return st;
}

bool SysfsSaysRemovable(const fs::path& device) {
    std::ifstream flag(device / "removable");
    char value = '0';
    return flag >> value && value == '1';
}

std::uint16_t AttributesOf(const std::string& name, const struct stat& st) {
    std::uint16_t attributes = 0x20;  // archive: nothing here records that a file was saved
    if (!(st.st_mode & S_IWUSR)) attributes |= 0x01;
    if (!name.empty() && name[0] == '.') attributes |= 0x02;
    return attributes;
}

EntryKind EntryKindOf(const std::string& name, mode_t mode) {
    if (S_ISREG(mode)) return IsTemporaryName(name) ? EntryKind::Temporary : EntryKind::File;
    if (S_ISDIR(mode)) return EntryKind::Directory;
    return EntryKind::Other;
}

}  // namespace

DriveKind PosixOsLayer::KindOf(const fs::path& dir) {
    const std::optional<struct stat> st = StatNearest(dir);
    if (!st) return DriveKind::Unknown;
    const fs::path link = "/sys/dev/block/" + std::to_string(major(st->st_dev)) + ":" +
                          std::to_string(minor(st->st_dev));
    std::error_code ignored;
    const fs::path device = fs::canonical(link, ignored);
    if (device.empty()) return DriveKind::Fixed;  // not a block device: memory or network
    // A partition carries no flag of its own; its disk, one level up, does.
    return SysfsSaysRemovable(device) || SysfsSaysRemovable(device.parent_path())
               ? DriveKind::Removable
               : DriveKind::Fixed;
}

std::optional<std::uint64_t> PosixOsLayer::FreeSpace(const fs::path& dir) {
    struct statvfs st {};
    if (::statvfs(dir.c_str(), &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
}

// The probe works inside the volume directory, under a name of its own: creating entries at the
// root of the file system would need rights nobody should grant a backup.
ProbeResult PosixOsLayer::Probe(const fs::path& dir) {
    if (!IsDirectory(dir)) return ProbeResult::UnknownDrive;
    std::string pattern = (dir / (std::string(kProbePrefix) + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) return ProbeResult::Protected;
    return ::rmdir(pattern.c_str()) == 0 ? ProbeResult::Ok : ProbeResult::Protected;
}

bool PosixOsLayer::IsDirectory(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixOsLayer::Exists(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool PosixOsLayer::MakeDirectories(const fs::path& dir) {
    std::error_code ignored;
    fs::create_directories(dir, ignored);
    return IsDirectory(dir);
}

bool PosixOsLayer::RemoveFile(const fs::path& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::optional<std::vector<DirectoryEntry>> PosixOsLayer::List(const fs::path& dir) {
    Descriptor dirFd = OpenDirectory(dir);
    if (!dirFd.valid()) return std::nullopt;
    DIR* stream = ::fdopendir(::dup(dirFd.get()));
    if (!stream) return std::nullopt;
    std::vector<DirectoryEntry> entries;
    while (const dirent* entry = ::readdir(stream)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat st {};
        if (::fstatat(dirFd.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        entries.push_back({name, EntryKindOf(name, st.st_mode), static_cast<std::uint64_t>(st.st_size),
                           st.st_mtime, AttributesOf(name, st)});
    }
    ::closedir(stream);
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    return entries;
}

std::unique_ptr<Stream> PosixOsLayer::OpenForReading(const fs::path& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) return nullptr;
    return std::make_unique<FdStream>(std::move(fd));
}

// Named in the process's temporary directory and unlinked at once: nothing is left behind,
// whatever becomes of the process.
std::unique_ptr<Stream> PosixOsLayer::CreateScratch() {
    std::error_code error;
    const fs::path dir = fs::temp_directory_path(error);
    if (error) return nullptr;
    std::string pattern = (dir / "kvarn-br-XXXXXX").string();
    Descriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd.valid()) return nullptr;
    ::unlink(pattern.c_str());
    return std::make_unique<FdStream>(std::move(fd));
}

std::unique_ptr<PendingFile> PosixOsLayer::CreateVolume(const fs::path& path) {
    Descriptor dir = OpenDirectory(path.parent_path());
    if (!dir.valid()) return nullptr;
    return CreatePendingIn(std::move(dir), path.filename().string());
}

std::unique_ptr<PendingFile> PosixOsLayer::CreateRestored(const fs::path& root,
                                                          const fs::path& relative,
                                                          const std::string& name) {
    if (!MakeDirectories(root)) return nullptr;
    Descriptor dir = OpenBelow(root, relative, true);
    if (!dir.valid()) return nullptr;
    return CreatePendingIn(std::move(dir), name);
}

void PosixOsLayer::SweepTemporaries(const fs::path& root, const fs::path& relative,
                                    std::chrono::system_clock::time_point before) {
    const Descriptor dir = OpenBelow(root, relative, false);
    DIR* stream = dir.valid() ? ::fdopendir(::dup(dir.get())) : nullptr;
    if (!stream) return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(stream))
        if (IsTemporaryName(entry->d_name) || IsProbeName(entry->d_name))
            names.emplace_back(entry->d_name);
    ::closedir(stream);
    for (const std::string& name : names) {
        if (IsProbeName(name))
            RemoveProbeIfStale(dir.get(), name.c_str(), before);
        else
            RemoveIfStale(dir.get(), name.c_str(), before);
    }
}

}  // namespace kvarn::backup
