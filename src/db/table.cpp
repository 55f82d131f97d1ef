#include "db/table.hpp"

#include "common/text.hpp"
#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/french_collation.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"

#include <sqlite3.h>

#include <algorithm>

namespace kvarn::db {

CTable::CTable(Session& session) : session_(&session), sessionName_(session.SessionName()) {}

CTable::~CTable() { Close(); }

// ---------------------------------------------------------------------------------------------
// Names and structure

void CTable::RequireActive() const {
    if (!Active()) throw DbError("La table " + tableName_ + " n'est pas ouverte");
}

void CTable::RequireClosed(const char* what) const {
    if (Active())
        throw DbError(std::string("Impossible de changer ") + what + " de la table ouverte " + tableName_);
}

void CTable::SetDatabaseName(std::string_view alias) {
    RequireClosed("l'alias");
    alias_ = alias;
}

void CTable::SetSessionName(std::string_view name) {
    RequireClosed("la session");
    if (!EqualsIgnoringCase(name, session_->SessionName()))
        throw DbError("Session inconnue : « " + std::string(name) + " »");
    sessionName_ = name;
}

void CTable::SetTableName(std::string_view name) {
    RequireClosed("le nom");
    tableName_ = name;
}

void CTable::DeclareCalculatedField(FieldDef field) {
    RequireClosed("les champs");
    field.calculated = true;
    calculated_.push_back(std::move(field));
}

void CTable::SetIndexName(std::string_view name) {
    if (!Active()) {
        indexName_ = name;
        return;
    }
    CheckBrowseMode();
    const std::string previous = indexName_;
    indexName_ = name;
    try {
        ApplyIndex();
    } catch (...) {
        indexName_ = previous;
        ApplyIndex();
        throw;
    }
    orderStale_ = true;
    Synchronize();
}

bool CTable::Exists() { return session_->TableExists(alias_, tableName_); }

std::string CTable::ResolveCatalogueName() {
    auto name = session_->FindTable(alias_, tableName_);
    if (!name) throw DbError("La table « " + tableName_ + " » n'existe pas");
    return *name;
}

void CTable::BuildFields() {
    for (const FieldDef& field : calculated_) {
        for (const FieldDef& stored : defs_)
            if (EqualsIgnoringCase(stored.name, field.name))
                throw DbError("Le champ calculé " + field.name + " existe déjà dans la table " +
                              tableName_);
        defs_.push_back(field);
    }
    fields_.clear();
    fields_.reserve(defs_.size());
    byName_.clear();
    stored_.clear();
    FieldOwner& owner = *this;
    for (std::size_t i = 0; i < defs_.size(); ++i) {
        fields_.emplace_back(owner, i, defs_[i]);
        byName_.emplace(AsciiUpper(defs_[i].name), i);
        if (!defs_[i].calculated) stored_.push_back(i);
    }
    values_.assign(defs_.size(), Value());
    modified_.assign(defs_.size(), false);
    fetched_.assign(defs_.size(), false);
    isWanted_.assign(defs_.size(), false);
    wanted_.clear();
}

void CTable::ApplyIndex() {
    inOrder_.assign(defs_.size(), false);
    keyOrder_ = true;
    orderBy_.clear();
    if (!indexName_.empty()) {
        const IndexDef* index = FindIndex(indexes_, indexName_);
        if (!index)
            throw DbError("L'index « " + indexName_ + " » n'existe pas sur la table " + tableName_);
        for (const std::string& name : index->fields) {
            const std::size_t i = byName_.at(AsciiUpper(name));
            inOrder_[i] = true;
            if (defs_[i].type != FieldType::AutoInc) keyOrder_ = false;
            orderBy_ += QuoteIdentifier(defs_[i].name);
            if (defs_[i].type == FieldType::Alpha && index->caseInsensitive)
                orderBy_ += std::string(" COLLATE ") + FRENCH_COLLATION;
            orderBy_ += ", ";
        }
    }
    // Rows equal on the index keep a fixed order: the order they were added in.
    orderBy_ += "rowid";
    readOrder_ = Statement(session_->connection().Handle(),
                           "SELECT rowid FROM " + qualified_ + " ORDER BY " + orderBy_);
    locateStatements_.clear();
}

void CTable::PrepareStatements() {
    deleteRow_ = Statement(session_->connection().Handle(),
                           "DELETE FROM " + qualified_ + " WHERE rowid=?1");
    fetchWanted_ = {};
    fetchOne_.clear();
    fetchOne_.resize(defs_.size());
    writeStatements_.clear();
}

// ---------------------------------------------------------------------------------------------
// Open and close

void CTable::Open() {
    if (Active()) return;
    try {
        schema_ = session_->SchemaOfAlias(alias_);
        const std::string name = ResolveCatalogueName();
        qualified_ = schema_ + "." + QuoteIdentifier(name);
        Connection& connection = session_->connection();
        defs_ = ReadFields(connection, schema_, name);
        indexes_ = ReadIndexes(connection, schema_, name);
        BuildFields();
        PrepareStatements();
        ApplyIndex();
        changes_ = &connection.ChangeCounter(schema_, name);
        state_ = DataSetState::Browse;
        session_->Register(*this);
        ReadOrder();
        First();
    } catch (...) {
        Close();
        throw;
    }
}

void CTable::Close() {
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert) Cancel();
    if (state_ != DataSetState::Inactive) session_->Unregister(*this);
    state_ = DataSetState::Inactive;
    readOrder_ = {};
    fetchWanted_ = {};
    fetchOne_.clear();
    deleteRow_ = {};
    writeStatements_.clear();
    locateStatements_.clear();
    fields_.clear();
    defs_.clear();
    byName_.clear();
    stored_.clear();
    indexes_.clear();
    order_.Clear();
    changes_ = nullptr;
    ClearCurrent();
    bof_ = eof_ = true;
}

