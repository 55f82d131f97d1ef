// The movements' installer: registered once for the process, run by every new data module. It
// creates the movements' state (liste_en_cache.hpp) and declares the fields the movements add to
// the data module's components; at every start-up it attaches the movements' handlers
// (gestionnaires_mouvements.hpp) and registers in the associates' state what the associates call
// and cannot include: the end-of-year step of their calculated columns, the positions the list
// of associates computes before it loads, and whether an associate gains shares. An attacher
// rather than the installer registers them, because attachers run once every installer has
// created its state.
#include "associates/etat_associes.hpp"
#include "movements/calcul_positions.hpp"
#include "movements/fin_exercice.hpp"
#include "movements/gestionnaires_mouvements.hpp"
#include "movements/liste_en_cache.hpp"
#include "store/installateurs.hpp"

#include <memory>

namespace kvarn::movements {
namespace {

// What is registered lives in a state of this data module: it may hold the data module by
// reference.
void AttacherServicesAssocies(store::TdmKvarn& module) {
    associates::EtatAssocies& associes = module.EtatDe<associates::EtatAssocies>();
    const auto etape = [](const FinExerciceParcours& parcours) {
        return [parcours](const Associe& associe) {
            const PartsPPUNP fin = parcours(associe.ShIDAssocie, {associe.NbParts, associe.NbPartsU, associe.NbPartsN});
            return associates::PartsFinExercice{fin.pp, fin.u, fin.np};
        };
    };
    // One row at a time, the movements and the date asked for at each row: a session may change them.
    associes.etapeFinExercice = [&module, etape](const Associe& associe) {
        return etape(FinExerciceParcours(module))(associe);
    };
    associes.preparerFinExercice = [&module, etape] {
        return associates::EtapeFinExercice(etape(FinExerciceParcours(module)));
    };
    // The list's positions carry no amount: the amount is the screens' concern, at their unit value.
    associes.calculerPositions = [&module] {
        CalculerPositionsAssocies(module, false, 0.0);
        return TotalPartsPPFin(module);
    };
    associes.acquiertDesParts = [&module](int idAssocie) { return AssocieAcquiertDesParts(module, idAssocie); };
}

void InstallerMouvements(store::TdmKvarn& module) {
    module.CreerEtat(std::make_unique<EtatMouvements>());
    DeclarerChampsMouvements(module);
    module.Gestionnaires().push_back(AttacherServicesAssocies);
    module.Gestionnaires().push_back(AttacherGestionnairesMouvements);
}

const store::InscriptionInstallateur kInscription{"mouvements", &InstallerMouvements};

}  // namespace
}  // namespace kvarn::movements
