#include "db/errors.hpp"

#include <sqlite3.h>

namespace kvarn::db {

void RaiseSqliteFailure(int resultCode, const std::string& message) {
    switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: throw DossierEnCoursUtilisation();
    case SQLITE_CONSTRAINT: throw ContrainteViolee(message);
    default: throw DbError(message);
    }
}

}  // namespace kvarn::db
