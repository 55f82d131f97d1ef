// The share register of the open year, read from the dossier: the positions, the movement
// synthesis and the bare-owner map are computed as the positions code computes them
// (CalculerPositionsAssocies without amount, InitialiserSyntheseMouvements,
// ConstruireAssociationsNPU, which cleans stale links first), then their working tables, the
// cached movement list and the cleaned links are read as they stand and composed (registre.hpp).
// The header comes from the environment (name, SIREN, the year's dates, the situation date) and
// the settings store (the declared number of shares). Runs inside the InitKV bracket; errors go
// on to the caller.
#pragma once

#include "movements/registre.hpp"
#include "store/data_module.hpp"

namespace kvarn::movements {

Registre ConstruireRegistre(store::TdmKvarn& module);

}  // namespace kvarn::movements