// ---------------------------------------------------------------------------------------------
// Cursor

void CTable::CheckBrowseMode() {
    RequireActive();
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert) Post();
}

bool CTable::OrderOutdated() const { return orderStale_ || *changes_ != seenChanges_; }

void CTable::ReadOrder() {
    std::vector<std::int64_t> rows;
    rows.reserve(order_.Size());
    while (readOrder_.Step()) rows.push_back(readOrder_.ColumnInteger(0));
    readOrder_.Reset();
    order_.Assign(std::move(rows));
    orderStale_ = false;
    seenChanges_ = *changes_;
}

void CTable::Synchronize() {
    if (!OrderOutdated()) return;
    ReadOrder();
    if (current_) {
        if (const auto position = order_.PositionOf(*current_)) {
            position_ = *position;
            return;
        }
    }
    // The current row went away: the cursor stands on the row that took its place.
    if (order_.Empty()) {
        if (state_ == DataSetState::Browse) ClearCurrent();
        bof_ = eof_ = true;
        return;
    }
    const std::size_t position = std::min(position_, order_.Size() - 1);
    if (state_ == DataSetState::Browse) MoveTo(position);
    else position_ = position;
}

void CTable::MoveTo(std::size_t position) {
    position_ = position;
    current_ = order_.At(position);
    loaded_ = false;
}

void CTable::ClearCurrent() {
    current_.reset();
    position_ = 0;
    loaded_ = false;
}

void CTable::First() {
    CheckBrowseMode();
    Synchronize();
    if (order_.Empty()) {
        ClearCurrent();
        bof_ = eof_ = true;
        return;
    }
    MoveTo(0);
    bof_ = true;
    eof_ = false;
}

void CTable::Last() {
    CheckBrowseMode();
    Synchronize();
    if (order_.Empty()) {
        ClearCurrent();
        bof_ = eof_ = true;
        return;
    }
    MoveTo(order_.Size() - 1);
    bof_ = false;
    eof_ = true;
}

