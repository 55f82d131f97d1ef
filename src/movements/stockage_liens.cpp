// Appending and reading the links between bare owners and usufructuaries: the exported
// operations over the component of KOLMIKVA, each protected (operation_protegee.hpp).
#include <kvarn/mouvements.hpp>

#include "movements/ajout_ligne.hpp"
#include "movements/liens.hpp"
#include "movements/operation_protegee.hpp"
#include "movements/table_asso_npu.hpp"

namespace kvarn::movements {
namespace {

db::CTable& Liens(store::TdmKvarn& module) { return module.Donnees().Composant("tblAssoNPU"); }

void Ouvrir(store::TdmKvarn& module) { OuvrirLiens(module); }

int Sauver(store::TdmKvarn& module, const cAssoNPU& lien) {
    return AjouterLigne(Liens(module), [&](db::CTable& table) { EcrireAssoNPU(table, lien); });
}

void Fermer(store::TdmKvarn& module) { Liens(module).Close(); }

// Rows equal in all four members collapse into one. The component is closed afterwards, also
// when the walk fails. The walk reads stored columns only: the usufructuary's name, which would
// load the list of associates, is not computed meanwhile.
void Lire(store::TdmKvarn& module, std::set<cAssoNPU>& liens) {
    db::CTable& table = Liens(module);
    const db::CalcFieldsSuspended suspendu(table);
    table.Open();
    try {
        for (table.First(); !table.Eof(); table.Next()) liens.insert(LireAssoNPU(table));
    } catch (...) {
        table.Close();
        throw;
    }
    table.Close();
}

}  // namespace

db::CTable& OuvrirLiens(store::TdmKvarn& module) {
    db::CTable& liens = Liens(module);
    liens.SetIndexName("");
    liens.SetMasterFields("");
    liens.SetMasterSource(nullptr);
    liens.Open();
    return liens;
}

}  // namespace kvarn::movements

namespace mv = kvarn::movements;

void KV_OuvrirAssoNPU() { mv::ExecuterExporte(mv::Place::OuvrirAssoNPU, mv::Ouvrir); }

int KV_SauverAssoNPU(const cAssoNPU& lien) {
    int id = 0;
    mv::ExecuterExporte(mv::Place::SauverAssoNPU,
                        [&](kvarn::store::TdmKvarn& module) { id = mv::Sauver(module, lien); });
    return id;
}

void KV_FermerAssoNPU() { mv::ExecuterExporte(mv::Place::FermerAssoNPU, mv::Fermer); }

std::set<cAssoNPU> RecupererAssoNPU() {
    std::set<cAssoNPU> liens;
    mv::ExecuterExporte(mv::Place::RecupererAssoNPU, [&](kvarn::store::TdmKvarn& module) { mv::Lire(module, liens); });
    return liens;
}
