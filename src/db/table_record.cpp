// CTable: the record buffer — fields by name, fetching on first read, calculated fields.
#include "db/table.hpp"

#include "common/text.hpp"
#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/identifiers.hpp"

#include <algorithm>

namespace kvarn::db {

Field* CTable::FindField(std::string_view name) {
    RequireActive();
    const std::uint64_t address = reinterpret_cast<std::uintptr_t>(name.data());
    NameCacheEntry& cached = nameCache_[(address * 0x9E3779B97F4A7C15ull) >> 56];
    if (cached.data == name.data() && cached.name == name) return &fields_[cached.index];
    const auto found = byName_.find(name);
    if (found == byName_.end()) return nullptr;
    cached = {name.data(), std::string(name), found->second};
    return &fields_[found->second];
}

Field& CTable::FieldByName(std::string_view name) {
    Field* field = FindField(name);
    if (!field)
        throw DbError("Le champ " + std::string(name) + " n'existe pas dans la table " + tableName_);
    return *field;
}

// Only the slots filled since the last reset are cleared: a walk that reads 20 of 129 fields
// pays for 20.
void CTable::ResetBuffer() {
    for (std::size_t i : filled_) {
        values_[i] = Value();
        modified_[i] = false;
        fetched_[i] = false;
    }
    filled_.clear();
    storedFetched_ = false;
}

void CTable::MarkFilled(std::size_t index) {
    if (!fetched_[index]) filled_.push_back(index);
    fetched_[index] = true;
}

void CTable::LoadCurrent() {
    ResetBuffer();
    // Without a current row (an empty table, a new row) every field is null.
    if (!current_) {
        for (std::size_t i = 0; i < defs_.size(); ++i) MarkFilled(i);
        storedFetched_ = true;
    }
    for (std::size_t i : calculatedFields_) MarkFilled(i);
    loaded_ = true;
    RunCalcFields();
}

// Calculated fields start null on every record and the handler fills them, with the component
// in the CalcFields state: it reads the record, and can write only calculated fields.
void CTable::RunCalcFields() {
    calcStale_ = false;
    if (!hasCalculated_ || !OnCalcFields) return;
    const DataSetState state = state_;
    state_ = DataSetState::CalcFields;
    try {
        OnCalcFields(*this);
    } catch (...) {
        state_ = state;
        throw;
    }
    state_ = state;
}

void CTable::RecalculateFields() {
    for (std::size_t i : calculatedFields_) values_[i] = Value();
    RunCalcFields();
}

namespace {

std::string SelectByRowid(const std::vector<std::size_t>& fields, const std::vector<FieldDef>& defs,
                          const std::string& table) {
    std::string columns;
    for (std::size_t i : fields) columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(defs[i].name);
    return "SELECT " + columns + " FROM " + table + " WHERE rowid=?1";
}

}  // namespace

constexpr std::size_t READ_AHEAD_ROWS = 64;

// Reads the fields read so far of the rows at `position` and after, in one statement.
void CTable::ReadAheadFrom(std::size_t position) {
    ReadAhead& ahead = readAhead_;
    const std::size_t end = std::min(order_.Size(), position + READ_AHEAD_ROWS);
    // The column list only when a statement is prepared: a walk reads many blocks with one.
    const auto columns = [&] {
        std::string list = "rowid";
        for (std::size_t i : wanted_) list += ", " + QuoteIdentifier(defs_[i].name);
        return list;
    };
    Statement* statement = nullptr;
    if (keyOrder_) {
        if (!ahead.range.Prepared())
            ahead.range = Statement(session_->connection().Handle(),
                                    "SELECT " + columns() + " FROM " + qualified_ + " WHERE rowid BETWEEN ?1 AND ?2");
        statement = &ahead.range;
        statement->BindInteger(1, order_.At(position));
        statement->BindInteger(2, order_.At(end - 1));
    } else {
        if (!ahead.list.Prepared()) {
            std::string list;
            for (std::size_t k = 0; k < READ_AHEAD_ROWS; ++k) list += k ? ",?" : "?";
            ahead.list = Statement(session_->connection().Handle(),
                                   "SELECT " + columns() + " FROM " + qualified_ + " WHERE rowid IN (" + list + ")");
        }
        statement = &ahead.list;
        for (std::size_t k = 0; k < READ_AHEAD_ROWS; ++k) {
            if (position + k < end) statement->BindInteger(static_cast<int>(k) + 1, order_.At(position + k));
            else statement->BindNull(static_cast<int>(k) + 1);
        }
    }
    ahead.rows.clear();
    ahead.values.clear();
    while (statement->Step()) {
        ahead.rows.push_back(statement->ColumnInteger(0));
        for (std::size_t c = 0; c < wanted_.size(); ++c)
            ahead.values.push_back(StoredValue(*statement, static_cast<int>(c) + 1, wanted_[c]));
    }
    statement->Reset();
    ahead.used.assign(ahead.rows.size(), false);
    ahead.changes = *changes_;
}

// Fills the buffer from the read-ahead block when it holds the current row; false otherwise.
bool CTable::FetchFromReadAhead() {
    ReadAhead& ahead = readAhead_;
    if (ahead.changes != *changes_) return false;
    const auto found = std::lower_bound(ahead.rows.begin(), ahead.rows.end(), *current_);
    if (found == ahead.rows.end() || *found != *current_) return false;
    const auto row = static_cast<std::size_t>(found - ahead.rows.begin());
    if (ahead.used[row]) return false;
    ahead.used[row] = true;
    for (std::size_t c = 0; c < wanted_.size(); ++c) {
        const std::size_t i = wanted_[c];
        if (fetched_[i]) continue;
        values_[i] = std::move(ahead.values[row * wanted_.size() + c]);
        MarkFilled(i);
    }
    storedFetched_ = true;
    return true;
}

Value CTable::StoredValue(const Statement& statement, int column, std::size_t index) const {
    Value value = ReadStored(statement, column, defs_[index]);
    if (cutOnRead_[index] && value.IsText())
        return Value(CutToWidth(value.Text(), static_cast<std::size_t>(defs_[index].size)));
    return value;
}

void CTable::FetchField(std::size_t index) {
    const bool fresh = !storedFetched_;
    // Rows are read ahead only for a walk (the row after the one last fetched), never for a
    // Locate, which reads one row.
    const bool walking = state_ == DataSetState::Browse && position_ < order_.Size() &&
                         order_.At(position_) == *current_ && readAhead_.lastPosition + 1 == position_;
    if (fresh && state_ == DataSetState::Browse) readAhead_.lastPosition = position_;
    if (isWanted_[index] && fresh && walking) {
        if (FetchFromReadAhead()) return;
        ReadAheadFrom(position_);
        if (FetchFromReadAhead()) return;
    }
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
            readAhead_ = {};
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
            if (fetched_[i]) continue;
            values_[i] = StoredValue(*statement, static_cast<int>(column), i);
            MarkFilled(i);
        }
    statement->Reset();
    if (!found) throw DbError("L'enregistrement courant n'existe plus dans la table " + tableName_);
}

const Value& CTable::HeldValue(std::size_t index) {
    RequireActive();
    if (masterSource_) FollowMaster();
    if (!loaded_) LoadCurrent();
    if (calcStale_ && defs_[index].calculated && state_ != DataSetState::CalcFields) RecalculateFields();
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
    } else {
        calcStale_ = hasCalculated_ && OnCalcFields;
    }
    values_[index] = std::move(value);
    MarkFilled(index);
    modified_[index] = true;
    if (!field.calculated) storedFetched_ = true;
}

}  // namespace kvarn::db
