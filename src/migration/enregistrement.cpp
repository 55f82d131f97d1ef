#include "migration/enregistrement.hpp"

#include "migration/etapes_donnees.hpp"
#include "migration/etapes_structure.hpp"
#include "store/data_module.hpp"
#include "store/installateurs.hpp"

namespace kvarn::migration {
namespace {

void InstallerMigrations(store::TdmKvarn& module) { EnregistrerMigrations(module.Migrations()); }

const store::InscriptionInstallateur kInscription{"migration", &InstallerMigrations};

}  // namespace

void EnregistrerMigrations(store::ChainesMigration& chaines) {
    EnregistrerEtapesStructure(chaines);
    EnregistrerEtapesDonnees(chaines);
}

}  // namespace kvarn::migration
