#include "etat_commands.hpp"

#include "divers_commands.hpp"
#include "reports/etat_rapports.hpp"
#include "session.hpp"
#include "taxadj/divers.hpp"

#include <kvarn/etats.hpp>

#include <memory>

namespace kvarn::cli {

int EtatDivers(const GlobalOptions& globals, const EtatDiversOptions& options) {
    const bool deduction = SensDemande(options.deductions, options.reintegrations, "--deductions, --reintegrations");
    if (!options.bic && !options.ba && !options.bnc)
        throw MauvaisUsage("au moins une colonne est attendue : --bic, --ba ou --bnc");
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    store::TdmKvarn& module = taxadj::ModuleDivers();
    // The block outlives the engine that holds it as a statement's tag (declared first, freed last).
    std::unique_ptr<PARAMETRES_ETAT_DIVERS, void (*)(PARAMETRES_ETAT_DIVERS*)> parametres(
        nullptr, [](PARAMETRES_ETAT_DIVERS* bloc) { SupprimerEtatDetailDivers(bloc); });
    // The engine is the caller's, the statement the data module's: its events answer.
    const std::unique_ptr<CVrelMaker> moteur = reports::NouveauVrelMaker(module);
    if (!moteur) throw Refus("L'hôte n'a pas de moteur d'états");
    parametres.reset(AjouterEtatDetailDivers(moteur.get(), !deduction, options.bic, options.ba, options.bnc,
                                             options.copies, options.criteres, options.document));
    if (!parametres) throw Refus("L'état des divers n'a pas pu être préparé");
    if (moteur->Imprimer(options.pdf) == 0) throw Refus("Aucun divers à imprimer.");
    return kSucces;
}

}  // namespace kvarn::cli
