// The structure chain ("KV"): the thirteen steps that bring the tables of an older dossier to the
// current layout, registered in their order.
#pragma once

namespace kvarn::store {
struct ChainesMigration;
}

namespace kvarn::migration {

void EnregistrerEtapesStructure(store::ChainesMigration& chaines);

}  // namespace kvarn::migration
