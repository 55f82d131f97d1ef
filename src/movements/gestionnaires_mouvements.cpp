#include "movements/gestionnaires_mouvements.hpp"

#include "associates/gestionnaires_associes.hpp"
#include "frame/etat_module.hpp"
#include "movements/fin_exercice.hpp"

#include <stdexcept>

namespace kvarn::movements {
namespace {

associates::PartsFinExercice EtapeFinExercice(const Associe& associe) {
    store::TdmKvarn* module = frame::DataModule();
    if (!module) throw std::logic_error("le module de données n'est pas créé (InitDataModuleKV)");
    const PartsPPUNP fin =
        PartsFinExerciceAssocie(*module, associe.ShIDAssocie, {associe.NbParts, associe.NbPartsU, associe.NbPartsN});
    return {fin.pp, fin.u, fin.np};
}

}  // namespace

void AttacherGestionnairesMouvements(store::TdmKvarn&) { associates::DefinirEtapeFinExercice(EtapeFinExercice); }

}  // namespace kvarn::movements
