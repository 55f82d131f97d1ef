// The frame's module-wide state, the one place it is kept: the data module, the depth of the
// InitKV bracket and the wizard's main window.
//
// The exported interface has no context argument, so this state is global; it starts empty, the
// data module and the count are filled by InitDataModuleKV and InitKV and emptied by
// DetruireDataModuleKV, so that a test can start from nothing. The main window belongs to the
// host, which creates it (TFenMainAssistant::CreateInstance) and destroys it; the state only
// remembers it. The exported environment and settings functions, and the module's classes that
// read the settings store, reach the data module's environment through here.
#pragma once

#include "environment/environ_kv.hpp"
#include "store/data_module.hpp"

#include <memory>

class TFenMainAssistant;

namespace kvarn::frame {

struct EtatModule {
    std::unique_ptr<store::TdmKvarn> dataModule;
    int compteurInit = 0;
    TFenMainAssistant* fenetrePrincipale = nullptr;
};

EtatModule& Etat();

// The data module, or nullptr before InitDataModuleKV.
store::TdmKvarn* DataModule();
// The data module; std::logic_error (in French) before InitDataModuleKV.
store::TdmKvarn& DataModuleCree();

// Creates the data module when there is none; throws what its construction threw.
void CreerDataModule();

// The data module's environment and its settings store; std::logic_error (in French) when there
// is no data module or the store is closed.
environment::cEnvironBaseKV& Environnement();
environment::CGestTRPIni& Parametres();

}  // namespace kvarn::frame
