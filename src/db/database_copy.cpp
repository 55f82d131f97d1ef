#include "db/database_copy.hpp"

#include "db/connection.hpp"
#include "db/errors.hpp"
#include "db/statement.hpp"

#include <sqlite3.h>

#include <memory>
#include <string>

namespace kvarn::db {
namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, Closer>;

Database Open(const std::filesystem::path& file, int flags, std::chrono::milliseconds busyTimeout) {
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &handle, flags, nullptr);
    Database database(handle);
    if (rc != SQLITE_OK)
        throw DbError("Le fichier « " + file.string() + " » ne peut pas être ouvert : " +
                      (handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc)));
    sqlite3_busy_timeout(handle, static_cast<int>(busyTimeout.count()));
    return database;
}

// Every page in one step (-1), hence one write transaction on `into`.
void Copy(sqlite3* from, sqlite3* into) {
    sqlite3_backup* copy = sqlite3_backup_init(into, "main", from, "main");
    if (!copy) RaiseSqliteFailure(sqlite3_errcode(into), sqlite3_errmsg(into));
    const int stepped = sqlite3_backup_step(copy, -1);
    const int finished = sqlite3_backup_finish(copy);
    if (stepped != SQLITE_DONE) RaiseSqliteFailure(stepped, sqlite3_errstr(stepped));
    if (finished != SQLITE_OK) RaiseSqliteFailure(finished, sqlite3_errmsg(into));
}

}  // namespace

void CheckIntegrity(Connection& database) {
    Statement check(database.Handle(), "PRAGMA main.integrity_check(1)");
    if (!check.Step() || check.ColumnText(0) != "ok")
        throw FichierEndommage("La base " + database.File().string() + " est endommagée");
}

void CopyDatabase(Connection& from, Connection& into) {
    try {
        Copy(from.Handle(), into.Handle());
    } catch (...) {
        into.MarkAllChanged();
        throw;
    }
    into.MarkAllChanged();
}

void CopyDatabaseOnline(const std::filesystem::path& source, const std::filesystem::path& destination,
                        std::chrono::milliseconds busyTimeout) {
    const Database from = Open(source, SQLITE_OPEN_READONLY, busyTimeout);
    const Database to = Open(destination, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeout);
    try {
        Copy(from.get(), to.get());
    } catch (const DossierEnCoursUtilisation&) {
        throw;
    } catch (const DbError& erreur) {
        throw DbError("La copie de « " + source.string() + " » a échoué : " + erreur.what());
    }
}

}  // namespace kvarn::db
