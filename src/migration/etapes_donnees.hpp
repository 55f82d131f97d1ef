// The data chain's steps ("KVDonnees"), registered in the order and with the numbers and labels
// the dossiers' recorded versions refer to. Each step reaches the data module that runs it.
#pragma once

#include "store/migrations.hpp"

namespace kvarn::migration {

void EnregistrerEtapesDonnees(store::ChainesMigration& chaines);

}  // namespace kvarn::migration
