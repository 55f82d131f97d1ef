// The one exception type of the table engine.
//
// Every failure of the engine (a file that is not a database, a locked dossier, a value out of a
// field's range, a statement SQLite refuses) is raised as a DbError whose text is the French
// message shown to the user, naming the file, table or field concerned. Callers catch it where
// the module's behaviour says and report it through the host's exception box.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kvarn::db {

class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure of an operation to which the module passed the place that asked for it (the
// location code of the structure operations), so that its exception box can name that place.
class LocatedDbError : public DbError {
public:
    LocatedDbError(std::uint32_t location, const std::string& message)
        : DbError(message), location_(location) {}
    std::uint32_t Location() const { return location_; }

private:
    std::uint32_t location_;
};

// The message a second process gets while the dossier is held by another one.
inline constexpr const char* DOSSIER_EN_COURS_UTILISATION = "Le dossier est en cours d'utilisation";

}  // namespace kvarn::db
