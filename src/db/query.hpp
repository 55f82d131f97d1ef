// CQuery: the local SQL component — statements of the module's dialect on an alias.
//
// The module gives a statement as lines (SQL().Add(...)), joined with line breaks, and runs it
// with Open when it reads rows (SELECT) or ExecSQL when it changes them. The text is rewritten
// into SQLite's (sql_dialect.hpp: 'True'/'False' for Logical columns, ':ZOR_TMP:Table', the alias
// of a DELETE or UPDATE) and nothing else. Both aliases' tables can be named in one statement:
// they are one connection.
//
// Open reads the whole result at once (the module's results are a handful of rows: identifiers,
// sums) and closes the statement, so no read stays open across the module's writes; the rows are
// walked with First/Next/Eof and read by field name, case-insensitive, through the same Field
// class as the tables. A result column that is a table's column keeps that column's type (a Date
// reads as a day count, a Logical as a boolean); a computed one (SUM(...), MAX(DateMouvement))
// takes the type of its values, a date for the dates the tables store. ExecSQL runs inside its own
// transaction level: a statement that fails raises an error of its kind quoting the statement as
// the module wrote it, and writes nothing. After ExecSQL every table
// component sees the rows as they now are at its next move (SQLite does not report every row a
// statement removes, so all of them are told).
#pragma once

#include "db/field.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "db/value.hpp"

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvarn::db {

// The lines of a statement.
class SqlLines {
public:
    void Clear() { lines_.clear(); }
    void Add(std::string_view line) { lines_.emplace_back(line); }
    int Count() const { return static_cast<int>(lines_.size()); }
    std::string Text() const;

private:
    std::vector<std::string> lines_;
};

class CQuery : private FieldOwner {
public:
    explicit CQuery(Session& session);
    CQuery(const CQuery&) = delete;
    CQuery& operator=(const CQuery&) = delete;

    void SetDatabaseName(std::string_view alias);
    const std::string& DatabaseName() const { return alias_; }
    void SetSessionName(std::string_view name);

    SqlLines& SQL() { return sql_; }

    void Open();
    void Close();
    bool Active() const { return active_; }
    void ExecSQL();
    int RowsAffected() const { return rowsAffected_; }

    void First();
    void Next();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool IsEmpty() const { return rowCount_ == 0; }
    int RecordCount() const { return static_cast<int>(rowCount_); }

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    Field& Fields(int index) { return fields_.at(static_cast<std::size_t>(index)); }
    Field& FieldByName(std::string_view name);
    Field* FindField(std::string_view name);

private:
    // FieldOwner
    const Value& HeldValue(std::size_t index) override;
    void SetHeldValue(std::size_t index, Value value) override;
    FieldDisplay& DisplayOf(std::size_t index) override { return displays_[index]; }

    std::string PreparedText(const std::string& written);

    Session* session_;
    std::string alias_;
    SqlLines sql_;
    bool active_ = false;
    int rowsAffected_ = 0;

    std::vector<Field> fields_;
    std::vector<FieldDisplay> displays_;
    std::unordered_map<std::string, std::size_t, FieldNameHash, FieldNameEqual> byName_;
    std::vector<Value> cells_;  // row after row
    std::size_t rowCount_ = 0;
    std::size_t position_ = 0;
    bool bof_ = true;
    bool eof_ = true;
};

}  // namespace kvarn::db
