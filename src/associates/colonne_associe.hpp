// One stored column of table KOLMIKV1 written by its name, from a text as a user types it: for
// the command line's "associe modifier ID --champ COLONNE=VALEUR".
//
// The column is found without regard to case; a calculated column (the component computes it)
// and the key (the table assigns it) cannot be written. The text is read by the column's type:
// an Alpha text is cut at the column's width (characters); integers are whole numbers; reals take
// "." or "," as decimal separator; a Logical is 1 or 0; a date is dd/mm/yyyy. An empty text clears
// the column. The component must be open and its row being edited or appended.
#pragma once

#include "db/table.hpp"

#include <stdexcept>
#include <string_view>

namespace kvarn::associates {

// A column that does not exist, is calculated, or is the key: the command line's bad usage.
class ColonneNonModifiable : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// A text the column's type cannot take.
class ValeurRefusee : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

void EcrireColonneAssocie(db::CTable& table, std::string_view colonne, std::string_view valeur);

}  // namespace kvarn::associates
