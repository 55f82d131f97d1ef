// An exclusive advisory lock (flock) on a file, held for the lifetime of the object.
//
// Two uses: the hold one process keeps on a dossier's database while it works on it, and the
// companion lock file of a settings file, held around each read-change-replace of that file so
// that two processes never write over each other's changes (the replace gives the file a new
// inode, so the file itself cannot carry the lock). The holder waits a bounded time, stepping
// back from 1 ms to 20 ms between tries, then gives up with FileLockTimeout. A lock is tied to
// its descriptor: a second lock of the same file in one process waits as another process would.
#pragma once

#include <chrono>
#include <filesystem>
#include <stdexcept>

namespace kvarn {

// Another holder kept the file past the wait.
class FileLockTimeout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileLock {
public:
    // Opens `file` (created empty when missing) and locks it; std::runtime_error naming the file
    // when it cannot be opened, FileLockTimeout when the wait runs out.
    FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace kvarn
