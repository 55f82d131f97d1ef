// CTable: which rows the component shows — filter, master link — and when it reads them again.
#include "db/table.hpp"

#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/identifiers.hpp"

#include <algorithm>

namespace kvarn::db {

// ---------------------------------------------------------------------------------------------
// Filter

void CTable::ApplyFilter() {
    filter_ = {};
    if (!filtered_ || filterText_.empty()) return;
    filter_ = CompileFilter(filterText_, [&](std::string_view name) -> const FieldDef* {
        const auto found = byName_.find(name);
        return found == byName_.end() ? nullptr : &defs_[found->second];
    });
}

void CTable::RefilterAndGoFirst() {
    if (!Active()) return;
    CheckBrowseMode();
    ApplyFilter();
    readOrderText_.clear();
    orderStale_ = true;
    First();
}

void CTable::SetFilter(std::string_view text) {
    const Checked checked(*this);
    const std::string previous = filterText_;
    filterText_ = text;
    try {
        RefilterAndGoFirst();
    } catch (...) {
        filterText_ = previous;
        ApplyFilter();
        throw;
    }
}

void CTable::SetFiltered(bool filtered) {
    const Checked checked(*this);
    if (filtered == filtered_) return;
    filtered_ = filtered;
    try {
        RefilterAndGoFirst();
    } catch (...) {
        filtered_ = !filtered;
        ApplyFilter();
        throw;
    }
}

void CTable::SetOnFilterRecord(TFilterRecordEvent handler) {
    const Checked checked(*this);
    onFilterRecord_ = std::move(handler);
    if (filtered_) RefilterAndGoFirst();
}

// Runs the record filter on one row, with the row in the buffer and the component in the
// Filter state (its fields read, none written). The buffer of a record being edited is kept.
bool CTable::Accepts(std::int64_t rowid) {
    const DataSetState state = state_;
    const std::optional<std::int64_t> current = current_;
    std::vector<Value> values = values_;
    std::vector<bool> modified = modified_, fetched = fetched_;
    std::vector<std::size_t> filled = filled_;
    const bool loaded = loaded_, storedFetched = storedFetched_;
    bool accept = true;
    // Puts the component back as it was; after a failure the buffer no longer matches a row.
    const auto restore = [&](bool bufferLoaded) {
        state_ = state;
        current_ = current;
        values_ = std::move(values);
        modified_ = std::move(modified);
        fetched_ = std::move(fetched);
        filled_ = std::move(filled);
        storedFetched_ = storedFetched;
        loaded_ = bufferLoaded;
    };
    state_ = DataSetState::Filter;
    current_ = rowid;
    try {
        LoadCurrent();
        onFilterRecord_(*this, accept);
    } catch (...) {
        restore(false);
        throw;
    }
    restore(loaded);
    return accept;
}

// ---------------------------------------------------------------------------------------------
// Master link

void CTable::SetMasterSource(CDataSource* source) {
    const Checked checked(*this);
    masterSource_ = source;
    seenMaster_ = nullptr;
    if (Active()) Refresh();
}

void CTable::SetMasterFields(std::string_view fields) {
    const Checked checked(*this);
    masterFields_ = fields;
    seenMaster_ = nullptr;
    if (Active()) Refresh();
}

// The detail's fields that take the master fields' values, in order.
std::vector<std::size_t> CTable::LinkFields() const {
    const std::vector<std::string> master = SplitFieldList(masterFields_);
    std::vector<std::size_t> link;
    for (std::size_t k = 0; k < master.size(); ++k) {
        const std::string& name = indexFields_.empty() ? master[k] : (k < indexFields_.size() ? indexFields_[k] : "");
        const auto found = byName_.find(name);
        if (name.empty() || found == byName_.end())
            throw DbError("La table " + tableName_ + " n'a pas de champ pour le champ maître " + master[k] +
                          (indexFields_.empty() ? "" : " dans son index " + indexName_));
        link.push_back(found->second);
    }
    return link;
}

// The values the detail's rows must hold: nullopt when there is no active master, nulls when
// the master has no current row.
std::optional<std::vector<Value>> CTable::MasterValues() const {
    CTable* master = masterSource_ ? masterSource_->DataSet() : nullptr;
    if (!master || !master->Active() || masterFields_.empty()) return std::nullopt;
    const std::vector<std::string> names = SplitFieldList(masterFields_);
    std::vector<Value> values;
    for (const std::string& name : names)
        values.push_back(master->current_ || master->state_ == DataSetState::Insert
                             ? master->FieldByName(name).AsValue()
                             : Value());
    return values;
}

// True when the master's current record changed since the detail last read its rows.
bool CTable::MasterMoved() {
    const CTable* master = masterSource_ ? masterSource_->DataSet() : nullptr;
    const std::uint64_t version = master ? master->recordVersion_ + (master->Active() ? 1 : 0) : 0;
    if (master == seenMaster_ && version == seenMasterVersion_ && seenMaster_) return false;
    seenMaster_ = master;
    seenMasterVersion_ = version;
    auto values = MasterValues();
    if (values == linkValues_) return false;
    linkValues_ = std::move(values);
    readOrderText_.clear();  // the shape of the statement may change with the master's activity
    return true;
}

// A detail whose master moved shows the master's rows, from the first; one whose master source
// was taken away shows every row again.
void CTable::FollowMaster() {
    if ((!masterSource_ && !linkValues_) || state_ != DataSetState::Browse || !MasterMoved()) return;
    ReadOrder();
    if (order_.Empty()) ClearCurrent();
    else MoveTo(0);
    bof_ = true;
    eof_ = order_.Empty();
}

void CTable::SetLinkFieldsOfNewRow() {
    if (!linkValues_) return;
    const std::vector<std::size_t> link = LinkFields();
    for (std::size_t k = 0; k < link.size() && k < linkValues_->size(); ++k) {
        if ((*linkValues_)[k].IsNull()) continue;
        values_[link[k]] = ToFieldValue(defs_[link[k]], (*linkValues_)[k]);
        modified_[link[k]] = true;
    }
}

// ---------------------------------------------------------------------------------------------
// Display notifications

void CTable::DetachSource(CDataSource& source) { std::erase(sources_, &source); }

void CTable::Notify() {
    ++recordVersion_;
    if (controlsDisabled_ > 0) {
        notificationPending_ = true;
        return;
    }
    for (CDataSource* source : std::vector<CDataSource*>(sources_))
        if (source->OnDataChange) source->OnDataChange(*source);
}

void CTable::EnableControls() {
    const Checked checked(*this);
    if (controlsDisabled_ == 0) return;
    if (--controlsDisabled_ > 0 || !notificationPending_) return;
    notificationPending_ = false;
    Notify();
}

// ---------------------------------------------------------------------------------------------
// Reading the rows

// The rows shown, in order; with `orRow`, also the row of one more key (the last parameter)
// wherever the order puts it.
std::string CTable::OrderStatementText(bool orRow, std::string_view columns) const {
    std::string where;
    if (linkValues_) {
        for (std::size_t i : LinkFields()) where += (where.empty() ? "" : " AND ") + QuoteIdentifier(defs_[i].name) + " = ?";
    }
    if (!filter_.condition.empty()) where += (where.empty() ? "" : " AND ") + filter_.condition;
    if (orRow && !where.empty()) where = "(" + where + ") OR rowid = ?";
    return "SELECT " + std::string(columns) + " FROM " + qualified_ + (where.empty() ? "" : " WHERE " + where) + " ORDER BY " + orderBy_;
}

// Binds the master's values and the filter's literals; returns the next parameter's number.
int CTable::BindOrderParameters(Statement& statement) {
    int parameter = 1;
    if (linkValues_) {
        const std::vector<std::size_t> link = LinkFields();
        for (std::size_t k = 0; k < link.size(); ++k) {
            Value value;
            try {
                value = ToFieldValue(defs_[link[k]], (*linkValues_)[k]);
            } catch (const ValeurRefusee&) {
                // A master value the detail field cannot hold matches no row: bound as null.
            }
            BindStored(statement, parameter++, defs_[link[k]], value);
        }
    }
    for (const FilterParameter& p : filter_.parameters) BindStored(statement, parameter++, p.field, p.value);
    return parameter;
}

void CTable::ReadOrder() {
    const std::string text = OrderStatementText(false);
    if (text != readOrderText_ || !readOrder_.Prepared()) {
        readOrder_ = Statement(session_->connection().Handle(), text);
        readOrderText_ = text;
    }
    BindOrderParameters(readOrder_);
    std::vector<std::int64_t> rows;
    rows.reserve(order_.Size());
    while (readOrder_.Step()) rows.push_back(readOrder_.ColumnInteger(0));
    readOrder_.Reset();
    if (filtered_ && onFilterRecord_)
        std::erase_if(rows, [&](std::int64_t rowid) { return !Accepts(rowid); });
    order_.Assign(std::move(rows));
    orderStale_ = false;
    seenChanges_ = *changes_;
    ++recordVersion_;
}

bool CTable::OrderOutdated() const { return orderStale_ || *changes_ != seenChanges_; }

// Where the row of key `rowid`, no longer shown, leaves the cursor. A row that still exists has
// its place in the order, read again with that row included: its neighbour is the first row shown
// after it, else the last one shown before it. A deleted row has only its place in the order the
// component showed before (`previous`, where it stood at `was`): the first row after it there that
// is still shown took its place, else the last one before it. nullopt when neither tells.
std::optional<CTable::Neighbour> CTable::NeighbourOf(std::int64_t rowid, const RowOrder& previous,
                                                      std::size_t was) {
    rowExists_.BindInteger(1, rowid);
    const bool exists = rowExists_.Step();
    rowExists_.Reset();
    std::vector<std::int64_t> around;
    if (exists) {
        Statement withRow(session_->connection().Handle(), OrderStatementText(true));
        const int parameter = BindOrderParameters(withRow);
        if (linkValues_ || !filter_.condition.empty()) withRow.BindInteger(parameter, rowid);
        while (withRow.Step()) around.push_back(withRow.ColumnInteger(0));
        withRow.Reset();
    } else if (was < previous.Size() && previous.At(was) == rowid) {
        for (std::size_t i = 0; i < previous.Size(); ++i) around.push_back(previous.At(i));
    }
    const auto found = std::find(around.begin(), around.end(), rowid);
    if (found == around.end()) return std::nullopt;
    const auto at = static_cast<std::size_t>(found - around.begin());
    for (std::size_t i = at + 1; i < around.size(); ++i)
        if (const auto position = order_.PositionOf(around[i])) return Neighbour{*position, Beside::Following};
    for (std::size_t i = at; i-- > 0;)
        if (const auto position = order_.PositionOf(around[i])) return Neighbour{*position, Beside::Preceding};
    return std::nullopt;
}

// The current row left the rows shown: the cursor stands beside where it was.
void CTable::StandBeside(const RowOrder& previous, std::size_t was) {
    std::optional<Neighbour> neighbour;
    if (current_ && !order_.Empty()) neighbour = NeighbourOf(*current_, previous, was);
    if (!neighbour && !order_.Empty()) {
        // Nothing tells where the row stood: the row now at its old position number.
        neighbour = was < order_.Size() ? Neighbour{was, Beside::Following}
                                        : Neighbour{order_.Size() - 1, Beside::Preceding};
    }
    if (!neighbour) {
        if (state_ == DataSetState::Browse) ClearCurrent();
        bof_ = eof_ = true;
        return;
    }
    if (state_ != DataSetState::Browse) {
        position_ = neighbour->position;
        return;
    }
    MoveTo(neighbour->position);
    beside_ = neighbour->side;
    bof_ = eof_ = false;  // no move has reached either end from there yet
}

void CTable::Synchronize() {
    FollowMaster();
    if (!OrderOutdated()) return;
    const std::size_t was = position_;
    RowOrder previous = std::move(order_);
    try {
        ReadOrder();
    } catch (...) {
        order_ = std::move(previous);
        throw;
    }
    if (current_) {
        if (const auto position = order_.PositionOf(*current_)) {
            position_ = *position;
            return;
        }
    }
    StandBeside(previous, was);
}

void CTable::Refresh() {
    const Checked checked(*this);
    CheckBrowseMode();
    orderStale_ = true;
    loaded_ = false;
    Synchronize();
    Notify();
}

}  // namespace kvarn::db
