#include "db/database_copy.hpp"

#include "db/connection.hpp"
#include "db/errors.hpp"
#include "db/statement.hpp"

#include <sqlite3.h>

#include <string>

namespace kvarn::db {

void CheckIntegrity(Connection& database) {
    Statement check(database.Handle(), "PRAGMA main.integrity_check(1)");
    if (!check.Step() || check.ColumnText(0) != "ok")
        throw FichierEndommage("La base " + database.File().string() + " est endommagée");
}

void CopyDatabase(Connection& from, Connection& into) {
    sqlite3_backup* copy = sqlite3_backup_init(into.Handle(), "main", from.Handle(), "main");
    if (!copy) RaiseSqliteFailure(sqlite3_errcode(into.Handle()), sqlite3_errmsg(into.Handle()));
    // -1: every page in one step, hence one write transaction on `into`.
    const int stepped = sqlite3_backup_step(copy, -1);
    const int finished = sqlite3_backup_finish(copy);
    into.MarkAllChanged();
    if (stepped != SQLITE_DONE) RaiseSqliteFailure(stepped, sqlite3_errstr(stepped));
    if (finished != SQLITE_OK) RaiseSqliteFailure(finished, sqlite3_errmsg(into.Handle()));
}

}  // namespace kvarn::db
