#include "store/migrations.hpp"

#include "common/ini_values.hpp"
#include "db/pending_files.hpp"
#include "db/session.hpp"
#include "db/transaction.hpp"
#include "host/barre.hpp"
#include "host/boites.hpp"
#include "store/data_module.hpp"
#include "store/fichiers_differes.hpp"

#include <algorithm>
#include <utility>

namespace kvarn::store {
namespace {

// The data module's place of a failing migration step.
constexpr std::uint32_t kPlaceEtape = 40;

// The last structure version of the dossiers that predate the data chain.
constexpr std::uint32_t kDerniereStructureSansDonnees = 0x10407;

TdmKvarn* g_moduleMigre = nullptr;
std::vector<std::string>* g_changements = nullptr;

std::function<void(int)>& Crochet() {
    static std::function<void(int)> crochet;
    return crochet;
}

void Point(int point) {
    if (Crochet()) Crochet()(point);
}

// The running step's list of changes, for the guard's life.
class EtapeEnCours {
public:
    explicit EtapeEnCours(std::vector<std::string>& changements) : precedent_(std::exchange(g_changements, &changements)) {}
    ~EtapeEnCours() { g_changements = precedent_; }
    EtapeEnCours(const EtapeEnCours&) = delete;
    EtapeEnCours& operator=(const EtapeEnCours&) = delete;

private:
    std::vector<std::string>* precedent_;
};

}  // namespace

std::string EchecMigration::Texte() const {
    return "La mise à jour du dossier a échoué à l'étape « " + libelle + " » : " + raison;
}

void NoterChangement(std::string changement) {
    if (g_changements) g_changements->push_back(std::move(changement));
}

TdmKvarn& ModuleMigre() {
    if (!g_moduleMigre) throw std::logic_error("aucun démarrage de dossier ne met à jour ses tables");
    return *g_moduleMigre;
}

ModuleEnMigration::ModuleEnMigration(TdmKvarn& module) : precedent_(std::exchange(g_moduleMigre, &module)) {}
ModuleEnMigration::~ModuleEnMigration() { g_moduleMigre = precedent_; }

void SetMigrationFaultHookForTests(std::function<void(int)> hook) { Crochet() = std::move(hook); }

CMigrations::CMigrations(std::string nomService, environment::CGestTRPIni& parametres, std::uint32_t versionCourante)
    : nomService_(std::move(nomService)), parametres_(parametres), versionCourante_(versionCourante) {}

void CMigrations::Ajouter(EtapeMigration etape) { etapes_.push_back(std::move(etape)); }

std::string CMigrations::Cle() const {
    return "la clé « " + std::string(kCleMigrations) + " » de la section « " + nomService_ + " » du fichier « " +
           parametres_.Chemin().string() + " »";
}

std::optional<std::uint32_t> CMigrations::VersionEnregistree() const {
    const std::string texte = parametres_.GetAssString(nomService_, kCleMigrations);
    if (texte.empty()) return std::nullopt;
    const std::optional<int> version = ParseIniInteger(texte);
    if (!version || *version < 0)
        throw AgeDuDossierInconnu("La version du dossier, " + Cle() + ", n'est pas un numéro (« " + texte +
                                  " ») : le dossier ne peut pas être mis à jour tant qu'elle n'est pas corrigée.");
    return static_cast<std::uint32_t>(*version);
}

void CMigrations::RefuserSansVersion(const std::string& ecart) const {
    throw AgeDuDossierInconnu("La version du dossier est absente (" + Cle() +
                              ") alors que ses tables sont d'une version antérieure (" + ecart +
                              ") : le dossier ne peut pas être mis à jour sans elle.");
}

void CMigrations::Enregistrer(std::uint32_t version) {
    parametres_.SetAssInteger(nomService_, kCleMigrations, static_cast<int>(version));
}

void CMigrations::EnregistrerCourante() {
    std::uint32_t version = versionCourante_;
    for (const EtapeMigration& etape : etapes_) version = std::max(version, etape.numero);
    Enregistrer(version);
}

void CMigrations::ExecuterEtape(const EtapeMigration& etape, db::Session& session,
                                std::vector<std::string>& changements) {
    db::Connection& connexion = session.connection();
    {
        const FichiersDifferes differes(parametres_);
        db::Transaction transaction(session);
        const EtapeEnCours enCours(changements);
        etape.methode();
        Point(kPointEtapeFaite);
        Enregistrer(etape.numero);
        Point(kPointAvantCommit);
        differes.Valider(transaction, connexion);
    }
    int point = kPointApresCommitEtape;
    Point(point);
    db::FinishPendingFiles(connexion, parametres_.Repertoire(), [&point] { Point(++point); });
}

bool CMigrations::Executer(const std::string& titre, db::Session& session, RapportMigration& rapport) {
    const std::uint32_t depuis = VersionEnregistree().value_or(0);
    std::vector<const EtapeMigration*> aFaire;
    for (const EtapeMigration& etape : etapes_)
        if (etape.numero > depuis) aFaire.push_back(&etape);
    if (aFaire.empty()) return true;
    const auto barre = host::OuvrirBarre(titre);
    barre->SetMax(static_cast<long>(aFaire.size()));
    for (const EtapeMigration* etape : aFaire) {
        barre->SetTexte(titre + " : " + etape->libelle);
        EtapeExecutee faite{nomService_, etape->numero, etape->libelle, {}};
        try {
            ExecuterEtape(*etape, session, faite.changements);
        } catch (const std::exception& erreur) {
            rapport.echec = EchecMigration{nomService_, etape->numero, etape->libelle, erreur.what()};
            host::ZORDisplayException(host::CodeLocalisation(kUniteDataModule, kPlaceEtape),
                                      std::runtime_error(rapport.echec->Texte()));
            return false;
        }
        rapport.etapes.push_back(std::move(faite));
        barre->Avancer();
    }
    return true;
}

VersionsDossier LireVersions(environment::CGestTRPIni& parametres) {
    return {CMigrations(kServiceStructure, parametres, kVersionStructureCourante).VersionEnregistree(),
            CMigrations(kServiceDonnees, parametres, kVersionDonneesCourante).VersionEnregistree()};
}

RapportMigration ExecuterMigrations(db::Session& session, environment::CGestTRPIni& parametres,
                                    const ChainesMigration& chaines, const EcartDisposition& ecart,
                                    const std::function<void()>& copierTables) {
    CMigrations structure(kServiceStructure, parametres, kVersionStructureCourante);
    CMigrations donnees(kServiceDonnees, parametres, kVersionDonneesCourante);
    for (const EtapeMigration& etape : chaines.structure) structure.Ajouter(etape);
    for (const EtapeMigration& etape : chaines.donnees) donnees.Ajouter(etape);

    // Everything that could refuse the start-up is decided before the first step runs.
    RapportMigration rapport;
    rapport.avant = LireVersions(parametres);
    const std::optional<std::uint32_t> versionAvant = rapport.avant.structure;
    const bool donneesAbsentes = !rapport.avant.donnees;
    const bool anterieureAuxDonnees = versionAvant && *versionAvant <= kDerniereStructureSansDonnees;
    const bool donneesSansVersion = donneesAbsentes && !anterieureAuxDonnees;
    if (!versionAvant || donneesSansVersion)
        if (const std::optional<std::string> difference = ecart())
            (versionAvant ? donnees : structure).RefuserSansVersion(*difference);

    if (donneesAbsentes && anterieureAuxDonnees) {
        parametres.SetAssInteger(kServiceDonnees, kCleStructureInitiale, static_cast<int>(*versionAvant));
        donnees.Enregistrer(0);
    }
    const auto executer = [&] {
        if (!versionAvant) structure.EnregistrerCourante();
        else if (!structure.Executer("Mise à jour du kvarn", session, rapport)) return;
        copierTables();
        if (donneesSansVersion) donnees.EnregistrerCourante();
        else donnees.Executer("Mise à jour des données du kvarn", session, rapport);
    };
    executer();
    rapport.apres = LireVersions(parametres);
    return rapport;
}

}  // namespace kvarn::store
