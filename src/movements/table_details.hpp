// Table KOLMIKVP, one row per associate concerned by a movement, as the movements see it: the one
// place that names its columns. Each of the six quantities is read as empty or a number, never
// through the engine's 0 for an empty column: a stored 0 is a quantity. A detail becomes the
// columns of the row being appended (the caller appends and posts).
#pragma once

#include "db/table.hpp"
#include "movements/decodage_detail.hpp"

#include <kvarn/mouvements.hpp>

#include <optional>
#include <string>

namespace kvarn::movements {

LigneDetail LireLigneDetail(db::CTable& table);
int LireIdDetail(db::CTable& table);
int LireIdAssoDetail(db::CTable& table);
// The row's calculated name of its associate.
void EcrireNomAssoDetail(db::CTable& table, const std::string& nom);
// The movement the row belongs to; nullopt when it names none.
std::optional<int> LireIdMouvementDetail(db::CTable& table);
// A gain goes to the kind's increase column, anything else (0 included) to its decrease column as
// a non-negative number; a kind other than PP, U and NP writes no quantity.
void EcrireDetail(db::CTable& table, const cDetailMouvementParts& detail, int idMouvement);

}  // namespace kvarn::movements
