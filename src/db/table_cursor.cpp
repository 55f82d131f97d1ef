// CTable: moving the cursor, bookmarks and Locate.
#include "db/table.hpp"

#include "common/text.hpp"
#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/identifiers.hpp"

namespace kvarn::db {

void CTable::Fire(const TDataSetNotifyEvent& event) {
    if (event) event(*this);
}

void CTable::CheckBrowseMode() {
    RequireActive();
    if (state_ == DataSetState::Edit || state_ == DataSetState::Insert) Post();
}

void CTable::MoveTo(std::size_t position) {
    position_ = position;
    current_ = order_.At(position);
    beside_ = Beside::None;
    loaded_ = false;
    ++recordVersion_;
}

void CTable::ClearCurrent() {
    current_.reset();
    position_ = 0;
    beside_ = Beside::None;
    loaded_ = false;
    ++recordVersion_;
}

// A move: pending edits are posted, then BeforeScroll, the move (which returns false when it
// could not happen and then fires nothing more), AfterScroll and the display notification.
template <class Move>
void CTable::Scroll(Move&& move) {
    CheckBrowseMode();
    Synchronize();
    Fire(BeforeScroll);
    if (!move()) return;
    Fire(AfterScroll);
    Notify();
}

void CTable::First() {
    const Checked checked(*this);
    Scroll([&] {
        bof_ = true;
        eof_ = order_.Empty();
        if (order_.Empty()) ClearCurrent();
        else MoveTo(0);
        return true;
    });
}

void CTable::Last() {
    const Checked checked(*this);
    Scroll([&] {
        bof_ = order_.Empty();
        eof_ = true;
        if (order_.Empty()) ClearCurrent();
        else MoveTo(order_.Size() - 1);
        return true;
    });
}

// Standing beside a row that left, the cursor's row is the one the move visits when it lies in
// the move's direction.
void CTable::Next() {
    const Checked checked(*this);
    CheckBrowseMode();
    Synchronize();
    if (eof_ || order_.Empty()) {
        bof_ = order_.Empty();
        eof_ = true;
        return;
    }
    Scroll([&] {
        bof_ = false;
        const std::size_t next = beside_ == Beside::Following ? position_ : position_ + 1;
        if (next < order_.Size()) MoveTo(next);
        else eof_ = true;
        return true;
    });
}

void CTable::Prior() {
    const Checked checked(*this);
    CheckBrowseMode();
    Synchronize();
    if (bof_ || order_.Empty()) {
        eof_ = order_.Empty();
        bof_ = true;
        return;
    }
    Scroll([&] {
        eof_ = false;
        if (beside_ == Beside::Preceding) MoveTo(position_);
        else if (position_ > 0) MoveTo(position_ - 1);
        else bof_ = true;
        return true;
    });
}

bool CTable::IsEmpty() {
    const Checked checked(*this);
    RequireActive();
    Synchronize();
    return order_.Empty();
}

int CTable::RecordCount() {
    const Checked checked(*this);
    RequireActive();
    Synchronize();
    return static_cast<int>(order_.Size());
}

int CTable::RecNo() {
    const Checked checked(*this);
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
    const Checked checked(*this);
    RequireActive();
    Synchronize();
    return bookmark.valid && order_.PositionOf(bookmark.rowid).has_value();
}

void CTable::GotoBookmark(const TBookmark& bookmark) {
    const Checked checked(*this);
    CheckBrowseMode();
    if (!bookmark.valid) return;  // taken where there was no row: there is nowhere to go back to
    Synchronize();
    const auto position = order_.PositionOf(bookmark.rowid);
    if (!position)
        throw DbError("L'enregistrement marqué n'existe plus dans la table " + tableName_);
    Scroll([&] {
        MoveTo(*position);
        bof_ = eof_ = false;
        return true;
    });
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
    // Rows the component does not show (filtered out, another master's) are stepped over, so
    // the statement lists every match in the component's order.
    Statement statement(session_->connection().Handle(),
                        "SELECT rowid FROM " + qualified_ + " WHERE " + where + " ORDER BY " + orderBy_);
    return locateStatements_.emplace(std::move(key), std::move(statement)).first->second;
}

// The value a Locate seeks in a field: an Alpha's text as given, never cut to the width (a longer
// text matches no row), upper-cased for a case-insensitive search; for the other types, the value
// as the field would take it written. Anything else is refused, naming the field.
Value CTable::SoughtValue(const Field& field, const Value& value, LocateOptions options) const {
    if (field.DataType() != FieldType::Alpha) return ToFieldValue(field.Definition(), value);
    if (!value.IsNull() && !value.IsText())
        throw ValeurRefusee("Recherche dans la table " + tableName_ + " : le champ alphanumérique " +
                            field.FieldName() + " se compare à un texte, non à un nombre");
    if (value.IsNull() || value.Text().empty()) return Value();
    return options.caseInsensitive ? Value(ToUpperFrench(value.Text())) : value;
}

bool CTable::Locate(std::string_view fieldNames, const std::vector<Value>& values,
                    LocateOptions options) {
    const Checked checked(*this);
    CheckBrowseMode();
    const std::vector<std::string> names = SplitFieldList(fieldNames);
    if (names.size() != values.size() || names.empty())
        throw DbError("Recherche dans la table " + tableName_ + " : " + std::to_string(names.size()) +
                      " champ(s) pour " + std::to_string(values.size()) + " valeur(s)");
    std::vector<std::size_t> fields;
    std::vector<Value> sought;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const Field& field = FieldByName(names[k]);
        const std::size_t index = byName_.find(names[k])->second;
        if (field.Calculated())
            throw DbError("Recherche impossible sur le champ calculé " + field.FieldName());
        fields.push_back(index);
        sought.push_back(SoughtValue(field, values[k], options));
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
    std::optional<std::size_t> position;
    while (!position && statement.Step()) position = order_.PositionOf(statement.ColumnInteger(0));
    statement.Reset();
    Fire(BeforeScroll);
    if (!position) return false;
    MoveTo(*position);
    bof_ = eof_ = false;
    Fire(AfterScroll);
    Notify();
    return true;
}

}  // namespace kvarn::db
