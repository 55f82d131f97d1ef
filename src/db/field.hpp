// One field of a table component's current record, read and written by name.
//
// The module reads and writes fields the desktop way: tbl.FieldByName("Nom").AsString(),
// .SetAsInteger(3), .IsNull(), .Clear(). A Field knows its definition and asks its owner (the
// component holding the record buffer) for the value, so reading a field of a row the cursor has
// just reached fetches the row on first use. Writing goes through the owner, which refuses it
// unless the record is being edited or inserted (calculated fields excepted).
#pragma once

#include "db/field_type.hpp"
#include "db/value.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace kvarn::db {

// What a Field needs from the component that holds the record buffer.
class FieldOwner {
public:
    virtual ~FieldOwner() = default;
    virtual const Value& HeldValue(std::size_t index) = 0;
    virtual void SetHeldValue(std::size_t index, Value value) = 0;
};

class Field {
public:
    Field(FieldOwner& owner, std::size_t index, FieldDef definition)
        : owner_(&owner), index_(index), def_(std::move(definition)) {}

    const std::string& FieldName() const { return def_.name; }
    FieldType DataType() const { return def_.type; }
    int Size() const { return def_.size; }
    bool Calculated() const { return def_.calculated; }
    const FieldDef& Definition() const { return def_; }

    bool IsNull() const { return owner_->HeldValue(index_).IsNull(); }
    const Value& AsValue() const { return owner_->HeldValue(index_); }
    std::string AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;
    double AsDateTime() const;  // a day count; 0 for no date

    void SetValue(const Value& value);
    void SetAsString(std::string_view text) { SetValue(Value(text)); }
    void SetAsInteger(int value) { SetValue(Value(value)); }
    void SetAsFloat(double value) { SetValue(Value(value)); }
    void SetAsBoolean(bool value) { SetValue(Value(value)); }
    void SetAsDateTime(double dayCount) { SetValue(Value(dayCount)); }
    void Clear() { SetValue(Value()); }

private:
    FieldOwner* owner_;
    std::size_t index_;
    FieldDef def_;
};

}  // namespace kvarn::db
