#include "movements/calcul_positions.hpp"

#include "associates/table_associes.hpp"
#include "db/query.hpp"
#include "db/transaction.hpp"
#include "environment/tables_dossier.hpp"
#include "movements/composant_retabli.hpp"
#include "movements/cumul.hpp"
#include "movements/liste_en_cache.hpp"
#include "movements/positions.hpp"
#include "movements/table_positions.hpp"

#include <kvarn/associe.hpp>

#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace kvarn::movements {
namespace {

constexpr const char* kPositions = "tblMouvementTmp";
constexpr const char* kPositionsTraitement = "tblMouvementTmpTraitement";
constexpr const char* kPositionsU = "tblMouvementTmpU";

const std::uint64_t& CompteurAssocies(store::TdmKvarn& module) {
    db::Session& session = module.Donnees().Session();
    return session.connection().ChangeCounter(session.SchemaOfAlias(module.Environnement().GetAliasDossier()),
                                              environment::kTableAssocies.nom);
}

// KOLMIKV1 through a component of this walk's own, unfiltered, in key order.
class AssociesNonFiltres {
public:
    explicit AssociesNonFiltres(store::TdmKvarn& module) : table_(module.Donnees().Session()) {
        table_.SetDatabaseName(module.Environnement().GetAliasDossier());
        table_.SetSessionName(module.Environnement().GetNomSession());
        table_.SetTableName(environment::kTableAssocies.nom);
        table_.SetIndexName("idxAssocies");
        table_.Open();
    }
    db::CTable& operator*() { return table_; }

private:
    db::CTable table_;
};

std::unordered_set<int> IdentifiantsAssocies(store::TdmKvarn& module) {
    db::CQuery requete(module.Donnees().Session());
    requete.SetDatabaseName(module.Environnement().GetAliasDossier());
    requete.SQL().Add(std::string("SELECT ") + "SHIDASSOCIE" + " FROM " + environment::kTableAssocies.nom);
    requete.Open();
    std::unordered_set<int> ids;
    for (requete.First(); !requete.Eof(); requete.Next()) ids.insert(requete.Fields(0).AsInteger());
    return ids;
}

// Deletes the rows of associates that are gone; gives the rows that stay, by associate.
std::unordered_map<int, db::TBookmark> GarderPositionsExistantes(store::TdmKvarn& module,
                                                                  const std::unordered_set<int>& ids) {
    std::unordered_map<int, db::TBookmark> lignes;
    db::CTable& positions = module.Donnees().Composant(kPositionsTraitement);
    if (!positions.Exists()) return lignes;
    ComposantRetabli retabli(positions);
    positions.SetIndexName("");
    for (positions.First(); !positions.Eof();) {
        const int id = LireIdAssociePosition(positions);
        if (ids.count(id) == 0) {
            positions.Delete();  // the cursor goes to the row that took its place
            continue;
        }
        lignes.emplace(id, positions.GetBookmark());
        positions.Next();
    }
    retabli.Retablir();
    return lignes;
}

void EcrirePositions(store::TdmKvarn& module, db::CTable& positions, std::optional<double> valeurUnitaire,
                     const std::unordered_map<int, db::TBookmark>& lignes) {
    AssociesNonFiltres associes(module);
    const int mode = module.ModeChargement();
    const associates::LecteurAssocie lecteur(*associes, associates::LecteurAssocie::Membres::Positions);
    // The list and the situation date are the same for every associate of the walk: read once, not
    // once per associate (the date comes from the dossier record).
    ChargerMouvements(module);
    const EtatMouvements& etat = module.EtatDe<EtatMouvements>();
    const Exclusions exclusions{module.Environnement().GetDateSituation(), 0, 0};
    for ((*associes).First(); !(*associes).Eof(); (*associes).Next()) {
        const Associe associe = lecteur.Lire();
        if (associe.Qualite == QA_BENEFICIAIRE) continue;
        const PartsPPUNP mouvements = CumulerDetails(etat.DetailsDe(associe.ShIDAssocie), exclusions);
        const PositionAssocie position = CalculerPosition(associe, mouvements, mode, valeurUnitaire);
        if (const auto ligne = lignes.find(associe.ShIDAssocie); ligne != lignes.end()) {
            positions.GotoBookmark(ligne->second);
            positions.Edit();
            EcrirePosition(positions, position);
        } else {
            positions.Append();
            EcrireNouvellePosition(positions, position);
        }
        positions.Post();
    }
}

}  // namespace

void CalculerPositionsAssocies(store::TdmKvarn& module, bool avecMontant, double valeurUnitaire) {
    ChargerMouvements(module);
    db::CTable& positions = module.Donnees().Composant(kPositions);
    ComposantRetabli retabli(positions);
    db::KeepWhatWasPosted(module.Donnees().Session(), [&] {
        const auto lignes = GarderPositionsExistantes(module, IdentifiantsAssocies(module));
        // Key order: an appended row comes last and the order need not be read again; each
        // associate's row is found from the walk above, as a locate on IDXIDASSOCIE would.
        positions.SetIndexName("");
        EcrirePositions(module, positions, avecMontant ? std::optional(valeurUnitaire) : std::nullopt, lignes);
    });
    retabli.Retablir();
    ConfirmerPositionsAJour(module);
}

bool PositionsAJour(store::TdmKvarn& module) {
    const std::optional<std::uint64_t>& vu = module.EtatDe<EtatMouvements>().positionsCalculees;
    return vu && *vu == CompteurAssocies(module);
}

void ConfirmerPositionsAJour(store::TdmKvarn& module) {
    module.EtatDe<EtatMouvements>().positionsCalculees = CompteurAssocies(module);
}

double TotalPartsPPFin(store::TdmKvarn& module) {
    db::CTable& positions = module.Donnees().Composant(kPositionsTraitement);
    if (!positions.Exists()) return 0.0;
    ComposantRetabli retabli(positions);
    positions.SetIndexName("");
    double total = 0.0;
    for (positions.First(); !positions.Eof(); positions.Next()) total += LirePartsPPFin(positions);
    retabli.Retablir();
    return total;
}

// An associate who sold all his usufruct during the year is not in the usufruct view: his
// start-of-year usufruct in KOLMIKV1 stays as it was. The grid of the view is the only place
// where it could have been changed, and it does not show him, so nothing entered is lost.
void ReporterPartsDebutExercice(store::TdmKvarn& module) {
    AssociesNonFiltres associes(module);
    const auto reporter = [&](const char* composant, auto&& ecrire) {
        db::CTable& positions = module.Donnees().Composant(composant);
        ComposantRetabli retabli(positions);
        for (positions.First(); !positions.Eof(); positions.Next()) {
            if (!(*associes).Locate("SHIDASSOCIE", db::Value(LireIdAssociePosition(positions)))) continue;
            (*associes).Edit();
            ecrire(LirePartsDebut(positions));
            (*associes).Post();
        }
        retabli.Retablir();
    };
    db::KeepWhatWasPosted(module.Donnees().Session(), [&] {
        reporter(kPositionsTraitement, [&](const PartsPPUNP& debut) {
            associates::EcrirePartsDebut(*associes, debut.pp, debut.np);
        });
        reporter(kPositionsU, [&](const PartsPPUNP& debut) { associates::EcrirePartsUDebut(*associes, debut.u); });
    });
}

}  // namespace kvarn::movements
