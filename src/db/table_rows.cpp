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
    masterSource_ = source;
    seenMaster_ = nullptr;
    if (Active()) Refresh();
}

void CTable::SetMasterFields(std::string_view fields) {
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

// A detail whose master moved shows the master's rows, from the first.
void CTable::FollowMaster() {
    if (!masterSource_ || (state_ != DataSetState::Browse) || !MasterMoved()) return;
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
    if (controlsDisabled_ == 0) return;
    if (--controlsDisabled_ > 0 || !notificationPending_) return;
    notificationPending_ = false;
    Notify();
}

// ---------------------------------------------------------------------------------------------
// Reading the rows

std::string CTable::OrderStatementText() const {
    std::string where;
    if (linkValues_) {
        for (std::size_t i : LinkFields()) where += (where.empty() ? "" : " AND ") + QuoteIdentifier(defs_[i].name) + " = ?";
    }
    if (!filter_.condition.empty()) where += (where.empty() ? "" : " AND ") + filter_.condition;
    return "SELECT rowid FROM " + qualified_ + (where.empty() ? "" : " WHERE " + where) + " ORDER BY " + orderBy_;
}

void CTable::ReadOrder() {
    const std::string text = OrderStatementText();
    if (text != readOrderText_ || !readOrder_.Prepared()) {
        readOrder_ = Statement(session_->connection().Handle(), text);
        readOrderText_ = text;
    }
    int parameter = 1;
    if (linkValues_) {
        const std::vector<std::size_t> link = LinkFields();
        for (std::size_t k = 0; k < link.size(); ++k) {
            Value value;
            try {
                value = ToFieldValue(defs_[link[k]], (*linkValues_)[k]);
            } catch (const DbError&) {
                // A master value the detail field cannot hold matches no row: bound as null.
            }
            BindStored(readOrder_, parameter++, defs_[link[k]], value);
        }
    }
    for (const FilterParameter& p : filter_.parameters) BindStored(readOrder_, parameter++, p.field, p.value);
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

void CTable::Synchronize() {
    FollowMaster();
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

void CTable::Refresh() {
    CheckBrowseMode();
    orderStale_ = true;
    loaded_ = false;
    Synchronize();
    Notify();
}

}  // namespace kvarn::db
