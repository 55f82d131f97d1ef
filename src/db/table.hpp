// CTable: a named table on an alias, walked with a cursor, edited and posted row by row.
//
// The module's behaviour is written against desktop table components, and keeps that shape:
//
//   CTable t(session);  t.SetDatabaseName("ZOR_DOSSIER");  t.SetTableName("kolmikv1.db");
//   t.SetIndexName("idxRaisonSociale");  t.Open();
//   for (t.First(); !t.Eof(); t.Next()) { t.Edit(); t.FieldByName("Nom").SetAsString(..); t.Post(); }
//
// Opening reads the table's fields and named indexes from the catalogue and the identifiers of
// the rows the component shows, in the order of the chosen index (row_order.hpp; no index: key
// order). The current row is fetched when one of its fields is first read, and only the fields
// the component has read so far: a loop that reads 20 of KOLMIKV1's 129 columns fetches those 20
// per row, in one statement, from the second row on. Edit, Append and Insert fill a record buffer
// that Post writes (only the fields written) and Cancel drops; moving the cursor while a row is
// being edited or inserted posts it first, and Close cancels it. After Post the cursor stays on
// the posted row, wherever the order puts it, and an AutoInc field holds the key the table
// assigned.
//
// Which rows the component shows: all of them, or those that pass its filter (a filter text of
// the module's dialect, filter.hpp, and the OnFilterRecord handler, both applied while Filtered
// is on), and, for a detail table, those whose link fields equal its master's current record.
// A detail follows its master whenever it is used after the master moved, even while the
// master's controls are disabled: its link is not a display notification. A detail whose master
// is closed shows every row; one whose master is empty shows none. The link fields of a detail
// are the first fields of its index (or the master fields' own names when it has none), and a
// row appended to a detail gets its master's values in them.
//
// A component declares its fields: by default the table's stored fields as the catalogue gives
// them plus the calculated fields it declares; a component with a declaration of its own
// (DeclareFields) sees only the stored fields it names, at the width it gives them (a text
// declared narrower than its column is read and written cut to the declared width), and its
// calculated fields at their place. Calculated fields are part of the record and never stored;
// OnCalcFields fills them each time a record comes into the buffer, and again before one of them
// is read after a stored field of the record being edited changed.
//
// Rows written by other components or statements on the same connection are seen when the
// component is opened or refreshed, and at its next move, Locate or count: the connection's
// change counter of the table says when to read the order again. Editing a row that another
// component deleted raises an error. When the current row leaves the rows shown — deleted by
// another component or a statement, or posted with values the filter or the master link no longer
// accept — the cursor goes beside it: to the row that took its place when it was deleted, to its
// neighbour in the order (the row after it, else the row before) when it still exists; and the
// next Next or Prior visits that row rather than stepping over it, so a walk misses no row.
//
// Bookmarks: a bookmark taken where there is no row (an empty table) names no row, and going back
// to it leaves the cursor where it is; going back to a row that was deleted raises an error.
// Locate takes the values it seeks as the fields take written values: a text for an Alpha field,
// and for the other types what the field would accept (a number, its text); any other value is a
// ValeurRefusee error naming the field.
//
// In builds with assertions (Debug, the sanitizer build), the component checks the consistency of
// its state after each public operation, whether the operation returned or raised, and stops the
// program naming the rule broken (table_invariants.cpp); release builds leave the check out.
//
// The structure operations (AddField, ChangeFieldType, DropField; structure.hpp) work on the
// table whether the component is open or closed, and refuse while another component has it
// open. Events: dataset_events.hpp.
#pragma once

#include "db/catalogue.hpp"
#include "db/data_source.hpp"
#include "db/dataset_events.hpp"
#include "db/field.hpp"
#include "db/filter.hpp"
#include "db/row_order.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "db/structure.hpp"
#include "db/value.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvarn::db {

enum class DataSetState { Inactive, Browse, Edit, Insert, CalcFields, Filter };

struct LocateOptions {
    bool caseInsensitive = false;  // texts compared after French upper-casing
    bool partialKey = false;       // a text matches when it starts with the value sought
};

// A remembered row. Bookmarks stay valid across edits, posts and the deletion of other rows.
struct TBookmark {
    std::int64_t rowid = 0;
    bool valid = false;
};

// Field names compare without regard to ASCII case, without building an upper-case copy.
struct FieldNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct FieldNameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

class CTable : public DataSetEvents, private FieldOwner, private SessionClient {
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

    // Declarations (while closed): one calculated field added to the table's own fields, or the
    // component's whole field list.
    void DeclareCalculatedField(FieldDef field);
    void DeclareFields(std::vector<FieldDef> fields);
    // A field's display format and get-text handler, open or closed.
    FieldDisplay& FieldDisplayOf(std::string_view fieldName);

