#include "db/dossier_lock.hpp"

#include "db/errors.hpp"

namespace kvarn::db {

DossierLock::DossierLock(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    try {
        lock_.emplace(file, wait);
    } catch (const FileLockTimeout&) {
        throw DossierEnCoursUtilisation();
    } catch (const std::runtime_error& error) {
        throw DbError(error.what());
    }
}

}  // namespace kvarn::db
