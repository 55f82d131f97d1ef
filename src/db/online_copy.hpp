// A consistent copy of a database file through SQLite's online backup.
//
// The copy reads the source as one snapshot, under SQLite's own read lock, so a copy taken while
// the file is in use is a complete database of one moment; the source is opened read-only and
// never written. The command line simulates a migration on such a copy.
#pragma once

#include <chrono>
#include <filesystem>

namespace kvarn::db {

// Replaces `destination` with a copy of `source`; DbError naming the file when either cannot be
// opened or the copy fails.
void CopyDatabaseOnline(const std::filesystem::path& source, const std::filesystem::path& destination,
                        std::chrono::milliseconds busyTimeout);

}  // namespace kvarn::db
