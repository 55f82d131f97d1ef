// One SQLite connection over a database file, opened safely, with its change counters.
//
// Opening checks the file before SQLite may write to it: a file that does not start with the
// SQLite header, or whose pages fail SQLite's quick check, is refused with an error naming it and
// left untouched. The connection then runs with a rollback journal (truncated at each commit) and
// full synchronous writes, so a committed transaction survives a power cut and, whenever no
// transaction is open, the file alone is a complete database. It keeps its lock on the file
// while open. Busy waits are bounded by the timeout given.
//
// Other database files are attached under a schema name (the temporary alias). The connection
// keeps one change counter per table, raised by SQLite's update hook for every row written
// through any statement; table components compare it with the value they last saw to know when
// rows changed under them. Transactions nest: the outermost level is BEGIN/COMMIT, inner levels
// are savepoints inside it, so an inner rollback undoes only its own work.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;

namespace kvarn::db {

class Connection {
public:
    Connection(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* Handle() const { return db_; }
    const std::filesystem::path& File() const { return file_; }

    // Runs statements that return no rows of interest.
    void Execute(std::string_view sql);

    // Attaches another database file under `schema`, with the same checks as the main file.
    // `durable` false: the file is scratch data, written without waiting for the disk.
    void Attach(const std::filesystem::path& file, std::string_view schema, bool durable);
    bool IsAttached(std::string_view schema) const;

    // The change counter of a table; the reference stays valid for the connection's lifetime.
    const std::uint64_t& ChangeCounter(std::string_view schema, std::string_view table);
    void MarkChanged(std::string_view schema, std::string_view table);
    // After a rollback or a statement whose effects the hook does not see.
    void MarkAllChanged();

    // Nested transactions (see Transaction): each call ends the innermost level.
    void BeginTransaction();
    void CommitTransaction();
    void RollbackTransaction();
    bool InTransaction() const { return transactionDepth_ > 0; }

private:
    static void OnRowChanged(void* self, int operation, const char* schema, const char* table,
                             long long rowid);
    void CheckFile(const std::filesystem::path& file, std::string_view schema);

    sqlite3* db_ = nullptr;
    std::filesystem::path file_;
    std::unordered_map<std::string, std::filesystem::path> attached_;
    std::unordered_map<std::string, std::uint64_t> changes_;
    int transactionDepth_ = 0;
};

}  // namespace kvarn::db