    // Filtering. Changing the text, the switch or the handler of an open table re-reads its rows
    // and goes to the first one.
    void SetFilter(std::string_view text);
    const std::string& Filter() const { return filterText_; }
    void SetFiltered(bool filtered);
    bool Filtered() const { return filtered_; }
    void SetOnFilterRecord(TFilterRecordEvent handler);
    const TFilterRecordEvent& OnFilterRecord() const { return onFilterRecord_; }

    // Master-detail link: "AutoID", "IdMouv;IdAsso" are fields of the master.
    void SetMasterSource(CDataSource* source);
    CDataSource* MasterSource() const { return masterSource_; }
    void SetMasterFields(std::string_view fields);
    const std::string& MasterFields() const { return masterFields_; }

    // Display notifications to the data sources pause while the count is above zero.
    void DisableControls() { ++controlsDisabled_; }
    void EnableControls();
    bool ControlsDisabled() const { return controlsDisabled_ > 0; }

    bool Exists();
    void Open();
    void Close();
    void SetActive(bool active) { active ? Open() : Close(); }
    bool Active() const { return state_ != DataSetState::Inactive; }
    DataSetState State() const { return state_; }
    // Reads the rows again, staying on the current row when it is still shown.
    void Refresh();

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

    // Moves to the first shown row, in the current order, whose fields ("A" or "A;B") hold the
    // values; false (and no move) when there is none.
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

    // Structure operations over the physical type codes (0x101 Alpha ... 0x10F AutoInc);
    // `location` is the caller's place, carried by the error (DbError::Location).
    void AddField(std::uint32_t location, std::string_view name, std::uint32_t typeCode, int position,
                  int width, bool required);
    TypeChange ChangeFieldType(std::uint32_t location, std::string_view name, std::uint32_t typeCode, int width);
    void DropField(std::uint32_t location, std::string_view name);

private:
    friend class CDataSource;
    friend class ForwardReader;
    void AttachSource(CDataSource& source) { sources_.push_back(&source); }
    void DetachSource(CDataSource& source);

    // FieldOwner
    const Value& HeldValue(std::size_t index) override;
    void SetHeldValue(std::size_t index, Value value) override;
    FieldDisplay& DisplayOf(std::size_t index) override { return *displays_[index]; }
    // SessionClient
    void SessionClosing() override { Close(); }
    bool HoldsTable(std::string_view schema, std::string_view table) const override;

    class Checked;  // checks the state's consistency when a public operation ends
    void CheckInvariants() const;

    void RequireActive() const;
    void RequireClosed(const char* what) const;
    std::string ResolveCatalogueName();
    std::vector<FieldDef> ComponentFields(const std::vector<FieldDef>& stored);
    void BuildFields(std::vector<FieldDef> defs);
    void ApplyIndex();
    void ApplyFilter();
    void PrepareStatements();
    void Release();  // drops everything opening built
    template <class Change>
    void Restructure(std::uint32_t location, Change&& change);

    // Which rows are shown (table_rows.cpp).
    enum class Beside { None, Following, Preceding };  // where the row that left stood
    struct Neighbour {
        std::size_t position;
        Beside side;
    };
    // The rows shown, in order: their key, or the columns given (the key first).
    std::string OrderStatementText(bool orRow, std::string_view columns = "rowid") const;
    int BindOrderParameters(Statement& statement);
    std::optional<Neighbour> NeighbourOf(std::int64_t rowid, const RowOrder& previous, std::size_t was);
    std::vector<std::size_t> LinkFields() const;
    std::optional<std::vector<Value>> MasterValues() const;
    bool MasterMoved();
    void FollowMaster();
    bool Accepts(std::int64_t rowid);
    void Notify();

    void CheckBrowseMode();  // posts a pending edit or insert
    bool OrderOutdated() const;
    void ReadOrder();
    void Synchronize();  // reads the order again when rows changed, keeping the current row
    void StandBeside(const RowOrder& previous, std::size_t was);
    void RefilterAndGoFirst();
    void MoveTo(std::size_t position);
    void ClearCurrent();
    void Fire(const TDataSetNotifyEvent& event);
    template <class Move>
    void Scroll(Move&& move);
    void LoadCurrent();  // binds the buffer to the current row; fields are fetched on use
    void RunCalcFields();
    void RecalculateFields();
    // The value of field `index` in a column of a statement, cut to its declared width.
    Value StoredValue(const Statement& statement, int column, std::size_t index) const;
    void FetchField(std::size_t index);
    bool FetchFromReadAhead();
    void ReadAheadFrom(std::size_t position);
    void ResetBuffer();
    void MarkFilled(std::size_t index);
    void AbsorbOwnWrite(std::uint64_t before);
    void RequireCurrentRowStillThere();

