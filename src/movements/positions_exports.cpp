// The exported reading of one associate's end-of-year shares, protected (operation_protegee.hpp).
//
// The associates component is used as it stands (its filter, its order), opened when closed and
// handed back open or closed, on the row it was on: a caller walking it between two readings
// keeps its place. The shares are computed here from the row's start-of-year shares and the
// year's movements, as the component's calculated columns are; those stay empty while another
// program holds the table through OuvrirTableAssociesKV.
#include <kvarn/mouvements.hpp>

#include "associates/table_associes.hpp"
#include "movements/composant_retabli.hpp"
#include "movements/fin_exercice.hpp"
#include "movements/operation_protegee.hpp"

namespace kvarn::movements {
namespace {

PartsPPUNP LireFinExercice(store::TdmKvarn& module, int idAssocie) {
    db::CTable& associes = module.Donnees().Composant("tblAssociesKV");
    ComposantRetabli retabli(associes);
    PartsPPUNP fin;
    if (associes.Locate("SHIDASSOCIE", db::Value(idAssocie))) {
        const Associe debut = associates::LireMembresCalcules(associes);
        fin = PartsFinExerciceAssocie(module, idAssocie, {debut.NbParts, debut.NbPartsU, debut.NbPartsN});
    }
    retabli.Retablir();
    return fin;
}

}  // namespace
}  // namespace kvarn::movements

void RecupererMouvementAssocie(int idAssocie, double& pp, double& u, double& np) {
    namespace mv = kvarn::movements;
    pp = u = np = 0.0;
    mv::ExecuterExporte(mv::Place::RecupererMouvementAssocie, [&](kvarn::store::TdmKvarn& module) {
        const mv::PartsPPUNP fin = mv::LireFinExercice(module, idAssocie);
        pp = fin.pp;
        u = fin.u;
        np = fin.np;
    });
}
