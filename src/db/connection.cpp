#include "db/connection.hpp"

#include "db/errors.hpp"
#include "db/french_collation.hpp"
#include "db/identifiers.hpp"
#include "db/statement.hpp"

#include <sqlite3.h>

#include <cstring>
#include <fstream>

namespace kvarn::db {
namespace {

std::string Quoted(const std::filesystem::path& file) { return "« " + file.string() + " »"; }

std::string CounterKey(std::string_view schema, std::string_view table) {
    return AsciiUpper(schema) + '.' + AsciiUpper(table);
}

// An existing, non-empty file must start with SQLite's 16-byte header; anything else is not
// opened by SQLite at all, so nothing can be written to it.
void RequireSqliteHeader(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error) || std::filesystem::file_size(file, error) == 0) return;
    std::ifstream in(file, std::ios::binary);
    char header[16] = {};
    in.read(header, sizeof header);
    if (in.gcount() != static_cast<std::streamsize>(sizeof header) ||
        std::memcmp(header, "SQLite format 3", sizeof header) != 0)
        throw FichierEndommage("Le fichier " + Quoted(file) + " n'est pas une base de données");
}

}  // namespace

Connection::Connection(const std::filesystem::path& file, std::chrono::milliseconds busyTimeout)
    : file_(file) {
    RequireSqliteHeader(file);
    // One thread uses a connection (the module runs on its host's interface thread), so SQLite
    // need not lock the connection around every call: a walk reading 20 fields a row makes
    // hundreds of thousands of them.
    const int rc = sqlite3_open_v2(file.c_str(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close_v2(db_);
        throw DbError("Le fichier " + Quoted(file) + " ne peut pas être ouvert (" + message + ")");
    }
    try {
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, static_cast<int>(busyTimeout.count()));
        RegisterFrenchText(db_);
        CheckFile(file, "main");
        // The session holds the dossier alone (DossierLock), so SQLite may keep its file lock
        // and page cache from one statement to the next instead of taking and dropping a lock,
        // re-checking the journal and re-reading the header for every statement. In that mode
        // the journal is truncated, not deleted, at each commit: an empty journal is never hot.
        Execute("PRAGMA locking_mode=EXCLUSIVE; PRAGMA main.journal_mode=TRUNCATE; "
                "PRAGMA main.synchronous=FULL;");
        sqlite3_update_hook(db_, &Connection::OnRowChanged, this);
    } catch (...) {
        sqlite3_close_v2(db_);
        throw;
    }
}

Connection::~Connection() { sqlite3_close_v2(db_); }

void Connection::CheckFile(const std::filesystem::path& file, std::string_view schema) {
    // The quick check reads every page and verifies the b-trees without writing anything.
    std::string verdict;
    try {
        Statement check(db_, "PRAGMA " + std::string(schema) + ".quick_check(1)");
        if (check.Step()) verdict = check.ColumnText(0);
        check.Reset();
    } catch (const DossierEnCoursUtilisation&) {
        throw;
    } catch (const DbError&) {
        const int code = sqlite3_extended_errcode(db_) & 0xFF;
        if (code == SQLITE_NOTADB)
            throw FichierEndommage("Le fichier " + Quoted(file) + " n'est pas une base de données");
        throw FichierEndommage("Le fichier " + Quoted(file) + " est endommagé");
    }
    if (verdict != "ok") throw FichierEndommage("Le fichier " + Quoted(file) + " est endommagé (" + verdict + ")");
}

void Connection::Execute(std::string_view sql) {
    char* message = nullptr;
    const std::string text(sql);
    const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK) return;
    const std::string detail = message ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    RaiseSqliteFailure(rc, "Erreur de la base de données (" + detail + ") : " + text);
}

void Connection::Attach(const std::filesystem::path& file, std::string_view schema, bool durable) {
    RequireSqliteHeader(file);
    Statement attach(db_, "ATTACH DATABASE ?1 AS " + std::string(schema));
    attach.BindText(1, file.string());
    try {
        attach.Run();
    } catch (const DbError&) {
        throw DbError("Le fichier " + Quoted(file) + " ne peut pas être ouvert");
    }
    try {
        CheckFile(file, schema);
        const std::string name(schema);
        Execute("PRAGMA " + name + ".journal_mode=TRUNCATE; PRAGMA " + name + ".synchronous=" +
                (durable ? "FULL" : "OFF") + ";");
    } catch (...) {
        Execute("DETACH DATABASE " + std::string(schema));
        throw;
    }
    attached_[CounterKey(schema, "")] = file;
}

bool Connection::IsAttached(std::string_view schema) const {
    return attached_.count(CounterKey(schema, "")) != 0;
}

void Connection::OnRowChanged(void* self, int, const char* schema, const char* table, long long) {
    ++static_cast<Connection*>(self)->changes_[CounterKey(schema, table)];
}

const std::uint64_t& Connection::ChangeCounter(std::string_view schema, std::string_view table) {
    return changes_[CounterKey(schema, table)];
}

void Connection::MarkChanged(std::string_view schema, std::string_view table) {
    ++changes_[CounterKey(schema, table)];
}

void Connection::MarkAllChanged() {
    for (auto& [key, counter] : changes_) ++counter;
}

namespace {
std::string SavepointName(int depth) { return "kvarn_" + std::to_string(depth); }
}  // namespace

void Connection::BeginTransaction() {
    // IMMEDIATE takes the write lock now rather than at the first post, so that a conflict shows
    // before any work is done.
    Execute(transactionDepth_ == 0 ? std::string("BEGIN IMMEDIATE")
                                   : "SAVEPOINT " + SavepointName(transactionDepth_));
    ++transactionDepth_;
}

void Connection::CommitTransaction() {
    if (transactionDepth_ == 0) return;
    if (transactionDepth_ > 1) {
        Execute("RELEASE " + SavepointName(transactionDepth_ - 1));
        --transactionDepth_;
        return;
    }
    try {
        Execute("COMMIT");
        transactionDepth_ = 0;
    } catch (DbError& error) {
        // A commit that fails (a full disk, an I/O error) leaves nothing half-written: roll back so
        // that the connection is usable, and say that nothing of the transaction is on disk.
        const std::string detail = sqlite3_errmsg(db_);
        RollbackTransaction();
        error.Restate("Les modifications n'ont pas pu être enregistrées dans le fichier " + Quoted(file_) + " (" +
                      detail + ") : aucune n'a été gardée");
        throw;
    }
}

void Connection::RollbackTransaction() {
    if (transactionDepth_ == 0) return;
    // Rows come back or go away without the update hook seeing them.
    MarkAllChanged();
    if (--transactionDepth_ > 0) {
        const std::string name = SavepointName(transactionDepth_);
        Execute("ROLLBACK TO " + name + "; RELEASE " + name);
    } else if (!sqlite3_get_autocommit(db_)) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

}  // namespace kvarn::db