void CTable::Next() {
    CheckBrowseMode();
    Synchronize();
    if (order_.Empty()) {
        bof_ = eof_ = true;
        return;
    }
    bof_ = false;
    if (position_ + 1 < order_.Size()) {
        MoveTo(position_ + 1);
        eof_ = false;
    } else {
        eof_ = true;
    }
}

void CTable::Prior() {
    CheckBrowseMode();
    Synchronize();
    if (order_.Empty()) {
        bof_ = eof_ = true;
        return;
    }
    eof_ = false;
    if (position_ > 0) {
        MoveTo(position_ - 1);
        bof_ = false;
    } else {
        bof_ = true;
    }
}

bool CTable::IsEmpty() {
    RequireActive();
    Synchronize();
    return order_.Empty();
}

int CTable::RecordCount() {
    RequireActive();
    Synchronize();
    return static_cast<int>(order_.Size());
}

int CTable::RecNo() {
    RequireActive();
    Synchronize();
    return current_ ? static_cast<int>(position_) + 1 : 0;
}

TBookmark CTable::GetBookmark() {
    RequireActive();
    if (!current_) return {};
    return {*current_, true};
}

bool CTable::BookmarkValid(const TBookmark& bookmark) {
    RequireActive();
    Synchronize();
    return bookmark.valid && order_.PositionOf(bookmark.rowid).has_value();
}

void CTable::GotoBookmark(const TBookmark& bookmark) {
    CheckBrowseMode();
    Synchronize();
    const auto position = bookmark.valid ? order_.PositionOf(bookmark.rowid) : std::nullopt;
    if (!position)
        throw DbError("L'enregistrement marqué n'existe plus dans la table " + tableName_);
    MoveTo(*position);
    bof_ = eof_ = false;
}

// ---------------------------------------------------------------------------------------------
// Locate

Statement& CTable::LocateStatement(const std::vector<std::size_t>& fields,
                                   const std::vector<Value>& values, LocateOptions options) {
    std::string key;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        key += std::to_string(fields[k]);
        key += values[k].IsNull() ? 'n' : 'v';
    }
    key += options.caseInsensitive ? 'i' : '-';
    key += options.partialKey ? 'p' : '-';
    auto found = locateStatements_.find(key);
    if (found != locateStatements_.end()) return found->second;

    std::string where;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const FieldDef& field = defs_[fields[k]];
        std::string column = QuoteIdentifier(field.name);
        where += k ? " AND " : "";
        if (values[k].IsNull()) {
            where += column + " IS NULL";
            continue;
        }
        const bool text = field.type == FieldType::Alpha;
        if (text && options.caseInsensitive) column = "KV_UPPER(" + column + ")";
        if (text && options.partialKey) where += "substr(" + column + ", 1, ?) = ?";
        else where += column + " = ?";
    }
    Statement statement(session_->connection().Handle(),
                        "SELECT rowid FROM " + qualified_ + " WHERE " + where + " ORDER BY " +
                            orderBy_ + " LIMIT 1");
    return locateStatements_.emplace(std::move(key), std::move(statement)).first->second;
}

