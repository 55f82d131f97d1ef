// The module-wide slot holding the current environment object.
//
// The exported environment and settings functions take no context argument: they act on the
// environment object of the data module. This slot is the one place that says which object that
// is. The data module sets it when it has created and initialised its environment and clears it
// (nullptr) before destroying it; tests set it directly. The slot never owns the object.
#pragma once

#include "environment/environ_base_kv.hpp"

namespace kvarn::environment {

cEnvironBaseKV* EnvironnementCourant();
void DefinirEnvironnementCourant(cEnvironBaseKV* environnement);

// The current environment; std::logic_error (in French) when there is none.
cEnvironBaseKV& EnvironnementRequis();
// The settings store of the current environment; std::logic_error (in French) when there is no
// environment or no store.
CGestTRPIni& ParametresCourants();

}  // namespace kvarn::environment
