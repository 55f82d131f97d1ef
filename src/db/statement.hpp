// One prepared SQLite statement, owned.
//
// The engine talks to SQLite through its C interface: a statement is prepared once per table
// component and re-run with new bindings for every row, without copying the handle or allocating
// per column, which is what keeps a loop of posts close to raw SQLite speed. Step() returns true
// while there is a row; a failure raises a DbError carrying SQLite's message. Reset() is called
// before every new run, so no statement stays active between calls (an active read statement
// would hold back the commit of autocommitted writes).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kvarn::db {

class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Prepared() const { return stmt_ != nullptr; }

    // Parameters are numbered from 1, as in SQLite.
    void BindNull(int index);
    void BindInteger(int index, std::int64_t value);
    void BindReal(int index, double value);
    void BindText(int index, std::string_view value);  // the text is copied by SQLite
    void BindBlob(int index, std::string_view bytes);  // copied too; read back with ColumnText

    // Runs one step: true when a row is available. Resets the statement before raising.
    bool Step();
    // Runs a statement that returns no row to its end.
    void Run();
    void Reset();

    // Column accessors of the current row, numbered from 0.
    int ColumnCount() const;
    bool ColumnIsNull(int column) const;
    std::int64_t ColumnInteger(int column) const;
    double ColumnReal(int column) const;
    std::string_view ColumnText(int column) const;

    sqlite3_stmt* Handle() const { return stmt_; }

private:
    void Check(int rc, int index) const;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace kvarn::db
