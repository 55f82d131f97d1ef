// The module-wide state of the lifecycle: the data module and the depth of the InitKV bracket.
// One instance per loaded module; created empty, filled by InitDataModuleKV, emptied by
// DetruireDataModuleKV, so that a test can start from nothing.
#pragma once

#include "store/data_module.hpp"

#include <memory>

namespace kvarn::frame {

struct EtatModule {
    std::unique_ptr<store::TdmKvarn> dataModule;
    int compteurInit = 0;
};

EtatModule& Etat();

// The data module, or nullptr before InitDataModuleKV.
store::TdmKvarn* DataModule();

// Creates the data module when there is none; throws what its construction threw.
void CreerDataModule();

}  // namespace kvarn::frame
