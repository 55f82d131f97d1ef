// Table KOLMIKVA, the links between a bare owner and a usufructuary, as the movements see it: the
// one place that names its columns. An empty column reads 0.
#pragma once

#include "db/table.hpp"
#include "movements/affectation_liens.hpp"

#include <kvarn/mouvements.hpp>

#include <optional>
#include <string>

namespace kvarn::movements {

cAssoNPU LireAssoNPU(db::CTable& table);
// The same, or nullopt when the row's number of usufruct shares is empty.
std::optional<cAssoNPU> LireLienChiffre(db::CTable& table);
// The row with its key and its number, empty or not.
LienNPU LireLienNPU(db::CTable& table);
// The columns of the row being appended or edited, the key aside.
void EcrireLienNPU(db::CTable& table, const LienNPU& lien);
// The row's calculated name of its usufructuary.
void EcrireNomAssoLien(db::CTable& table, const std::string& nom);
// The columns of the row being appended (the caller appends and posts).
void EcrireAssoNPU(db::CTable& table, const cAssoNPU& lien);

}  // namespace kvarn::movements
