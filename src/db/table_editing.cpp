// CTable: editing, appending, posting, cancelling and deleting rows.
#include "db/table.hpp"

#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"

#include <sqlite3.h>

#include <algorithm>

namespace kvarn::db {

// Before the cursor may move off a row that another component or a statement deleted, the
// module must hear of it: editing or deleting "the row that took its place" would be silent harm.
void CTable::RequireCurrentRowStillThere() {
    if (!current_ || !OrderOutdated()) return;
    rowExists_.BindInteger(1, *current_);
    const bool exists = rowExists_.Step();
    rowExists_.Reset();
    if (!exists)
        throw DbError("L'enregistrement courant de la table " + tableName_ +
                      " a été supprimé par ailleurs : il ne peut plus être modifié");
}

void CTable::Edit() {
    const Checked checked(*this);
    RequireActive();
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert) return;
    FollowMaster();
    RequireCurrentRowStillThere();
    Synchronize();
    if (!current_) {  // editing an empty table starts a new row, as desktop datasets do
        Append();
        return;
    }
    Fire(BeforeEdit);
    if (!loaded_ || *changes_ != seenChanges_) LoadCurrent();
    std::fill(modified_.begin(), modified_.end(), false);
    state_ = DataSetState::Edit;
    Fire(AfterEdit);
    Notify();
}

void CTable::Append() {
    const Checked checked(*this);
    CheckBrowseMode();
    FollowMaster();
    Fire(BeforeInsert);
    Fire(BeforeScroll);
    beforeInsert_ = current_;
    current_.reset();
    LoadCurrent();
    current_ = beforeInsert_;
    state_ = DataSetState::Insert;
    ++recordVersion_;
    SetLinkFieldsOfNewRow();
    Fire(OnNewRecord);
    Fire(AfterInsert);
    Fire(AfterScroll);
    Notify();
}

// Rows are placed by the table's order, not where the cursor stands, so Insert and Append add
// the same row.
void CTable::Insert() { Append(); }

// Cancelling a new row goes back to the row the cursor stood on: a move, with its scroll events.
void CTable::Cancel() {
    const Checked checked(*this);
    if (state_ != DataSetState::Edit && state_ != DataSetState::Insert) return;
    const bool inserting = state_ == DataSetState::Insert;
    Fire(BeforeCancel);
    if (inserting) {
        Fire(BeforeScroll);
        current_ = beforeInsert_;
    }
    state_ = DataSetState::Browse;
    loaded_ = false;
    ++recordVersion_;
    Fire(AfterCancel);
    if (inserting) Fire(AfterScroll);
    Notify();
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
    const Checked checked(*this);
    RequireActive();
    if (state_ != DataSetState::Edit && state_ != DataSetState::Insert) return;
    Fire(BeforePost);
    std::vector<std::size_t> written;
    for (std::size_t i : stored_)
        if (modified_[i]) written.push_back(i);
    try {
        if (state_ == DataSetState::Insert) PostInsert(written);
        else if (!written.empty()) PostEdit(written);
    } catch (DbError& error) {
        error.Restate("Enregistrement refusé par la table " + tableName_ + " : " + error.Message());
        throw;
    }
    // A row that no longer passes the filter, or no longer belongs to the master, leaves the
    // component at its next use.
    if (filtered_ && (!filter_.condition.empty() || onFilterRecord_)) orderStale_ = true;
    if (linkValues_) orderStale_ = true;
    state_ = DataSetState::Browse;
    std::fill(modified_.begin(), modified_.end(), false);
    loaded_ = true;
    ++recordVersion_;
    if (hasCalculated_ && OnCalcFields) RecalculateFields();
    Fire(AfterPost);
    Notify();
}

void CTable::Delete() {
    const Checked checked(*this);
    RequireActive();
    if (state_ == DataSetState::Insert) {  // deleting the row being inserted drops it
        Cancel();
        return;
    }
    if (state_ == DataSetState::Edit) {  // the pending changes go with the row
        state_ = DataSetState::Browse;
        loaded_ = false;
    }
    FollowMaster();
    RequireCurrentRowStillThere();
    Synchronize();
    if (!current_)
        throw DbError("La table " + tableName_ + " est vide : aucun enregistrement à supprimer");
    Fire(BeforeDelete);
    Fire(BeforeScroll);
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
    Fire(AfterDelete);
    Fire(AfterScroll);
    Notify();
}

void CTable::EmptyTable() {
    const Checked checked(*this);
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
        Notify();
    }
}

}  // namespace kvarn::db
