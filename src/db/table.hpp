// CTable: a named table on an alias, walked with a cursor, edited and posted row by row.
//
// The module's behaviour is written against desktop table components, and keeps that shape:
//
//   CTable t(session);  t.SetDatabaseName("ZOR_DOSSIER");  t.SetTableName("kolmikv1.db");
//   t.SetIndexName("idxRaisonSociale");  t.Open();
//   for (t.First(); !t.Eof(); t.Next()) { t.Edit(); t.FieldByName("Nom").SetAsString(..); t.Post(); }
//
// Opening reads the table's fields and named indexes from the catalogue and the identifiers of
// its rows in the order of the chosen index (row_order.hpp; no index: key order). The current
// row is fetched when one of its fields is first read, and only the fields the component has
// read so far: a loop that reads 20 of KOLMIKV1's 129 columns fetches those 20 per row, in one
// statement, from the second row on. Edit, Append and Insert fill a record
// buffer that Post writes (only the fields written) and Cancel drops; moving the cursor while a
// row is being edited or inserted posts it first, and Close cancels it. After Post the cursor
// stays on the posted row, wherever the order puts it, and an AutoInc field holds the key the
// table assigned.
//
// Rows written by other components or statements on the same connection are seen at the next
// move, Locate or count: the connection's change counter of the table says when to read the
// order again. A component's own posts keep its order unless they touch the fields it is sorted
// by.
//
// Calculated fields declared on the component are part of the record and never stored; the
// point where a record is loaded into the buffer (LoadCurrent) is where their handler will run.
#pragma once

#include "db/catalogue.hpp"
#include "db/field.hpp"
#include "db/row_order.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "db/value.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvarn::db {

enum class DataSetState { Inactive, Browse, Edit, Insert };

struct LocateOptions {
    bool caseInsensitive = false;  // texts compared after French upper-casing
    bool partialKey = false;       // a text matches when it starts with the value sought
};

// A remembered row. Bookmarks stay valid across edits, posts and the deletion of other rows.
struct TBookmark {
    std::int64_t rowid = 0;
    bool valid = false;
};

class CTable : private FieldOwner, private SessionClient {
public:
    explicit CTable(Session& session);
    ~CTable() override;
    CTable(const CTable&) = delete;
    CTable& operator=(const CTable&) = delete;

    // Names. The alias, session and table can only change while the table is closed.
    void SetDatabaseName(std::string_view alias);
    const std::string& DatabaseName() const { return alias_; }
    void SetSessionName(std::string_view name);
    const std::string& SessionName() const { return sessionName_; }
    void SetTableName(std::string_view name);
    const std::string& TableName() const { return tableName_; }
    // "" is the key order. Changing it on an open table keeps the current row.
    void SetIndexName(std::string_view name);
    const std::string& IndexName() const { return indexName_; }

    // A field of the component that is computed, never stored (declared while closed).
    void DeclareCalculatedField(FieldDef field);

    bool Exists();
    void Open();
    void Close();
    void SetActive(bool active) { active ? Open() : Close(); }
    bool Active() const { return state_ != DataSetState::Inactive; }
    DataSetState State() const { return state_; }

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool IsEmpty();
    int RecordCount();
    int RecNo();  // 1 for the first row, 0 when there is none

    TBookmark GetBookmark();
    void GotoBookmark(const TBookmark& bookmark);
    void FreeBookmark(TBookmark& bookmark) { bookmark = {}; }
    bool BookmarkValid(const TBookmark& bookmark);

    // Moves to the first row, in the current order, whose fields ("A" or "A;B") hold the values;
    // false (and no move) when there is none.
    bool Locate(std::string_view fieldNames, const std::vector<Value>& values,
                LocateOptions options = {});
    bool Locate(std::string_view fieldName, const Value& value, LocateOptions options = {}) {
        return Locate(fieldName, std::vector<Value>{value}, options);
    }

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    Field& Fields(int index) { return fields_.at(static_cast<std::size_t>(index)); }
    Field& FieldByName(std::string_view name);
    Field* FindField(std::string_view name);

    void Edit();
    void Append();
    void Insert();
    void Post();
    void Cancel();
    void Delete();
    // Deletes every row of the table (open or closed).
    void EmptyTable();

private:
    // FieldOwner
    const Value& HeldValue(std::size_t index) override;
    void SetHeldValue(std::size_t index, Value value) override;
    // SessionClient
    void SessionClosing() override { Close(); }

    void RequireActive() const;
    void RequireClosed(const char* what) const;
    std::string ResolveCatalogueName();
    void BuildFields();
    void ApplyIndex();
    void PrepareStatements();

    void CheckBrowseMode();  // posts a pending edit or insert
    bool OrderOutdated() const;
    void ReadOrder();
    void Synchronize();  // reads the order again when rows changed, keeping the current row
    void MoveTo(std::size_t position);
    void ClearCurrent();
    void LoadCurrent();  // binds the buffer to the current row; fields are fetched on use
    void FetchField(std::size_t index);
    void ResetBuffer();
    void AbsorbOwnWrite(std::uint64_t before);

    Statement& WriteStatement(bool insert, const std::vector<std::size_t>& written);
    Statement& LocateStatement(const std::vector<std::size_t>& fields, const std::vector<Value>& values,
                               LocateOptions options);
    void PostInsert(const std::vector<std::size_t>& written);
    void PostEdit(const std::vector<std::size_t>& written);

    Session* session_;
    std::string alias_;
    std::string sessionName_;
    std::string tableName_;
    std::string indexName_;
    std::vector<FieldDef> calculated_;

    // Resolved at Open.
    std::string schema_;
    std::string qualified_;  // schema."Table"
    std::vector<FieldDef> defs_;
    std::vector<Field> fields_;
    std::unordered_map<std::string, std::size_t> byName_;  // upper-case name → index
    std::vector<std::size_t> stored_;                     // field index of each stored column
    std::vector<IndexDef> indexes_;
    std::vector<bool> inOrder_;  // fields the current order sorts on
    std::string orderBy_;
    bool keyOrder_ = true;  // the order is the key order: new rows come last
    const std::uint64_t* changes_ = nullptr;
    std::uint64_t seenChanges_ = 0;

    Statement readOrder_;
    Statement fetchWanted_;                // the fields read so far, by rowid
    std::vector<Statement> fetchOne_;      // one field by rowid, prepared on first need
    std::vector<std::size_t> wanted_;      // fields read so far, in the order first read
    Statement deleteRow_;
    std::unordered_map<std::string, Statement> writeStatements_;
    std::unordered_map<std::string, Statement> locateStatements_;

    // Cursor.
    DataSetState state_ = DataSetState::Inactive;
    RowOrder order_;
    bool orderStale_ = false;
    std::size_t position_ = 0;
    std::optional<std::int64_t> current_;
    std::optional<std::int64_t> beforeInsert_;
    bool bof_ = true;
    bool eof_ = true;

    // Record buffer.
    std::vector<Value> values_;
    std::vector<bool> modified_;
    std::vector<bool> fetched_;  // the buffer holds the row's value of this field
    std::vector<bool> isWanted_;
    bool loaded_ = false;        // the buffer belongs to the current row
};

}  // namespace kvarn::db
