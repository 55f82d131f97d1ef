#include "store/cloture.hpp"

#include "common/clock.hpp"
#include "common/nulls.hpp"
#include "db/pending_files.hpp"
#include "db/transaction.hpp"
#include "environment/gest_trp_ini.hpp"
#include "host/barre.hpp"
#include "host/boites.hpp"
#include "host/dossier.hpp"
#include "store/cloture_enregistree.hpp"
#include "store/empreinte_dossier.hpp"
#include "store/fichiers_differes.hpp"

#include <kvarn/kvarn.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace kvarn::store {
namespace {

namespace fs = std::filesystem;

// The closing's place in the data module's unit: one of its own, after those of the links.
constexpr std::uint32_t kPlaceCloture = 6000;

constexpr const char* kTableDeductions = "KOLMIKV2";
constexpr const char* kTableMouvements = "KOLMIKVM";
constexpr const char* kTableDetails = "KOLMIKVP";
constexpr const char* kTablePaires = "KOLMIKVA";
constexpr const char* kTableAssocies = "KOLMIKV1";

// The associates' entries of one year only, cleared at every closing.
constexpr const char* kColonnesDeLAnnee[] = {
    "DateCessionParts",        "IdentiteCessionParts",    "DateCessionParts2",       "IdentiteCessionParts2",
    "DateCessionParts3",       "IdentiteCessionParts3",   "DateCessionParts4",       "IdentiteCessionParts4",
    "TraitementsAnnee1",       "TraitementsAnnee2",       "IndemniteFraisMissionA1", "IndemniteFraisMissionA2",
    "RembourstFraisMissionA1", "RembourstFraisMissionA2", "IndemniteAutresAnnee1",   "IndemniteAutresAnnee2",
    "RembourstAutresAnnee1",   "RembourstAutresAnnee2",   "AnneeVersement1",         "AnneeVersement2",
    "NbPartsSocialesAnnee1",   "NbPartsSocialesAnnee2",
};

// The start-of-year shares and the end-of-year positions they are carried from.
constexpr std::pair<const char*, const char*> kPartsReportees[] = {
    {"NbParts", "NbPartsPPFinExo"}, {"NbPartsN", "NbPartsNPFinExo"}, {"NbPartsU", "NbPartsUFinExo"}};

ServicesCloture& Services() {
    static ServicesCloture services;
    return services;
}

std::function<void(int)>& Crochet() {
    static std::function<void(int)> crochet;
    return crochet;
}

void Point(int point) { PointDeCoupure(point); }

// The host's bar, stepped before each step; the associates' step shows its own progress.
class Deroulement {
public:
    Deroulement() : barre_(host::OuvrirBarre("Clôture de l'exercice")) { barre_->SetMax(kEtapes); }
    void Archive() { barre_->SetTexte("Archive du dossier avant la clôture"); }
    void Etape(int numero) {
        Point(numero);
        barre_->SetPosition(numero - 1);
    }
    void Associes(db::CTable& associes) {
        barre_->SetTexte("Report des parts des associés");
        barre_->SetMax(associes.RecordCount());
        barre_->SetPosition(0);
    }
    void AssocieSuivant() { barre_->Avancer(); }
    void FinAssocies() {
        barre_->SetTexte("Clôture de l'exercice");
        barre_->SetMax(kEtapes);
    }

private:
    static constexpr int kEtapes = 16;
    std::unique_ptr<host::CBarre> barre_;
};

void Executer(TdmDonnees& donnees, const std::string& instruction) {
    db::CQuery& requete = donnees.qTraitement();
    requete.Close();
    requete.SQL().Clear();
    requete.SQL().Add(instruction);
    requete.ExecSQL();
}

void Vider(TdmDonnees& donnees, const char* table) { Executer(donnees, std::string("DELETE FROM ") + table); }

// Step 7 on the associate under the cursor.
void RemettreAssocie(db::CTable& associes) {
    associes.Edit();
    associes.FieldByName("ResultatBICSaisi").SetAsInteger(NULL_ENTIER);
    associes.FieldByName("ResultatBASaisi").SetAsInteger(NULL_ENTIER);
    associes.FieldByName("RemDiverseProdFinancier").SetAsFloat(0);
    associes.FieldByName("PVRevenantAssocie").SetAsFloat(0);
    associes.FieldByName("PVDifferee").SetAsBoolean(false);
    for (const char* colonne : kColonnesDeLAnnee) associes.FieldByName(colonne).Clear();
    for (const auto& [debut, fin] : kPartsReportees) {
        const double parts = associes.FieldByName(fin).AsFloat();
        if (parts == 0) associes.FieldByName(debut).Clear();
        else associes.FieldByName(debut).SetAsFloat(parts);
    }
    associes.Post();
}

void RebatirPaires(TdmKvarn& module, const std::vector<PaireEnVigueur>& paires) {
    Vider(module.Donnees(), kTablePaires);
    db::CTable& table = module.Donnees().Composant("tblAssoNPU");
    if (!table.Active()) table.Open();
    try {
        for (const PaireEnVigueur& paire : paires) {
            table.Append();
            table.FieldByName("IdMouv").SetAsInteger(0);
            table.FieldByName("IdNP").SetAsInteger(paire.idNP);
            table.FieldByName("IdU").SetAsInteger(paire.idU);
            table.FieldByName("NbU").SetAsFloat(paire.nbU);
            table.Post();
        }
    } catch (...) {
        table.Close();
        throw;
    }
    table.Close();
}

bool AdresseRenseignee(const TAdresseFormatTDFC& a) {
    for (const std::string* texte : {&a.Complement1, &a.Complement2, &a.NoVoie, &a.IndiceRepetition, &a.NomVoie,
                                     &a.BP, &a.CP, &a.Ville})
        if (!texte->empty()) return true;
    return false;
}

void ReporterSiege(environment::cEnvironKV& environnement) {
    TAdresseFormatTDFC precedent;
    environnement.GetAdresseSiegeSocial(&precedent, nullptr);
    if (!AdresseRenseignee(precedent)) return;
    const TAdresseFormatTDFC vide;
    environnement.SetAdresseSiegeSocial(&vide, &precedent);
}

environment::CGestTRPIni& Parametres(TdmKvarn& module) {
    environment::CGestTRPIni* parametres = module.Environnement().GestIni();
    if (!parametres) throw std::runtime_error("Clôture impossible : les paramètres du dossier ne sont pas ouverts");
    return *parametres;
}

// The dossier directory's files as they are before the closing, archived for its undo; the
// record that is to name them.
ClotureEnregistree Archiver(TdmKvarn& module, Deroulement& etape) {
    const fs::path repertoire = Parametres(module).Repertoire();
    NettoyerArchivesCloture(repertoire);
    const std::time_t moment = Now();
    ClotureEnregistree cloture{module.Environnement().GetDateDebEx(), module.Environnement().GetDateFinEx(), moment,
                               NomArchiveLibre(repertoire, moment), 0};
    etape.Archive();
    fs::create_directories(repertoire / kRepertoireCloture);
    Archivage().sauvegarder(repertoire, repertoire / kRepertoireCloture, cloture.archive);
    return cloture;
}

// Steps 2 to 15 and the year of the host's record, then COMMIT and the files. `valide` turns true
// at COMMIT.
void Etapes(TdmKvarn& module, const std::function<void()>& nouvelExercice, Deroulement& etape,
            const ClotureEnregistree& cloture, bool& valide) {
    TdmDonnees& donnees = module.Donnees();
    environment::CGestTRPIni& parametres = Parametres(module);
    const FichiersDifferes differes(parametres);
    db::Connection& connexion = donnees.Session().connection();
    db::Transaction transaction(donnees.Session());

    etape.Etape(2);
    Vider(donnees, kTableDeductions);
    etape.Etape(3);
    parametres.SetInteger("NbVirementsCRL", NULL_ENTIER);
    etape.Etape(4);
    parametres.SetAssDate(environment::kSectionKV, "SignDate", 0);
    etape.Etape(5);
    module.Environnement().SetAdrDeclarDiffDeAdrDest(true);
    etape.Etape(6);
    module.SetModeChargement(kModeCloture);
    std::optional<AssociesOuverts> associes(std::in_place, module, 2, "", "");
    etape.Etape(7);
    db::CTable& table = donnees.Composant("tblAssociesKV");
    etape.Associes(table);
    for (table.First(); !table.Eof(); table.Next()) {
        RemettreAssocie(table);
        etape.AssocieSuivant();
    }
    etape.FinAssocies();
    etape.Etape(8);
    associes.reset();
    Services().recalculerPositions(module);
    const std::vector<PaireEnVigueur> paires = Services().pairesEnVigueur(module);
    etape.Etape(9);
    RebatirPaires(module, paires);
    etape.Etape(10);
    Vider(donnees, kTableMouvements);
    Vider(donnees, kTableDetails);
    etape.Etape(11);
    Executer(donnees, std::string("UPDATE ") + kTableAssocies + " SET BENEFICESAISI=NULL,PVLTSAISI=NULL");
    etape.Etape(12);
    Executer(donnees, std::string("UPDATE ") + kTableAssocies +
                          " SET ADR1JANCOMPLEMENT1=NULL,ADR1JANCOMPLEMENT2=NULL,ADR1JANNOVOIE=NULL,"
                          "ADR1JANCMPLNOVOIE=NULL,ADR1JANNOMVOIE=NULL,ADR1JANBP=NULL,ADR1JANCP=NULL,"
                          "ADR1JANVILLE=NULL,ADR1JANTEL=NULL,ADR1JANFAX=NULL,ADR1JANBUREAUDISTRIB=NULL,"
                          "ADR1JANCODEINSEE=NULL,ADR1JANIDPAYS=NULL");
    etape.Etape(13);
    parametres.SetReal("MontantCapitalDebEx", parametres.GetReal("MontantCapital", 0));
    etape.Etape(14);
    parametres.SetInteger("NbPartsDebEx", parametres.GetInteger("NbParts", 0));
    etape.Etape(15);
    ReporterSiege(module.Environnement());
    if (nouvelExercice) nouvelExercice();
    etape.Etape(16);

    // The closing's record goes with the files, with the digest of the dossier as closed.
    differes.Valider(transaction, connexion, [&connexion, &cloture](const ImagesDifferees& images) {
        ClotureEnregistree enregistree = cloture;
        enregistree.empreinte = EmpreinteDossier(connexion, {images.parametres, images.dossier});
        db::RecordPendingFile(connexion, kFichierCloture, ImageCloture(enregistree));
    });
    valide = true;
    int point = kPointApresCommit;
    Point(point);
    db::FinishPendingFiles(connexion, parametres.Repertoire(), [&point] { Point(++point); });
}

}  // namespace

