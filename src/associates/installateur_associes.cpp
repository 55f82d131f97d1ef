// The associates' installer: registered once for the process, run by every new data module. It
// creates the associates' state (etat_associes.hpp), attaches the handlers of the associates
// component and of the result view at every start-up, and ends every start-up with the check of
// the associates' tax regimes.
#include "associates/colonnes_resultats.hpp"
#include "associates/etat_associes.hpp"
#include "associates/gestionnaires_associes.hpp"
#include "associates/regimes_associes.hpp"
#include "store/installateurs.hpp"

#include <memory>

namespace kvarn::associates {
namespace {

void InstallerAssocies(store::TdmKvarn& module) {
    module.CreerEtat(std::make_unique<EtatAssocies>());
    module.Gestionnaires().push_back(AttacherGestionnairesAssocies);
    module.Gestionnaires().push_back(AttacherGestionnairesResultats);
    module.ControlesDemarrage().push_back(VerifierRegimesAssocies);
}

const store::InscriptionInstallateur kInscription{"associes", &InstallerAssocies};

}  // namespace
}  // namespace kvarn::associates
