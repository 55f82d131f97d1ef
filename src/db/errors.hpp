// The exceptions of the table engine.
//
// Every failure of the engine is a DbError whose text is the French message shown to the user,
// naming the file, table or field concerned. The conditions that callers must tell apart have a
// kind of their own, derived from DbError, so that code catches them by type, never by text:
//
//   DossierEnCoursUtilisation  another process holds the dossier (or SQLite stayed busy)
//   FichierEndommage           a file that is not a database, or whose pages fail the check
//   ContrainteViolee           a write that a unique index refuses
//   ValeurRefusee              a value a field cannot hold (a text that is no number, a Short
//                              out of its range, a value of another type than a Locate's field)
//
// An operation that meets an error on its way restates the message with its own context (the
// statement as the module wrote it, the table that refused a row) and passes the same object on,
// so the kind survives. A structure operation's error also carries the location code of the
// caller that asked for it, so that the module's exception box names that place.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace kvarn::db {

class DbError : public std::exception {
public:
    explicit DbError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }
    void Restate(std::string message) { message_ = std::move(message); }

    // The caller's place (unit × 65536 + place); 0 when none was given.
    std::uint32_t Location() const { return location_; }
    void SetLocation(std::uint32_t location) { location_ = location; }

private:
    std::string message_;
    std::uint32_t location_ = 0;
};

class DossierEnCoursUtilisation : public DbError {
public:
    DossierEnCoursUtilisation() : DbError("Le dossier est en cours d'utilisation") {}
};

class FichierEndommage : public DbError {
public:
    using DbError::DbError;
};

class ContrainteViolee : public DbError {
public:
    using DbError::DbError;
};

class ValeurRefusee : public DbError {
public:
    using DbError::DbError;
};

// Raises the engine's error for a failed SQLite call: a busy or locked database as
// DossierEnCoursUtilisation, a constraint as ContrainteViolee, anything else as a DbError
// carrying `message`.
[[noreturn]] void RaiseSqliteFailure(int resultCode, const std::string& message);

}  // namespace kvarn::db
