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
    loaded_ = false;
    ++recordVersion_;
}

void CTable::ClearCurrent() {
    current_.reset();
    position_ = 0;
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
    Scroll([&] {
        bof_ = true;
        eof_ = order_.Empty();
        if (order_.Empty()) ClearCurrent();
        else MoveTo(0);
        return true;
    });
}

void CTable::Last() {
    Scroll([&] {
        bof_ = order_.Empty();
        eof_ = true;
        if (order_.Empty()) ClearCurrent();
        else MoveTo(order_.Size() - 1);
        return true;
    });
}

void CTable::Next() {
    CheckBrowseMode();
    Synchronize();
    if (eof_ || order_.Empty()) {
        bof_ = order_.Empty();
        eof_ = true;
        return;
    }
    Scroll([&] {
        bof_ = false;
        if (position_ + 1 < order_.Size()) MoveTo(position_ + 1);
        else eof_ = true;
        return true;
    });
}

void CTable::Prior() {
    CheckBrowseMode();
    Synchronize();
    if (bof_ || order_.Empty()) {
        eof_ = order_.Empty();
        bof_ = true;
        return;
    }
    Scroll([&] {
        eof_ = false;
        if (position_ > 0) MoveTo(position_ - 1);
        else bof_ = true;
        return true;
    });
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
        const std::size_t index = byName_.find(names[k])->second;
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
