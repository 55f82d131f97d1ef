#include "movements/saisie_mouvement.hpp"

#include "common/rounding.hpp"
#include "db/query.hpp"
#include "db/transaction.hpp"
#include "environment/tables_dossier.hpp"
#include "host/boites.hpp"
#include "movements/ajout_ligne.hpp"
#include "movements/liste_en_cache.hpp"
#include "movements/synthese_mouvements.hpp"
#include "movements/table_asso_npu.hpp"
#include "movements/table_details.hpp"

#include <kvarn/liste_associes.hpp>
#include <kvarn/mouvements.hpp>

#include <algorithm>
#include <cmath>
#include <string>

namespace kvarn::movements {
namespace {

// A component of its own over a dossier table, so that the data module's stay where they are.
class TableDossier {
public:
    TableDossier(store::TdmKvarn& module, const char* nom) : table_(module.Donnees().Session()) {
        table_.SetDatabaseName(module.Environnement().GetAliasDossier());
        table_.SetSessionName(module.Environnement().GetNomSession());
        table_.SetTableName(nom);
        table_.Open();
    }
    db::CTable& operator*() { return table_; }
    db::CTable* operator->() { return &table_; }

private:
    db::CTable table_;
};

void Executer(store::TdmKvarn& module, const std::string& instruction) {
    db::CQuery requete(module.Donnees().Session());
    requete.SetDatabaseName(module.Environnement().GetAliasDossier());
    requete.SQL().Add(instruction);
    requete.ExecSQL();
}

double Arrondi5(double parts) { return Round(parts, 5); }

}  // namespace

bool EstNul(double parts) { return Arrondi5(parts) == 0; }

ContexteControle ContexteDuDossier(store::TdmKvarn& module, int idMouvementExclu, double date) {
    ContexteControle contexte;
    contexte.debutExercice = module.Environnement().GetDateDebEx();
    contexte.dateSituation = module.Environnement().GetDateSituation();
    CarteAssocies grille;
    DonnerListeAssociesPasAssoGerantNbParts(grille);
    for (const auto& [id, associe] : grille) contexte.associesGrille.insert(id);
    for (const auto& [id, associe] : *DonnerListeAssocies(false)) contexte.associesListe.insert(id);
    contexte.avant = [&module, idMouvementExclu, date](int idAsso) {
        PartsPPUNP avant = CumulerMouvementsAssocie(module, idAsso, idMouvementExclu, date);
        if (const Associe* associe = DonnerAssocie(idAsso)) {
            avant.pp = Arrondi5(associe->NbParts) + Arrondi5(avant.pp);
            avant.u = Arrondi5(associe->NbPartsU) + Arrondi5(avant.u);
            avant.np = Arrondi5(associe->NbPartsN) + Arrondi5(avant.np);
        }
        return avant;
    };
    return contexte;
}

std::vector<LigneDetail> LignesDeLaGrille(store::TdmKvarn&, const std::vector<LigneDetail>& saisies) {
    OrdreAssocies grille;
    DonnerOrdreAssociesPasAssoGerantNbParts(grille);
    std::vector<LigneDetail> lignes;
    for (const int id : grille) {
        LigneDetail ligne{id, {}, {}, {}, {}, {}, {}};
        for (const LigneDetail& saisie : saisies)
            if (saisie.idAsso == id) ligne = saisie;
        lignes.push_back(ligne);
    }
    for (const LigneDetail& saisie : saisies)
        if (std::find(grille.begin(), grille.end(), saisie.idAsso) == grille.end()) lignes.push_back(saisie);
    return lignes;
}

std::optional<TypeEtCedant> LireEnteteMouvement(store::TdmKvarn& module, int idMouvement) {
    TableDossier mouvements(module, environment::kTableMouvementParts.nom);
    if (!mouvements->Locate("AutoID", db::Value(idMouvement))) return std::nullopt;
    return LireTypeEtCedant(*mouvements);
}

std::vector<LigneDetail> LireLignesMouvement(store::TdmKvarn& module, int idMouvement) {
    std::vector<LigneDetail> lignes;
    ParcourirLignesDetail(module.Donnees().Session(), [&](int id, const LigneDetail& ligne) {
        if (id == idMouvement) lignes.push_back(ligne);
    });
    return lignes;
}

std::vector<LienNPU> LireLiensMouvement(store::TdmKvarn& module, int idMouvement) {
    TableDossier liens(module, environment::kTableAssoNPU.nom);
    std::vector<LienNPU> lus;
    for (liens->First(); !liens->Eof(); liens->Next())
        if (liens->FieldByName("IdMouv").AsInteger() == idMouvement) lus.push_back(LireLienNPU(*liens));
    return lus;
}

Affectation OuvrirAffectationStockee(store::TdmKvarn& module, int idMouvement, const CarteParts* carte) {
    const std::optional<TypeEtCedant> entete = LireEnteteMouvement(module, idMouvement);
    if (!entete) return {};
    const std::vector<LigneDetail> lignes = LireLignesMouvement(module, idMouvement);
    return OuvrirAffectationMouvement(idMouvement, entete->type, lignes,
                                      carte ? *carte : CartePartsUsufruit(entete->type, lignes),
                                      LireLiensMouvement(module, idMouvement));
}

void EcrireLien(store::TdmKvarn& module, LienNPU& lien) {
    TableDossier liens(module, environment::kTableAssoNPU.nom);
    if (lien.autoID == 0) {
        lien.autoID = AjouterLigne(*liens, [&](db::CTable& table) { EcrireLienNPU(table, lien); });
        return;
    }
    if (!liens->Locate("AutoID", db::Value(lien.autoID))) return;
    liens->Edit();
    EcrireLienNPU(*liens, lien);
    liens->Post();
}

void AppliquerAffectation(store::TdmKvarn& module, Affectation& affectation) {
    db::AllOrNothing(module.Donnees().Session(), [&] {
        for (const int cle : affectation.supprimes)
            Executer(module, std::string("DELETE FROM ") + environment::kTableAssoNPU.nom + " WHERE AUTOID=" +
                                 std::to_string(cle));
        for (LienNPU& lien : affectation.liens)
            if (lien.autoID == 0) EcrireLien(module, lien);
    });
    affectation.supprimes.clear();
}

int EnregistrerMouvement(store::TdmKvarn& module, const MouvementSaisi& saisie, std::vector<LienNPU> liens) {
    int id = 0;
    db::AllOrNothing(module.Donnees().Session(), [&] {
        cMouvParts mouvement;
        mouvement.DateMouvement = saisie.date;
        mouvement.TypeMouvement = saisie.type;
        mouvement.IDCedant = saisie.idCedant;
        TableDossier mouvements(module, environment::kTableMouvementParts.nom);
        id = AjouterLigne(*mouvements, [&](db::CTable& table) { EcrireMouvement(table, mouvement); });
        TableDossier details(module, environment::kTableDetMouvParts.nom);
        for (const LigneDetail& ligne : saisie.lignes)
            AjouterLigne(*details, [&](db::CTable& table) { EcrireLigneDetail(table, ligne, id); });
        for (LienNPU& lien : liens) {
            lien.autoID = 0;
            lien.idMouv = id;
            EcrireLien(module, lien);
        }
    });
    return id;
}

void SupprimerMouvement(store::TdmKvarn& module, int idMouvement) {
    const std::string ou = " WHERE IDMOUV=" + std::to_string(idMouvement);
    db::AllOrNothing(module.Donnees().Session(), [&] {
        Executer(module, std::string("DELETE FROM ") + environment::kTableDetMouvParts.nom + ou);
        Executer(module, std::string("DELETE FROM ") + environment::kTableAssoNPU.nom + ou);
        SupprimerSyntheseMouvement(module, idMouvement);
        Executer(module, std::string("DELETE FROM ") + environment::kTableMouvementParts.nom +
                             " WHERE AUTOID=" + std::to_string(idMouvement));
    });
}

void OublierMouvements(store::TdmKvarn& module) {
    module.EtatDe<EtatMouvements>().listeChargee = false;
    DesinitListeAssocies();
}

ResultatAjout AjouterMouvement(store::TdmKvarn& module, MouvementSaisi saisie, const std::vector<LienNPU>& liens) {
    saisie.lignes = LignesDeLaGrille(module, saisie.lignes);
    if (std::optional<RefusMouvement> refus = ControlerMouvement(saisie, ContexteDuDossier(module, 0, saisie.date)))
        return {0, refus};
    const Affectation affectation = AffecterNouveauMouvement(saisie.type, saisie.lignes, liens);
    if (module.ModeChargement() == store::kModeSocieteImmobiliere && !EstNul(affectation.ResteAAffecter()))
        return {0, RefusMouvement{"Le nombre de nues-propriétés de votre mouvement n’est pas égal à votre nombre "
                                  "d’usufruits.\nVotre déclaration 2072 ne sera pas correctement renseignée.",
                                  false, true}};
    const int id = EnregistrerMouvement(module, saisie, affectation.liens);
    OublierMouvements(module);
    VerifierValiditerPartAssocie();
    return {id, std::nullopt};
}

bool SupprimerMouvementConfirme(store::TdmKvarn& module, int idMouvement) {
    if (!LireEnteteMouvement(module, idMouvement)) return false;
    if (!host::ZORQuestion("Confirmez-vous la suppression de ce mouvement ?", "Suppression")) return false;
    SupprimerMouvement(module, idMouvement);
    OublierMouvements(module);
    VerifierValiditerPartAssocie();
    return true;
}

}  // namespace kvarn::movements
