// Appending movements and their details, as other programs of the suite record them: the
// exported operations over the processing components of KOLMIKVM and KOLMIKVP, each protected
// (operation_protegee.hpp).
#include <kvarn/mouvements.hpp>

#include "common/nulls.hpp"
#include "movements/ajout_ligne.hpp"
#include "movements/operation_protegee.hpp"
#include "movements/table_details.hpp"
#include "movements/table_mouvements.hpp"


namespace kvarn::movements {
namespace {

db::CTable& Mouvements(store::TdmKvarn& module) { return module.Donnees().Composant("tblMouvementPartsTraitement"); }
db::CTable& Details(store::TdmKvarn& module) { return module.Donnees().Composant("tblDetMouvPartsTraitement"); }

void Ouvrir(store::TdmKvarn& module) {
    Mouvements(module).Open();
    Details(module).Open();
}

int Sauver(store::TdmKvarn& module, const cMouvParts& mouvement) {
    return AjouterLigne(Mouvements(module), [&](db::CTable& table) { EcrireMouvement(table, mouvement); });
}

void SauverDetail(store::TdmKvarn& module, const cDetailMouvementParts& detail, int idMouvement) {
    // The row is not shown: the handler would compute for nothing.
    const db::CalcFieldsSuspended suspendu(Details(module));
    AjouterLigne(Details(module), [&](db::CTable& table) { EcrireDetail(table, detail, idMouvement); });
}

void Fermer(store::TdmKvarn& module) {
    Details(module).Close();
    Mouvements(module).Close();
}

}  // namespace
}  // namespace kvarn::movements

namespace mv = kvarn::movements;

void KV_OuvrirMouvementsParts() { mv::ExecuterExporte(mv::Place::OuvrirMouvementsParts, mv::Ouvrir); }

int KV_SauverMouvementsParts(const cMouvParts& mouvement) {
    int id = 0;
    mv::ExecuterExporte(mv::Place::SauverMouvementsParts,
                        [&](kvarn::store::TdmKvarn& module) { id = mv::Sauver(module, mouvement); });
    return id;
}

void KV_SauverDetailMouvementsParts(const cDetailMouvementParts& detail, int idMouvement) {
    if (idMouvement == 0 || idMouvement == kvarn::NULL_ENTIER) return;
    mv::ExecuterExporte(mv::Place::SauverDetailMouvementsParts,
                        [&](kvarn::store::TdmKvarn& module) { mv::SauverDetail(module, detail, idMouvement); });
}

void KV_FermerMouvementsParts() { mv::ExecuterExporte(mv::Place::FermerMouvementsParts, mv::Fermer); }
