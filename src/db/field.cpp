#include "db/field.hpp"

#include "db/display_format.hpp"
#include "db/errors.hpp"
#include "db/field_value.hpp"

#include <limits>

namespace kvarn::db {

std::string Field::AsString() const { return ReadAsString(def_, AsValue()); }

int Field::AsInteger() const {
    const std::int64_t value = ReadAsInteger(def_, AsValue());
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw DbError("La valeur du champ " + def_.name + " dépasse un entier");
    return static_cast<int>(value);
}

double Field::AsFloat() const { return ReadAsFloat(def_, AsValue()); }

bool Field::AsBoolean() const { return ReadAsBoolean(def_, AsValue()); }

double Field::AsDateTime() const {
    if (def_.type != FieldType::Date && !IsRealType(def_.type))
        throw DbError("Le champ " + def_.name + " n'est pas une date");
    return ReadAsFloat(def_, AsValue());
}

std::string Field::GetText(bool displayText) {
    const FieldDisplay& display = owner_->DisplayOf(index_);
    if (display.onGetText) {
        std::string text;
        display.onGetText(*this, text, displayText);
        return text;
    }
    const bool numeric = IsRealType(def_.type) || def_.type == FieldType::Short ||
                         def_.type == FieldType::Long || def_.type == FieldType::AutoInc;
    if (displayText && numeric && !display.displayFormat.empty() && !IsNull())
        return FormatFloat(display.displayFormat, AsFloat());
    return AsString();
}

void Field::SetValue(const Value& value) {
    owner_->SetHeldValue(index_, ToFieldValue(def_, value));
}

}  // namespace kvarn::db
