// One table of the share register as a CSV file for French spreadsheets (common/csv.hpp): a
// header row of the register's keys, then one row per entry.
//
// - detentions: one row per holding; annexe 2072: one row per associate of the annex;
// - mouvements: one row per line of a movement, the movement's columns then the line's; a listed
//   movement without any line still gets a row, its line's cells empty, so none goes unseen;
// - liens: the links at the start ("debut"), those each movement records ("mouvement", with its
//   identifier) and those at the end ("fin"), with their real roles.
#pragma once

#include "movements/registre.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace kvarn::movements {

enum class TableRegistre { Detentions, Mouvements, Liens, Annexe2072 };

// "detentions", "mouvements", "liens", "2072"; nullopt for another name.
std::optional<TableRegistre> TableNommee(std::string_view nom);

// The annex table needs the annex: std::logic_error without it.
std::string RegistreEnCsv(const Registre& registre, TableRegistre table, bool marqueOrdreOctets);

}  // namespace kvarn::movements
