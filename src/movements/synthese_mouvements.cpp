#include "movements/synthese_mouvements.hpp"

#include "db/query.hpp"
#include "db/transaction.hpp"
#include "environment/tables_dossier.hpp"
#include "host/barre.hpp"
#include "movements/composant_retabli.hpp"
#include "movements/cumul.hpp"
#include "movements/table_details.hpp"
#include "movements/table_mouvements.hpp"
#include "movements/table_synthese.hpp"

#include <string>

namespace kvarn::movements {
namespace {

constexpr const char* kSynthese = "tblSyntheseMouvement";

// The synthesis rows of the movement under the cursor, into a synthesis component already lent.
void EcrireSynthese(double dateSituation, db::CTable& mouvements, db::CTable& details, db::CTable& synthese) {
    const std::optional<cMouvParts> mouvement = LireMouvement(mouvements);
    if (!mouvement || ApresSituation(mouvement->DateMouvement, dateSituation)) return;
    const ColonnesDetail colonnes(details);
    for (details.First(); !details.Eof(); details.Next()) {
        const LigneDetail ligne = colonnes.Lire();
        for (const LigneSynthese& ecrite : LignesSynthese(ligne, colonnes.IdDetail()))
            EcrireLigneSynthese(synthese, *mouvement, ligne.idAsso, ecrite);
    }
}

}  // namespace

void SynthetiserMouvement(store::TdmKvarn& module, db::CTable& mouvements, db::CTable& details) {
    db::CTable& synthese = module.Donnees().Composant(kSynthese);
    ComposantRetabli retabli(synthese);
    synthese.SetIndexName("");
    EcrireSynthese(module.Environnement().GetDateSituation(), mouvements, details, synthese);
    retabli.Retablir();
}

void InitialiserSyntheseMouvements(store::TdmKvarn& module) {
    const std::unique_ptr<host::CBarre> barre = host::OuvrirBarre("Initialisation de la synthese des mouvements");
    db::CTable& mouvements = module.Donnees().Composant("tblMouvementPartsTraitement");
    db::CTable& details = module.Donnees().Composant("tblDetMouvPartsTraitement");
    ComposantRetabli detailsRetablis(details);
    ComposantRetabli mouvementsRetablis(mouvements);
    mouvements.SetIndexName(module.Donnees().IndexTri);
    barre->SetMax(mouvements.RecordCount());
    // The synthesis is lent once for the whole walk: lending it per movement read all of it again
    // each time, which grew with the square of the movements (minutes at 50,000).
    db::CTable& synthese = module.Donnees().Composant(kSynthese);
    ComposantRetabli syntheseRetablie(synthese);
    synthese.SetIndexName("");
    const double dateSituation = module.Environnement().GetDateSituation();  // a settings read: once
    db::KeepWhatWasPosted(module.Donnees().Session(), [&] {
        for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) {
            EcrireSynthese(dateSituation, mouvements, details, synthese);
            barre->Avancer();
        }
    });
    syntheseRetablie.Retablir();
    mouvementsRetablis.Retablir();
    detailsRetablis.Retablir();
}

void SupprimerSyntheseMouvement(store::TdmKvarn& module, int idMouvement) {
    db::CQuery requete(module.Donnees().Session());
    requete.SetDatabaseName(module.Environnement().GetAliasTmp());
    requete.SQL().Add(std::string("DELETE FROM ") + "SYNTHESEMOUVEMENTKV" + " WHERE IDMOUVEMENT=" +
                      std::to_string(idMouvement));
    requete.ExecSQL();
}

}  // namespace kvarn::movements