void InscrireServicesCloture(ServicesCloture services) { Services() = std::move(services); }

const ServicesCloture& ServicesInscrits() { return Services(); }

void SetClosingFaultHookForTests(std::function<void(int)> hook) { Crochet() = std::move(hook); }

void PointDeCoupure(int point) {
    if (Crochet()) Crochet()(point);
}

bool Cloturer(const std::function<void()>& nouvelExercice) {
    TdmKvarn* module = Services().dataModule ? Services().dataModule() : nullptr;
    const int modeAvant = module ? module->ModeChargementForce() : -1;
    bool demarre = false;
    bool valide = false;
    try {
        if (!module) throw std::logic_error("Clôture impossible : le module de données n'est pas créé");
        Deroulement etape;
        etape.Etape(1);
        InitKV();
        demarre = true;
        // The end positions are computed from the movements as stored, never from a list a
        // caller loaded before changing them.
        Services().oublierListes(*module);
        const ClotureEnregistree cloture = Archiver(*module, etape);
        Point(kPointArchive);
        Etapes(*module, nouvelExercice, etape, cloture, valide);
    } catch (const std::exception& erreur) {
        if (module && !valide) module->SetModeChargement(modeAvant);
        if (demarre) DesinitKV();
        if (module) Services().oublierListes(*module);
        if (valide) {
            // The database holds the closed year; the files follow at the next opening.
            const std::runtime_error suite(std::string("La clôture est enregistrée, mais ses fichiers seront écrits "
                                                       "à la prochaine ouverture du dossier : ") + erreur.what());
            host::ZORDisplayException(host::CodeLocalisation(kUniteDataModule, kPlaceCloture), suite);
        } else {
            host::ZORDisplayException(host::CodeLocalisation(kUniteDataModule, kPlaceCloture), erreur);
        }
        return false;
    }
    DesinitKV();
    Services().oublierListes(*module);
    return true;
}

}  // namespace kvarn::store

extern "C" bool _Cloturer(void) { return kvarn::store::Cloturer({}); }
