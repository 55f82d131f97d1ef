#include "reports/fournisseur_divers.hpp"

#include "environment/tables_dossier.hpp"

namespace kvarn::reports {
namespace {

// The part of KV.eta this provider fills, and its table's columns.
constexpr int kPartie = 0;
enum Colonne : int { kColonneBNC = 1, kColonneBIC = 2, kColonneBA = 3 };

const PARAMETRES_ETAT_DIVERS* Parametres(const TEtatUser* etat) {
    return etat ? static_cast<const PARAMETRES_ETAT_DIVERS*>(etat->GetTag()) : nullptr;
}

}  // namespace

std::string RequeteDetailDivers(store::TdmDonnees& donnees, const PARAMETRES_ETAT_DIVERS& parametres) {
    const std::pair<bool, const char*> colonnes[] = {{parametres.AvecBIC != 0, "MontantBIC IS NOT NULL"},
                                                     {parametres.AvecBA != 0, "MontantBA IS NOT NULL"},
                                                     {parametres.AvecBNC != 0, "MontantBNC IS NOT NULL"}};
    std::string condition;
    for (const auto& [demandee, texte] : colonnes)
        if (demandee) condition += (condition.empty() ? "" : " OR ") + std::string(texte);
    return std::string("SELECT * FROM ") + environment::kTableDiversFisc.nom + " WHERE (IsDeduction=" +
           (parametres.Reintegrations ? donnees.LitteralFaux : donnees.LitteralVrai) + ") AND (" + condition + ")";
}

std::string TitreDetailDivers(const PARAMETRES_ETAT_DIVERS& parametres) {
    return parametres.Reintegrations ? "Détail des divers à réintégrer" : "Détail des divers à déduire";
}

bool DemarrerDetailDivers(store::TdmKvarn& module, TEtatUser& etat) {
    const PARAMETRES_ETAT_DIVERS* parametres = Parametres(&etat);
    if (!parametres) return true;
    etat.SetBD_Type(BD_SQL);
    etat.SetDatabaseName(module.Environnement().GetAliasDossier());
    etat.SetSQL(RequeteDetailDivers(module.Donnees(), *parametres));
    etat.SetTitre(TitreDetailDivers(*parametres));
    etat.SetNbCopies(static_cast<int>(parametres->NbCopies & 0xFFFF));
    etat.SetNomDocGED(parametres->NomDocGED ? parametres->NomDocGED : "");
    etat.SetGED_Criteres(parametres->CriteresGED ? parametres->CriteresGED : "");
    return true;
}

bool RemplirChamp(environment::cEnvironBaseKV& environnement, TBandeUser& bande, TCpChampUser& champ) {
    if (bande.GetNumero() != kPartie) return false;
    const std::string& nom = champ.GetNom();
    if (nom == "Titre") {
        if (const PARAMETRES_ETAT_DIVERS* parametres = Parametres(champ.GetEtatProprietaire()))
            champ.SetValeurChaine2(TitreDetailDivers(*parametres));
    } else if (nom == "RaisonSociale") {
        champ.SetValeurChaine2(environnement.GetRaisonSociale());
    } else if (nom == "NomDossier") {
        champ.SetValeurChaine2(environnement.GetLibelleDossier());
    } else if (nom == "Exercice") {
        champ.SetValeurChaine2(environnement.GetExerciceDossier());
    } else if (nom == "DeviseTenue") {
        champ.SetValeurChaine2(environnement.GetTenuEn());
    }
    return true;
}

bool MontrerColonnes(TBandeUser& bande, TCpTableauUser& tableau) {
    if (bande.GetNumero() != kPartie) return false;
    const PARAMETRES_ETAT_DIVERS* parametres = Parametres(tableau.GetEtatProprietaire());
    if (!parametres) return true;
    tableau.SetVisible(kColonneBIC, parametres->AvecBIC != 0);
    tableau.SetVisible(kColonneBA, parametres->AvecBA != 0);
    tableau.SetVisible(kColonneBNC, parametres->AvecBNC != 0);
    return true;
}

bool DonneesPretes(TEtatUser&, TDonneesEtat& donnees) { return !donnees.IsEmpty(); }

}  // namespace kvarn::reports
