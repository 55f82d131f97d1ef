// The module's migration chains, registered once in every data module: the structure steps and
// the data steps, in their chains' order.
#pragma once

namespace kvarn::store {
struct ChainesMigration;
}

namespace kvarn::migration {

void EnregistrerMigrations(store::ChainesMigration& chaines);

}  // namespace kvarn::migration
