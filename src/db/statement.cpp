#include "db/statement.hpp"

#include "db/errors.hpp"

#include <sqlite3.h>

#include <utility>

namespace kvarn::db {

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    const int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        RaiseSqliteFailure(rc, "Instruction SQL refusée (" + std::string(sqlite3_errmsg(db)) + ") : " +
                                   std::string(sql));
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement::Statement(Statement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = std::exchange(other.db_, nullptr);
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

void Statement::Check(int rc, int index) const {
    if (rc != SQLITE_OK)
        throw DbError("Paramètre " + std::to_string(index) + " refusé : " + sqlite3_errmsg(db_));
}

void Statement::BindNull(int index) { Check(sqlite3_bind_null(stmt_, index), index); }

void Statement::BindInteger(int index, std::int64_t value) {
    Check(sqlite3_bind_int64(stmt_, index, value), index);
}

void Statement::BindReal(int index, double value) {
    Check(sqlite3_bind_double(stmt_, index, value), index);
}

void Statement::BindText(int index, std::string_view value) {
    Check(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT),
          index);
}

void Statement::BindBlob(int index, std::string_view bytes) {
    Check(sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT), index);
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const int extended = sqlite3_extended_errcode(db_);
    std::string message = sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    RaiseSqliteFailure(extended, "Erreur de la base de données (" + message + ") : " + sqlite3_sql(stmt_));
}

void Statement::Run() {
    while (Step()) {
    }
    Reset();
}

void Statement::Reset() { sqlite3_reset(stmt_); }

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }

bool Statement::ColumnIsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t Statement::ColumnInteger(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

double Statement::ColumnReal(int column) const { return sqlite3_column_double(stmt_, column); }

std::string_view Statement::ColumnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!text) return {};
    return {text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

}  // namespace kvarn::db
