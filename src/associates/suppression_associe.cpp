#include "associates/suppression_associe.hpp"

#include "associates/creation_associe.hpp"
#include "associates/etat_associes.hpp"
#include "associates/liste_associes.hpp"
#include "associates/table_associes.hpp"
#include "common/nulls.hpp"
#include "db/query.hpp"
#include "db/transaction.hpp"
#include "environment/tables_dossier.hpp"
#include "host/boites.hpp"

#include <optional>
#include <string>

namespace kvarn::associates {
namespace {

constexpr const char* kQuantiteSaisie =
    "(P.NbPartsPPAug IS NOT NULL OR P.NbPartsPPDim IS NOT NULL OR P.NbPartsNPDim IS NOT NULL OR "
    "P.NbPartsNPAug IS NOT NULL OR P.NbPartsUAug IS NOT NULL OR P.NbPartsUDim IS NOT NULL)";

std::optional<Associe> LireStocke(store::TdmKvarn& module, int idAssocie) {
    db::CTable associes(module.Donnees().Session());
    if (!OuvrirSurAssocie(module, associes, idAssocie)) return std::nullopt;
    return LireAssocieStocke(associes);
}

bool TrouveDesLignes(store::TdmKvarn& module, const std::string& requete) {
    db::CQuery q(module.Donnees().Session());
    q.SetDatabaseName(module.Environnement().GetAliasDossier());
    q.SQL().Add(requete);
    q.Open();
    return !q.IsEmpty();
}

void Executer(store::TdmKvarn& module, const std::string& instruction) {
    db::CQuery q(module.Donnees().Session());
    q.SetDatabaseName(module.Environnement().GetAliasDossier());
    q.SQL().Add(instruction);
    q.ExecSQL();
}

// An empty share column is no share.
double Parts(double colonne) { return colonne == NULL_REEL ? 0.0 : colonne; }

bool PartsNulles(const EtatAssocies& etat, Associe a) {
    a.NbParts = Parts(a.NbParts), a.NbPartsU = Parts(a.NbPartsU), a.NbPartsN = Parts(a.NbPartsN);
    const PartsFinExercice fin =
        etat.etapeFinExercice ? etat.etapeFinExercice(a) : PartsFinExercice{a.NbParts, a.NbPartsU, a.NbPartsN};
    return a.NbParts == 0 && a.NbPartsU == 0 && a.NbPartsN == 0 && fin.pp == 0 && fin.u == 0 && fin.np == 0;
}

bool DansUnMouvementAvecCedant(store::TdmKvarn& module, int id) {
    const std::string cle = std::to_string(id);
    return TrouveDesLignes(module, "SELECT AUTOID FROM KOLMIKVM WHERE IDCEDANT=" + cle +
                                       " UNION SELECT P.IDMOUV FROM KOLMIKVP P INNER JOIN KOLMIKVM M ON "
                                       "(P.IDMOUV=M.AUTOID) WHERE P.IDASSO=" + cle + " AND " + kQuantiteSaisie +
                                       " AND M.IDCEDANT IS NOT NULL");
}

bool Usufruitier(store::TdmKvarn& module, int id) {
    return TrouveDesLignes(module, "SELECT AUTOID FROM KOLMIKVA WHERE IDU=" + std::to_string(id) +
                                       " AND NBU IS NOT NULL AND NBU > 0");
}

}  // namespace

bool AssocieDetientDesParts(store::TdmKvarn& module, int idAssocie) {
    const std::optional<Associe> associe = LireStocke(module, idAssocie);
    if (!associe) return false;
    if (!PartsNulles(module.EtatDe<EtatAssocies>(), *associe) || DansUnMouvementAvecCedant(module, idAssocie))
        return true;
    return Usufruitier(module, idAssocie);
}

Suppression SupprimerAssocie(store::TdmKvarn& module, int idAssocie) {
    if (!LireStocke(module, idAssocie)) return Suppression::Inconnu;
    if (AssocieDetientDesParts(module, idAssocie)) {
        host::ZORErreur("Impossible de supprimer un associé détenant des parts.");
        return Suppression::DetientDesParts;
    }
    if (!host::ZORQuestion("Etes-vous sûr de supprimer cet associé ?", "Suppression")) return Suppression::Abandonnee;
    const std::string cle = std::to_string(idAssocie);
    db::AllOrNothing(module.Donnees().Session(), [&] {
        Executer(module, std::string("DELETE FROM ") + environment::kTableAssoNPU.nom + " WHERE IDU=" + cle);
        Executer(module, std::string("DELETE FROM ") + environment::kTableAssocies.nom + " WHERE SHIDASSOCIE=" + cle);
    });
    DesinitListe(module);
    return Suppression::Supprime;
}

}  // namespace kvarn::associates