bool CTable::Locate(std::string_view fieldNames, const std::vector<Value>& values,
                    LocateOptions options) {
    CheckBrowseMode();
    const std::vector<std::string> names = SplitFieldList(fieldNames);
    if (names.size() != values.size() || names.empty())
        throw DbError("Recherche dans la table " + tableName_ + " : " + std::to_string(names.size()) +
                      " champ(s) pour " + std::to_string(values.size()) + " valeur(s)");
    std::vector<std::size_t> fields;
    std::vector<Value> sought;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const Field& field = FieldByName(names[k]);
        const std::size_t index = byName_.at(AsciiUpper(names[k]));
        if (field.Calculated())
            throw DbError("Recherche impossible sur le champ calculé " + field.FieldName());
        fields.push_back(index);
        const Value& value = values[k];
        if (field.DataType() == FieldType::Alpha) {
            // Texts are sought as given, never cut to the width: a longer text matches no row.
            std::string text = value.IsNull() ? std::string() : ReadAsString(FieldDef{}, value);
            if (!text.empty() && options.caseInsensitive) text = ToUpperFrench(text);
            sought.push_back(text.empty() ? Value() : Value(std::move(text)));
            continue;
        }
        try {
            sought.push_back(ToFieldValue(field.Definition(), value));
        } catch (const DbError&) {
            return false;  // a value the field cannot hold is held by no row
        }
    }
    Synchronize();
    Statement& statement = LocateStatement(fields, sought, options);
    int parameter = 1;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (sought[k].IsNull()) continue;
        const FieldDef& field = defs_[fields[k]];
        if (field.type == FieldType::Alpha && options.partialKey)
            statement.BindInteger(parameter++, static_cast<std::int64_t>(CharacterCount(sought[k].Text())));
        BindStored(statement, parameter++, field, sought[k]);
    }
    std::optional<std::int64_t> rowid;
    if (statement.Step()) rowid = statement.ColumnInteger(0);
    statement.Reset();
    const auto position = rowid ? order_.PositionOf(*rowid) : std::nullopt;
    if (!position) return false;
    MoveTo(*position);
    bof_ = eof_ = false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Fields and record buffer

Field* CTable::FindField(std::string_view name) {
    RequireActive();
    const auto found = byName_.find(AsciiUpper(name));
    return found == byName_.end() ? nullptr : &fields_[found->second];
}

Field& CTable::FieldByName(std::string_view name) {
    Field* field = FindField(name);
    if (!field)
        throw DbError("Le champ " + std::string(name) + " n'existe pas dans la table " + tableName_);
    return *field;
}

void CTable::ResetBuffer() {
    std::fill(values_.begin(), values_.end(), Value());
    std::fill(modified_.begin(), modified_.end(), false);
    std::fill(fetched_.begin(), fetched_.end(), false);
}

void CTable::LoadCurrent() {
    ResetBuffer();
    // Without a current row (an empty table, a new row) every field is null.
    if (!current_) std::fill(fetched_.begin(), fetched_.end(), true);
    for (std::size_t i = 0; i < defs_.size(); ++i)
        if (defs_[i].calculated) fetched_[i] = true;
    loaded_ = true;
    // Calculated fields start null on every record; their handler runs from here.
}

namespace {

std::string SelectByRowid(const std::vector<std::size_t>& fields, const std::vector<FieldDef>& defs,
                          const std::string& table) {
    std::string columns;
    for (std::size_t i : fields) columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(defs[i].name);
    return "SELECT " + columns + " FROM " + table + " WHERE rowid=?1";
}

}  // namespace

void CTable::FetchField(std::size_t index) {
    const bool fresh = std::none_of(stored_.begin(), stored_.end(), [&](std::size_t i) { return fetched_[i]; });
    std::vector<std::size_t> single{index};
    const std::vector<std::size_t>* fields = &single;
    Statement* statement = nullptr;
    if (isWanted_[index] && fresh) {
        // The first field read on a row brings every field read so far on earlier rows.
        if (!fetchWanted_.Prepared())
            fetchWanted_ = Statement(session_->connection().Handle(), SelectByRowid(wanted_, defs_, qualified_));
        statement = &fetchWanted_;
        fields = &wanted_;
    } else {
        if (!isWanted_[index]) {
            wanted_.push_back(index);
            isWanted_[index] = true;
            fetchWanted_ = {};
        }
        if (!fetchOne_[index].Prepared())
            fetchOne_[index] = Statement(session_->connection().Handle(), SelectByRowid(single, defs_, qualified_));
        statement = &fetchOne_[index];
    }
    statement->BindInteger(1, *current_);
    const bool found = statement->Step();
    if (found)
        for (std::size_t column = 0; column < fields->size(); ++column) {
            const std::size_t i = (*fields)[column];
            if (!fetched_[i]) values_[i] = ReadStored(*statement, static_cast<int>(column), defs_[i]);
            fetched_[i] = true;
        }
    statement->Reset();
    if (!found) throw DbError("L'enregistrement courant n'existe plus dans la table " + tableName_);
}

