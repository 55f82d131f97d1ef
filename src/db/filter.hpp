// Filter texts of the module's dialect, compiled into an SQL condition.
//
// A component's filter text ("(Qualite <> 10) AND (RegimeImpositionSCI <>2)",
// "IsDeduction='True' AND EstPourBA='False' AND IdAssocie=5") is a boolean expression of
// comparisons (=, <>, <, >, <=, >=; also IS NULL and IS NOT NULL) between a field and a
// literal or between two fields, joined by AND, OR, NOT and parentheses. Literals are taken
// as the field they meet would take them ('True' for a Logical, "10" for a Short, dd/mm/yyyy
// for a Date), so a filter means what it says whatever the storage.
//
// A null field is unequal to every value: "X <> v" is true and "X = v" false when X is null, and
// an ordered comparison with a null is false. The condition is written so that this holds even
// under NOT, which SQL's own three-valued logic would not give. The literals travel as bound
// parameters, never pasted into the SQL.
#pragma once

#include "db/field_type.hpp"
#include "db/value.hpp"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::db {

struct FilterParameter {
    FieldDef field;  // the field the literal is compared with: how to bind it
    Value value;
};

struct CompiledFilter {
    std::string condition;  // SQL, with one '?' per parameter in order
    std::vector<FilterParameter> parameters;
};

// `fieldOf` gives the definition of a field of the component by name (any case), or nullptr.
// DbError quoting the text for a syntax error, an unknown or calculated field, or a literal the
// field cannot hold.
CompiledFilter CompileFilter(std::string_view text,
                             const std::function<const FieldDef*(std::string_view)>& fieldOf);

}  // namespace kvarn::db
