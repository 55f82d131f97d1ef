// The movements' installer: registered once for the process, run by every new data module. It
// creates the movements' state (liste_en_cache.hpp) and, at every start-up, registers the
// end-of-year step in the associates' state: the associates component's calculated fields call
// it, since the associates cannot call the movements themselves. An attacher rather than the
// installer does it, because attachers run once every installer has created its state.
#include "associates/etat_associes.hpp"
#include "movements/fin_exercice.hpp"
#include "movements/liste_en_cache.hpp"
#include "store/installateurs.hpp"

#include <memory>

namespace kvarn::movements {
namespace {

void AttacherEtapeFinExercice(store::TdmKvarn& module) {
    // The step lives in a state of this data module: it may hold the data module by reference.
    module.EtatDe<associates::EtatAssocies>().etapeFinExercice = [&module](const Associe& associe) {
        const PartsPPUNP fin = PartsFinExerciceAssocie(module, associe.ShIDAssocie,
                                                       {associe.NbParts, associe.NbPartsU, associe.NbPartsN});
        return associates::PartsFinExercice{fin.pp, fin.u, fin.np};
    };
}

void InstallerMouvements(store::TdmKvarn& module) {
    module.CreerEtat(std::make_unique<EtatMouvements>());
    module.Gestionnaires().push_back(AttacherEtapeFinExercice);
}

const store::InscriptionInstallateur kInscription{"mouvements", &InstallerMouvements};

}  // namespace
}  // namespace kvarn::movements
