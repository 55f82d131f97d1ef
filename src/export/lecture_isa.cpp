#include "export/lecture_isa.hpp"

#include "associates/table_associes.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "environment/tables_dossier.hpp"
#include "host/dossier.hpp"

namespace kvarn::exportisa {

std::vector<Associe> LireAssociesISA(store::TdmDonnees& donnees) {
    db::CTable table(donnees.Session());
    table.SetDatabaseName(db::ALIAS_DOSSIER);
    table.SetTableName(environment::kTableAssocies.nom);
    table.SetIndexName("idxAssocies");
    std::vector<Associe> associes;
    if (!table.Exists()) return associes;
    table.Open();
    associes.reserve(static_cast<std::size_t>(table.RecordCount()));  // a record is a few kilobytes: no regrowth
    const associates::LecteurAssocie lecteur(table, associates::LecteurAssocie::Membres::Stockes);
    for (table.First(); !table.Eof(); table.Next()) associes.push_back(lecteur.Lire());
    table.Close();
    return associes;
}

DonneesISA RecueillirDonneesISA(store::TdmDonnees& donnees, bool drapeau, const std::vector<ResultatExportISA>& resultats) {
    host::CDossier& dossier = *host::pCurDossier;
    DonneesISA d;
    d.drapeau = drapeau;
    d.identifiantISA = dossier.GetIdentifiantISA();
    d.finExercice = dossier.GetDateFinExercice();
    host::tagDONNEES_DOSSIER info;
    dossier.ReadExtendedInfo(info);
    d.dateEngagementDOS = info.DateEngagementDOS;
    d.activite = dossier.GetActivitePrincipale();
    d.titre = dossier.FichierINI().GetString("ECF-COURRIERCab", "Titre", "");
    d.prenom = dossier.GetPrenom();
    d.nom = dossier.GetNom();
    d.libelle = dossier.GetLibelle();
    d.adresse = dossier.GetAdresse();
    d.correspondance = dossier.GetAdresseCorrespondance();
    d.siege = dossier.GetAdresseSiegeSocial();
    d.formeJuridique = dossier.GetFormeJuridique();
    d.codeAPE = dossier.GetCodeAPE();
    d.codeAPE2008 = dossier.GetCodeAPE_2008();
    d.siret = dossier.GetSIRET();
    dossier.GetNoIntraComm(d.noIntraComm);
    d.regimeFiscal = dossier.GetRegimeFiscal();
    d.categorie = dossier.GetCategorie();
    d.regimeImposition = dossier.GetRegimeImposition();
    d.debutActivite = dossier.GetDateDebutActivite();
    d.associes = LireAssociesISA(donnees);
    dossier.GetDonneesAdministratives(d.administratif);
    d.participations = LireParticipations(CheminParticipationsDossier());
    d.resultats = resultats;
    return d;
}

}  // namespace kvarn::exportisa
