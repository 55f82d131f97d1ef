#include "db/forward_reader.hpp"

#include "db/errors.hpp"
#include "db/identifiers.hpp"

#include <string>

namespace kvarn::db {

ForwardReader::ForwardReader(CTable& component, std::span<const std::string_view> fieldNames)
    : component_(component) {
    component.RequireActive();
    std::string columns = "rowid";
    fields_.reserve(fieldNames.size());
    for (std::string_view name : fieldNames) {
        const Field& field = component.FieldByName(name);
        if (field.Calculated())
            throw DbError("Le champ calculé " + field.FieldName() + " ne se lit que par la table " +
                          component.TableName());
        columns += ", " + QuoteIdentifier(field.FieldName());
        indexes_.push_back(component.byName_.find(field.FieldName())->second);
        fields_.push_back(Field(*this, fields_.size(), field.Definition()));
    }
    displays_.resize(fields_.size());
    values_.resize(fields_.size());
    statement_ = Statement(component.session_->connection().Handle(), component.OrderStatementText(false, columns));
    component.BindOrderParameters(statement_);
    changes_ = component.changes_;
    changesAtStart_ = *changes_;
}

Field& ForwardReader::FieldByName(std::string_view name) {
    for (Field& field : fields_)
        if (FieldNameEqual{}(field.FieldName(), name)) return field;
    throw DbError("Le champ " + std::string(name) + " n'est pas lu en avant dans la table " + component_.TableName());
}

void ForwardReader::SetHeldValue(std::size_t index, Value) {
    throw DbError("Le champ " + fields_[index].FieldName() + " est lu en avant : il ne peut pas être écrit");
}

bool ForwardReader::Step() {
    held_ = !ended_ && statement_.Step();
    if (held_) {
        row_ = statement_.ColumnInteger(0);
        for (std::size_t i = 0; i < fields_.size(); ++i)
            values_[i] = component_.StoredValue(statement_, static_cast<int>(i) + 1, indexes_[i]);
        return true;
    }
    ended_ = true;
    statement_.Reset();
    for (Value& value : values_) value = Value();
    return false;
}

// The statement gives the rows in the component's order; the walk visits the same rows but those
// its filter handler hides, so the statement only ever goes forward to meet it. Once the table
// changed, or the walk visited a row the statement never gave, every row is read by the component.
bool ForwardReader::OnRow() {
    if (ended_) return false;
    if (*changes_ != changesAtStart_) {
        ended_ = true;
        statement_.Reset();
        return false;
    }
    const TBookmark current = component_.GetBookmark();
    if (!current.valid) return false;
    if (held_ && row_ == current.rowid) return true;  // the same row asked again
    while (Step())
        if (row_ == current.rowid) return true;
    return false;
}

}  // namespace kvarn::db
