// The values a migration step drops, kept in table AnciennesValeurs (NomTable, Cle, Champ,
// Valeur, Etape) of the dossier: a column that goes, a table that goes, a count that is cleared.
// Nothing an accountant once entered is lost by bringing the dossier up to date.
//
// To be replaced by the migration service's own ConserverAncienneValeur: same name, same
// signature, same table.
#pragma once

#include "db/session.hpp"

#include <cstdint>
#include <string>

namespace kvarn::migration {

// Creates the table when missing and appends one row.
void ConserverAncienneValeur(db::Session& session, const std::string& table, const std::string& cle,
                             const std::string& champ, const std::string& valeur, std::uint32_t etape);

}  // namespace kvarn::migration
