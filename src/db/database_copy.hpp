// Putting one database's content in place of another's, for the undo of a year-end closing.
//
// The dossier's database stays open while its content is replaced: the copy goes through SQLite's
// online backup into the open connection, page by page in one write transaction, so the file
// keeps its name, its inode and the locks held on it, and a reader sees the old content or the
// new one, never a mixture. A copy cut before its end leaves the old content (the journal rolls
// the pages back). The source is checked whole (integrity_check) before anything is copied.
#pragma once

namespace kvarn::db {

class Connection;

// Throws FichierEndommage when SQLite's full integrity check of `database` finds anything.
void CheckIntegrity(Connection& database);

// Replaces the main database of `into` by that of `from`, in one transaction; throws DbError when
// SQLite refuses (a transaction open on `into`, a disk full), `into` then unchanged.
void CopyDatabase(Connection& from, Connection& into);

}  // namespace kvarn::db