    Statement& WriteStatement(bool insert, const std::vector<std::size_t>& written);
    Value SoughtValue(const Field& field, const Value& value, LocateOptions options) const;
    Statement& LocateStatement(const std::vector<std::size_t>& fields, const std::vector<Value>& values,
                               LocateOptions options);
    void PostInsert(const std::vector<std::size_t>& written);
    void PostEdit(const std::vector<std::size_t>& written);
    void SetLinkFieldsOfNewRow();

    Session* session_;
    std::string alias_;
    std::string sessionName_;
    std::string tableName_;
    std::string indexName_;
    std::vector<FieldDef> calculated_;
    std::vector<FieldDef> declared_;  // the component's own declaration, when it has one
    std::map<std::string, FieldDisplay> displayByName_;  // upper-case name → display

    // Filter and links.
    std::string filterText_;
    bool filtered_ = false;
    TFilterRecordEvent onFilterRecord_;
    CompiledFilter filter_;
    CDataSource* masterSource_ = nullptr;
    std::string masterFields_;
    std::optional<std::vector<Value>> linkValues_;  // nullopt: no master restriction
    const CTable* seenMaster_ = nullptr;
    std::uint64_t seenMasterVersion_ = 0;
    std::uint64_t recordVersion_ = 0;  // raised whenever the current record changes
    std::vector<CDataSource*> sources_;
    int controlsDisabled_ = 0;
    bool notificationPending_ = false;

    // Resolved at Open.
    std::string schema_;
    std::string catalogueName_;
    std::string qualified_;  // schema."Table"
    std::vector<FieldDef> defs_;
    std::vector<Field> fields_;
    std::vector<FieldDisplay*> displays_;
    std::unordered_map<std::string, std::size_t, FieldNameHash, FieldNameEqual> byName_;
    std::vector<std::size_t> stored_;  // field index of each stored field
    // The module names fields with literals in loops: a name met at the same address and with
    // the same text as before finds its field without hashing.
    struct NameCacheEntry {
        const char* data = nullptr;
        std::string name;
        std::size_t index = 0;
    };
    std::array<NameCacheEntry, 256> nameCache_;
    std::vector<bool> cutOnRead_;      // declared narrower than its column
    std::vector<std::size_t> calculatedFields_;
    bool hasCalculated_ = false;
    std::vector<IndexDef> indexes_;
    std::vector<std::string> indexFields_;
    std::vector<bool> inOrder_;  // fields the current order sorts on
    std::string orderBy_;
    bool keyOrder_ = true;  // the order is the key order: new rows come last
    const std::uint64_t* changes_ = nullptr;
    std::uint64_t seenChanges_ = 0;

    Statement readOrder_;
    std::string readOrderText_;
    Statement rowExists_;
    Statement fetchWanted_;                // the fields read so far, by rowid
    // Read-ahead of the fields read so far for the next rows in order, so that a walk costs one
    // statement per block of rows rather than one per row. A block is valid only while no row
    // of the table changed since it was read.
    struct ReadAhead {
        Statement range;  // key order: the rows between two keys
        Statement list;   // any other order: the rows of a list of keys
        std::vector<std::int64_t> rows;  // keys read, ascending
        std::vector<bool> used;
        std::vector<Value> values;       // wanted_.size() values per row
        std::uint64_t changes = 0;
        std::size_t lastPosition = SIZE_MAX;  // position of the row last fetched
    } readAhead_;
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
    // Not None: the current row is the one beside a row that left, which no move has visited yet.
    Beside beside_ = Beside::None;
    bool bof_ = true;
    bool eof_ = true;

    // Record buffer.
    std::vector<Value> values_;
    std::vector<bool> modified_;
    std::vector<bool> fetched_;  // the buffer holds the row's value of this field
    std::vector<bool> isWanted_;
    std::vector<std::size_t> filled_;  // fields whose buffer slot holds something
    bool storedFetched_ = false;       // a stored field of the current row was fetched
    bool loaded_ = false;      // the buffer belongs to the current row
    bool calcStale_ = false;   // a stored field changed since the calculated fields were filled
};

// Checks the component's consistency when the public operation that holds it ends, by a return
// or by an exception.
class CTable::Checked {
public:
    explicit Checked(const CTable& table) : table_(table) {}
    ~Checked() { table_.CheckInvariants(); }
    Checked(const Checked&) = delete;
    Checked& operator=(const Checked&) = delete;

private:
    const CTable& table_;
};

#ifdef NDEBUG
inline void CTable::CheckInvariants() const {}
#endif

}  // namespace kvarn::db
