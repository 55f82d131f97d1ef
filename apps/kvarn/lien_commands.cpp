#include "lien_commands.hpp"

#include "common/numbers.hpp"
#include "db/session.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "lignes_table.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/saisie_mouvement.hpp"
#include "session.hpp"

#include <kvarn/liste_associes.hpp>

#include <iostream>

namespace kvarn::cli {
namespace {

// Only a sale of bare ownership or of usufruct, a dismemberment and a reconstitution link bare
// owners to usufructuaries.
void VerifierMouvement(store::TdmKvarn& module, int idMouvement) {
    if (idMouvement == 0) return;
    const std::optional<movements::TypeEtCedant> entete = movements::LireEnteteMouvement(module, idMouvement);
    if (!entete) throw Refus("Le mouvement n° " + std::to_string(idMouvement) + " n'existe pas");
    const int t = entete->type;
    if (t != movements::kCessionNP && t != movements::kCessionU && t != movements::kDemembrement &&
        t != movements::kReconstitution)
        throw Refus("Un mouvement de type " + std::to_string(t) + " ne lie pas de nu-propriétaire à un usufruitier");
}

void VerifierAssocie(int id) {
    if (!DonnerAssocie(id)) throw Refus("L'associé n° " + std::to_string(id) + " n'existe pas");
}

}  // namespace

int LienAjouter(const GlobalOptions& globals, const LienAjouterOptions& options) {
    bool valide = false;
    const double nombre = ZORStr2Double(options.nombre, &valide);
    if (!valide) throw MauvaisUsage("--nombre attend un nombre de parts, pas « " + options.nombre + " »");
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    store::TdmKvarn& module = *frame::DataModule();
    VerifierMouvement(module, options.mouvement);
    VerifierAssocie(options.np);
    VerifierAssocie(options.u);
    if (options.np == options.u) throw Refus("Un associé n'est pas son propre usufruitier");
    if (nombre < 0) throw Refus("Le nombre d'usufruits doit être positif ou nul");
    movements::LienNPU lien{0, options.mouvement, options.np, options.u, nombre};
    for (const movements::LienNPU& stocke : movements::LireLiensMouvement(module, options.mouvement))
        if (stocke.idNP == options.np && stocke.idU == options.u) lien.autoID = stocke.autoID;
    db::AllOrNothing(module.Donnees().Session(), [&] { movements::EcrireLien(module, lien); });
    std::cout << lien.autoID << '\n';
    return kSucces;
}

int LienLister(const GlobalOptions& globals, bool json) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    AfficherTable(db::ALIAS_DOSSIER, "KOLMIKVA", "", {{"AutoID", "IdMouv", "IdNP", "IdU", "NbU"}, {}, {}}, json);
    return kSucces;
}

}  // namespace kvarn::cli
