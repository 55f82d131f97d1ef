// Changing chosen columns of one associate's row, whatever the standing filter hides, with the
// rules of a creation (Associe::Creer): a member holding its null value clears its column, towns
// are upper-cased, the birth postcode and INSEE code are written only for a birth in France.
//
// The record handed to `appliquer` is the row as stored; only the columns named are written
// back, and the cached list of associates is reset. A name and first names that another row
// already has are refused (the list finds associates by them).
#pragma once

#include "store/data_module.hpp"

#include <kvarn/associe.hpp>

#include <functional>
#include <set>
#include <string>

namespace kvarn::associates {

enum class Modification { Modifie, Inconnu, NomPris };

Modification ModifierAssocie(store::TdmKvarn& module, int idAssocie, const std::function<void(Associe&)>& appliquer,
                             const std::set<std::string>& colonnes);

}  // namespace kvarn::associates
