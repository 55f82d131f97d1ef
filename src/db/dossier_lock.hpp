// The hold one process keeps on a dossier's database while it works on it.
//
// Two processes writing the same dossier in turns would each see the other's rows appear and
// vanish under their cursors, so a process opening a dossier takes an exclusive advisory lock
// (flock, common/file_lock.hpp) on the database file for as long as its session is open. A
// second process waits a bounded time for it, then gets "Le dossier est en cours d'utilisation".
// flock locks are independent of the POSIX byte-range locks SQLite takes on the same file, so
// they do not interfere; the descriptor stays open until SQLite has closed the file, because
// closing a descriptor of a file drops the process's POSIX locks on it. The commands that change
// a dossier's files without opening its database take the same hold.
#pragma once

#include "common/file_lock.hpp"

#include <chrono>
#include <filesystem>
#include <optional>

namespace kvarn::db {

class DossierLock {
public:
    // Creates the file when missing (an empty file is a new, empty database). Throws
    // DossierEnCoursUtilisation when the wait runs out, DbError when the file cannot be opened.
    DossierLock(const std::filesystem::path& file, std::chrono::milliseconds wait);

private:
    std::optional<FileLock> lock_;
};

}  // namespace kvarn::db