const Value& CTable::HeldValue(std::size_t index) {
    RequireActive();
    if (!loaded_) LoadCurrent();
    if (!fetched_[index]) FetchField(index);
    return values_[index];
}

void CTable::SetHeldValue(std::size_t index, Value value) {
    RequireActive();
    const FieldDef& field = defs_[index];
    if (field.calculated) {
        if (!loaded_) LoadCurrent();
    } else if (state_ != DataSetState::Edit && state_ != DataSetState::Insert) {
        throw DbError("La table " + tableName_ + " n'est pas en modification : le champ " +
                      field.name + " ne peut pas être écrit");
    } else if (field.type == FieldType::AutoInc) {
        throw DbError("Le champ " + field.name + " est attribué par la table " + tableName_);
    }
    values_[index] = std::move(value);
    modified_[index] = true;
    fetched_[index] = true;
}

// ---------------------------------------------------------------------------------------------
// Editing

void CTable::Edit() {
    RequireActive();
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert) return;
    Synchronize();
    if (!current_) {  // editing an empty table starts a new row, as desktop datasets do
        Append();
        return;
    }
    if (!loaded_ || *changes_ != seenChanges_) LoadCurrent();
    std::fill(modified_.begin(), modified_.end(), false);
    state_ = DataSetState::Edit;
}

void CTable::Append() {
    CheckBrowseMode();
    beforeInsert_ = current_;
    current_.reset();
    LoadCurrent();
    current_ = beforeInsert_;
    state_ = DataSetState::Insert;
}

// Rows are placed by the table's order, not where the cursor stands, so Insert and Append add
// the same row.
void CTable::Insert() { Append(); }

void CTable::Cancel() {
    if (state_ == DataSetState::Insert) current_ = beforeInsert_;
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert) {
        state_ = DataSetState::Browse;
        loaded_ = false;
    }
}

Statement& CTable::WriteStatement(bool insert, const std::vector<std::size_t>& written) {
    std::string key(1, insert ? 'I' : 'U');
    for (std::size_t i : written) {
        key += static_cast<char>(i & 0xFF);
        key += static_cast<char>(i >> 8);
    }
    auto found = writeStatements_.find(key);
    if (found != writeStatements_.end()) return found->second;
    std::string sql;
    if (insert && written.empty()) {
        sql = "INSERT INTO " + qualified_ + " DEFAULT VALUES";
    } else if (insert) {
        std::string names, parameters;
        for (std::size_t k = 0; k < written.size(); ++k) {
            names += (k ? ", " : "") + QuoteIdentifier(defs_[written[k]].name);
            parameters += k ? ", ?" : "?";
        }
        sql = "INSERT INTO " + qualified_ + " (" + names + ") VALUES (" + parameters + ")";
    } else {
        std::string assignments;
        for (std::size_t k = 0; k < written.size(); ++k)
            assignments += (k ? ", " : "") + QuoteIdentifier(defs_[written[k]].name) + " = ?";
        sql = "UPDATE " + qualified_ + " SET " + assignments + " WHERE rowid = ?";
    }
    Statement statement(session_->connection().Handle(), sql);
    return writeStatements_.emplace(std::move(key), std::move(statement)).first->second;
}

void CTable::AbsorbOwnWrite(std::uint64_t before) {
    // The component's own write leaves its order valid when it was valid before it.
    if (!orderStale_ && before == seenChanges_) seenChanges_ = *changes_;
}

