// The registry of subsystem installers: how a subsystem plugs into the data module.
//
// The store knows no subsystem. Each subsystem registers one installer, once, from a static
// object in its installer's .cpp (every object file of the module is linked, so every installer
// is registered before the first data module exists). Each new data module runs every installer
// once, from its constructor, in the order of their names: an installer creates its subsystem's
// state in the data module (TdmKvarn::CreerEtat) and pushes its attachers (TdmKvarn::
// Gestionnaires()). The attachers run at every dossier start-up, after every installer has run,
// so an attacher may reach the state of a subsystem it builds on; since they run again and again
// they assign handlers (tbl.OnCalcFields = ...), never add to them.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kvarn::store {

class TdmKvarn;

using Installateur = void (*)(TdmKvarn& module);

// Registers a subsystem's installer under its name; false, and nothing registered, when the name
// is taken.
bool EnregistrerInstallateur(std::string nom, Installateur installateur);

// The registered installers, by name.
const std::vector<std::pair<std::string, Installateur>>& Installateurs();

// Runs every installer on a new data module.
void Installer(TdmKvarn& module);

// The static registration an installer's .cpp holds:
//   const store::InscriptionInstallateur kInscription{"associes", &InstallerAssocies};
struct InscriptionInstallateur {
    InscriptionInstallateur(const char* nom, Installateur installateur) {
        EnregistrerInstallateur(nom, installateur);
    }
};

}  // namespace kvarn::store
