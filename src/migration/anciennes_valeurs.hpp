// AnciennesValeurs: what a migration step drops, kept before it goes.
//
// A step that drops a column, or changes a column's type where some values cannot be carried
// over as they are (a text cut, a number out of the new type's range or rounded), first writes
// each such value here as text, with its table, the row's key (its AutoInc key, which is the
// row's number; the row's number for a table without key), the field and the step's number: what
// an older release held stays readable by the practice. The table lives in the dossier's
// database, created by the first value kept; written inside the step's transaction, it goes with
// the step when the step fails.
#pragma once

#include "db/field_type.hpp"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kvarn::db {
class Session;
}

namespace kvarn::migration {

inline constexpr const char* kTableAnciennesValeurs = "AnciennesValeurs";

// Fields: NomTable (Alpha 31), Cle (Long), Champ (Alpha 31), Valeur (Alpha 255), Etape (Long).
void ConserverAncienneValeur(db::Session& session, std::string_view table, std::int64_t cle, std::string_view champ,
                             std::string_view valeur, std::uint32_t etape);

// Every value the column holds (`champ` as the catalogue reads it); how many were kept.
int ConserverColonne(db::Session& session, const std::string& table, const db::FieldDef& champ, std::uint32_t etape);

// Every value of the columns named (as the catalogue reads them) that the table has; how many.
int ConserverColonnes(db::Session& session, const std::string& table, std::initializer_list<std::string_view> noms,
                      std::uint32_t etape);

// The values of the column `avant` that its new form `apres` would not hold as they are; how many.
int ConserverPertes(db::Session& session, const std::string& table, const db::FieldDef& avant,
                    const db::FieldDef& apres, std::uint32_t etape);

}  // namespace kvarn::migration