void CTable::PostInsert(const std::vector<std::size_t>& written) {
    Statement& statement = WriteStatement(true, written);
    for (std::size_t k = 0; k < written.size(); ++k)
        BindStored(statement, static_cast<int>(k) + 1, defs_[written[k]], values_[written[k]]);
    const std::uint64_t before = *changes_;
    statement.Run();
    const std::int64_t rowid = sqlite3_last_insert_rowid(session_->connection().Handle());
    for (std::size_t i : stored_)
        if (defs_[i].type == FieldType::AutoInc) values_[i] = Value(static_cast<long long>(rowid));
    current_ = rowid;
    if (keyOrder_ && (order_.Empty() || rowid > order_.Back())) {
        // In key order a new row comes last: no need to read the order again.
        AbsorbOwnWrite(before);
        order_.Append(rowid);
        position_ = order_.Size() - 1;
    } else {
        orderStale_ = true;
    }
    bof_ = eof_ = false;
}

void CTable::PostEdit(const std::vector<std::size_t>& written) {
    Statement& statement = WriteStatement(false, written);
    for (std::size_t k = 0; k < written.size(); ++k)
        BindStored(statement, static_cast<int>(k) + 1, defs_[written[k]], values_[written[k]]);
    statement.BindInteger(static_cast<int>(written.size()) + 1, *current_);
    const std::uint64_t before = *changes_;
    statement.Run();
    if (sqlite3_changes(session_->connection().Handle()) == 0)
        throw DbError("L'enregistrement modifié n'existe plus dans la table " + tableName_);
    AbsorbOwnWrite(before);
    if (std::any_of(written.begin(), written.end(), [&](std::size_t i) { return inOrder_[i]; }))
        orderStale_ = true;
}

void CTable::Post() {
    RequireActive();
    if (state_ != DataSetState::Edit && state_ != DataSetState::Insert) return;
    std::vector<std::size_t> written;
    for (std::size_t i : stored_)
        if (modified_[i]) written.push_back(i);
    try {
        if (state_ == DataSetState::Insert) PostInsert(written);
        else if (!written.empty()) PostEdit(written);
    } catch (const DbError& error) {
        throw DbError("Enregistrement refusé par la table " + tableName_ + " : " + error.what());
    }
    state_ = DataSetState::Browse;
    std::fill(modified_.begin(), modified_.end(), false);
    loaded_ = true;
}

void CTable::Delete() {
    RequireActive();
    if (state_ == DataSetState::Insert) {  // deleting the row being inserted drops it
        Cancel();
        return;
    }
    Cancel();
    Synchronize();
    if (!current_)
        throw DbError("La table " + tableName_ + " est vide : aucun enregistrement à supprimer");
    const std::uint64_t before = *changes_;
    deleteRow_.BindInteger(1, *current_);
    deleteRow_.Run();
    if (sqlite3_changes(session_->connection().Handle()) == 0)
        throw DbError("L'enregistrement à supprimer n'existe plus dans la table " + tableName_);
    AbsorbOwnWrite(before);
    order_.Erase(position_);
    // The cursor goes to the row that followed, or to the new last row.
    if (position_ < order_.Size()) {
        MoveTo(position_);
        eof_ = false;
    } else if (!order_.Empty()) {
        MoveTo(order_.Size() - 1);
        eof_ = true;
    } else {
        ClearCurrent();
        bof_ = eof_ = true;
    }
}

void CTable::EmptyTable() {
    Cancel();
    const std::string schema = session_->SchemaOfAlias(alias_);
    const std::string name = ResolveCatalogueName();
    Connection& connection = session_->connection();
    connection.Execute("DELETE FROM " + schema + "." + QuoteIdentifier(name));
    // Emptying a table skips the row-by-row hook: say so to every component.
    connection.MarkChanged(schema, name);
    if (Active()) {
        ReadOrder();
        ClearCurrent();
        bof_ = eof_ = true;
    }
}

}  // namespace kvarn::db
