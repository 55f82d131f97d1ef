// Putting one database's content in place of another's through SQLite's online backup: the undo
// of a year-end closing copies the archived database into the open dossier, and the command line
// simulates a migration on a private copy of the dossier's database.
//
// The copy reads the source as one snapshot, under SQLite's own read lock, so a copy taken while
// the file is in use is a complete database of one moment; it writes the destination page by
// page in one write transaction, so a database that stays open keeps its name, its inode and the
// locks held on it, and a reader sees the old content or the new one, never a mixture. A copy
// cut before its end leaves the old content (the journal rolls the pages back).
#pragma once

#include <chrono>
#include <filesystem>

namespace kvarn::db {

class Connection;

// Throws FichierEndommage when SQLite's full integrity check of `database` finds anything.
void CheckIntegrity(Connection& database);

// Replaces the main database of `into` by that of `from`, in one transaction; throws DbError when
// SQLite refuses (a transaction open on `into`, a disk full), `into` then unchanged.
void CopyDatabase(Connection& from, Connection& into);

// Replaces the file `destination` with a copy of `source`, opened read-only and never written;
// DbError naming the file when either cannot be opened or the copy fails.
void CopyDatabaseOnline(const std::filesystem::path& source, const std::filesystem::path& destination,
                        std::chrono::milliseconds busyTimeout);

}  // namespace kvarn::db
