#include "db/online_copy.hpp"

#include "db/errors.hpp"

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

}  // namespace

void CopyDatabaseOnline(const std::filesystem::path& source, const std::filesystem::path& destination,
                        std::chrono::milliseconds busyTimeout) {
    const Database from = Open(source, SQLITE_OPEN_READONLY, busyTimeout);
    const Database to = Open(destination, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeout);
    sqlite3_backup* backup = sqlite3_backup_init(to.get(), "main", from.get(), "main");
    if (!backup)
        throw DbError("La copie de « " + source.string() + " » ne peut pas commencer : " + sqlite3_errmsg(to.get()));
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        throw DbError("La copie de « " + source.string() + " » a échoué : " + sqlite3_errstr(rc));
}

}  // namespace kvarn::db
