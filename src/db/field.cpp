#include "db/field.hpp"

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

void Field::SetValue(const Value& value) {
    owner_->SetHeldValue(index_, ToFieldValue(def_, value));
}

}  // namespace kvarn::db
