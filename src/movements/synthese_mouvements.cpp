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

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kvarn::movements {
namespace {

constexpr const char* kSynthese = "tblSyntheseMouvement";

bool Synthetise(const std::optional<cMouvParts>& mouvement, double dateSituation) {
    return mouvement && !ApresSituation(mouvement->DateMouvement, dateSituation);
}

void AjouterLignes(const cMouvParts& mouvement, int idDetail, const LigneDetail& ligne,
                   std::vector<LigneSyntheseStockee>& lignes) {
    for (const LigneSynthese& ecrite : LignesSynthese(ligne, idDetail))
        lignes.push_back(LigneStockee(mouvement, ligne.idAsso, ecrite));
}

// The synthesis rows of the movement under the cursor, into a synthesis component already lent.
void EcrireSynthese(double dateSituation, db::CTable& mouvements, db::CTable& details, db::CTable& synthese) {
    const std::optional<cMouvParts> mouvement = LireMouvement(mouvements);
    if (!Synthetise(mouvement, dateSituation)) return;
    const ColonnesDetail colonnes(details);
    std::vector<LigneSyntheseStockee> lignes;
    for (details.First(); !details.Eof(); details.Next()) AjouterLignes(*mouvement, colonnes.IdDetail(), colonnes.Lire(), lignes);
    for (const LigneSyntheseStockee& ligne : lignes) EcrireLigneSynthese(synthese, ligne);
}

// Every movement's rows, movements in date order and each one's detail rows in the order of entry,
// as the processing pair walks them: the detail rows are read in one statement and grouped by
// movement rather than followed movement by movement through the linked component.
std::vector<LigneSyntheseStockee> CalculerSynthese(store::TdmKvarn& module, host::CBarre& barre) {
    std::unordered_map<int, std::vector<std::pair<int, LigneDetail>>> details;
    ParcourirLignesDetailNumerotees(module.Donnees().Session(), [&](int idMouvement, int idDetail, const LigneDetail& ligne) {
        details[idMouvement].emplace_back(idDetail, ligne);
    });
    db::CTable& mouvements = module.Donnees().Composant("tblMouvementPartsTraitement");
    ComposantRetabli retabli(mouvements);
    mouvements.SetIndexName(module.Donnees().IndexTri);
    barre.SetMax(mouvements.RecordCount());
    const double dateSituation = module.Environnement().GetDateSituation();  // a settings read: once
    std::vector<LigneSyntheseStockee> lignes;
    for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) {
        const std::optional<cMouvParts> mouvement = LireMouvement(mouvements);
        if (Synthetise(mouvement, dateSituation))
            if (const auto trouve = details.find(mouvement->AutoID); trouve != details.end())
                for (const auto& [idDetail, ligne] : trouve->second) AjouterLignes(*mouvement, idDetail, ligne, lignes);
        barre.Avancer();
    }
    retabli.Retablir();
    return lignes;
}

}  // namespace

void SynthetiserMouvement(store::TdmKvarn& module, db::CTable& mouvements, db::CTable& details) {
    db::CTable& synthese = module.Donnees().Composant(kSynthese);
    ComposantRetabli retabli(synthese);
    synthese.SetIndexName("");
    EcrireSynthese(module.Environnement().GetDateSituation(), mouvements, details, synthese);
    retabli.Retablir();
}

// The rows are computed first and written in one pass of prepared statements: following each
// movement's details through the linked component, then locating and posting each row through the
// synthesis component, was most of the register's cost at 100,000 detail rows.
std::vector<LigneSyntheseStockee> InitialiserSyntheseMouvements(store::TdmKvarn& module) {
    const std::unique_ptr<host::CBarre> barre = host::OuvrirBarre("Initialisation de la synthese des mouvements");
    const std::vector<LigneSyntheseStockee> lignes = CalculerSynthese(module, *barre);
    db::Session& session = module.Donnees().Session();
    std::vector<LigneSyntheseStockee> table;
    db::KeepWhatWasPosted(session, [&] { table = EcrireLignesSynthese(session, module.Environnement().GetAliasTmp(), lignes); });
    return table;
}

void SupprimerSyntheseMouvement(store::TdmKvarn& module, int idMouvement) {
    db::CQuery requete(module.Donnees().Session());
    requete.SetDatabaseName(module.Environnement().GetAliasTmp());
    requete.SQL().Add(std::string("DELETE FROM ") + "SYNTHESEMOUVEMENTKV" + " WHERE IDMOUVEMENT=" +
                      std::to_string(idMouvement));
    requete.ExecSQL();
}

}  // namespace kvarn::movements
