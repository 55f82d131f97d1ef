// One field of a table component's current record, read and written by name.
//
// The module reads and writes fields the desktop way: tbl.FieldByName("Nom").AsString(),
// .SetAsInteger(3), .IsNull(), .Clear(). A Field knows its definition and asks its owner (the
// component holding the record buffer) for the value, so reading a field of a row the cursor has
// just reached fetches the row on first use. Writing goes through the owner, which refuses it
// unless the record is being edited or inserted (calculated fields excepted).
//
// What a field shows is its display text: the text its get-text handler gives, or else its value
// in its display format ("#,####0.00000"), under its display label ("BIC/IS"; the field's name
// when it has none). They belong to the component's declaration of the field and outlive the
// opening of the table, so the owner keeps them (FieldDisplay) and the data module can attach
// them once, whether the table is open or not.
#pragma once

#include "db/field_type.hpp"
#include "db/value.hpp"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kvarn::db {

class Field;

// The handler that gives a field's text: `displayText` true for showing, false for editing.
using TFieldGetTextEvent = std::function<void(Field& sender, std::string& text, bool displayText)>;

struct FieldDisplay {
    std::string displayFormat;  // numeric fields only; "" shows the value as AsString does
    std::string displayLabel;   // the column's title; "" is the field's name
    TFieldGetTextEvent onGetText;
};

// What a Field needs from the component that holds the record buffer.
class FieldOwner {
public:
    virtual ~FieldOwner() = default;
    virtual const Value& HeldValue(std::size_t index) = 0;
    virtual void SetHeldValue(std::size_t index, Value value) = 0;
    virtual FieldDisplay& DisplayOf(std::size_t index) = 0;
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

    const std::string& DisplayFormat() const { return owner_->DisplayOf(index_).displayFormat; }
    void SetDisplayFormat(std::string picture) { owner_->DisplayOf(index_).displayFormat = std::move(picture); }
    void SetOnGetText(TFieldGetTextEvent handler) { owner_->DisplayOf(index_).onGetText = std::move(handler); }
    const std::string& DisplayLabel() const {
        const std::string& label = owner_->DisplayOf(index_).displayLabel;
        return label.empty() ? def_.name : label;
    }
    // The text shown for the field, and the text given for editing it.
    std::string DisplayText() { return GetText(true); }
    std::string Text() { return GetText(false); }

private:
    std::string GetText(bool displayText);

    FieldOwner* owner_;
    std::size_t index_;
    FieldDef def_;
};

}  // namespace kvarn::db
