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
    const auto found = byName_.find(name);
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
    for (std::size_t i = 0; i < defs_.size(); ++i)
        if (defs_[i].calculated) values_[i] = Value();
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
            if (fetched_[i]) continue;
            values_[i] = ReadStored(*statement, static_cast<int>(column), defs_[i]);
            if (cutOnRead_[i] && values_[i].IsText())
                values_[i] = Value(CutToWidth(values_[i].Text(), static_cast<std::size_t>(defs_[i].size)));
            fetched_[i] = true;
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
    modified_[index] = true;
    fetched_[index] = true;
}

}  // namespace kvarn::db
