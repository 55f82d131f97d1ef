#include "store/data_module.hpp"

#include "host/dossier.hpp"
#include "host/environnement.hpp"
#include "host/regimes.hpp"
#include "store/composants.hpp"
#include "store/filtre_associes.hpp"
#include "store/installateurs.hpp"
#include "store/schema.hpp"
#include "store/tables.hpp"

#include <filesystem>
#include <stdexcept>
#include <utility>

namespace kvarn::store {
namespace {

// The working database in the process's private temporary directory; the directory is new for
// every process, so the name need not be unique.
constexpr const char* kFichierTemporaire = "kvarn-travail.sqlite";

struct Liaison {
    const char* source;
    const char* composant;
};

constexpr Liaison kSources[] = {
    {"dsMouvementParts", "tblMouvementParts"},
    {"dsMouvementPartsTraitement", "tblMouvementPartsTraitement"},
    {"dsDetMouvParts", "tblDetMouvParts"},
    {"dsDetMouvPartsAssoNPU", "tblDetMouvPartsAssoNPU"},
    {"dsAssociesKV", "tblAssociesKV"},
    {"dsFonctionsEtCapital", "tblFonctionsEtCapital"},
    {"dsMouvementsAssocies", "tblMouvementTmp"},
    {"dsMouvementsAssociesU", "tblMouvementTmpU"},
    {"dsMouvementsAssociesNPU", "tblMouvementTmpAssoNPU"},
    {"dsResultatsAssocies", "tblResultatsAssocies"},
    {"dsSyntheseMouvement", "tblSyntheseMouvement"},
    {"dsAssoNPU", "tblAssoNPU"},
    {"dsDiversFisc", "tblDiversFisc"},
    {"dsDiversFiscPartAssocie", "tblDiversFiscPartAssocie"},
};

struct Lien {
    const char* detail;
    const char* source;
};

constexpr Lien kLiens[] = {
    {"tblDetMouvParts", "dsMouvementParts"},
    {"tblDetMouvPartsAssoNPU", "dsMouvementParts"},
    {"tblDetMouvPartsTraitement", "dsMouvementPartsTraitement"},
};

// The component's fields, with the display formats and labels its declaration gives them.
void Declarer(db::CTable& table, std::span<const FieldSpec> champs) {
    table.DeclareFields(ComponentFields(champs));
    for (const FieldSpec& champ : champs) {
        db::FieldDisplay& affichage = table.FieldDisplayOf(champ.name);
        affichage.displayFormat = champ.displayFormat;
        affichage.displayLabel = champ.label;
    }
}

std::unique_ptr<environment::cEnvironKV> EnvironnementInitialise() {
    auto environnement = std::make_unique<environment::cEnvironKV>();
    environnement->Initialiser();
    return environnement;
}

}  // namespace

TdmDonnees::TdmDonnees() : environnement_(EnvironnementInitialise()) {
    session_.OpenDossier(environnement_->GetRepDossier());
    session_.AttachTemporary(std::filesystem::path(environnement_->GetRepTmp()) / kFichierTemporaire);
    CreateWorkingTables(session_);
    const auto alias = [this](Alias quel) {
        return quel == Alias::Temporary ? environnement_->GetAliasTmp() : environnement_->GetAliasDossier();
    };
    for (const ComposantTable& composant : ComposantsTables()) {
        auto table = std::make_unique<db::CTable>(session_);
        const TableSpec* spec = FindTableSpec(composant.table);
        table->SetDatabaseName(alias(spec ? spec->alias : Alias::Dossier));
        table->SetSessionName(environnement_->GetNomSession());
        table->SetTableName(composant.table);
        table->SetIndexName(composant.index);
        if (const auto champs = DeclarationDe(composant)) Declarer(*table, *champs);
        composants_.emplace(composant.nom, std::move(table));
    }
    for (const ComposantRequete& composant : ComposantsRequetes()) {
        auto requete = std::make_unique<db::CQuery>(session_);
        requete->SetDatabaseName(alias(composant.alias));
        requete->SetSessionName(environnement_->GetNomSession());
        requetes_.emplace(composant.nom, std::move(requete));
    }
}

TdmDonnees::~TdmDonnees() {
    requetes_.clear();  // the components go before the session they are open on
    composants_.clear();
    session_.Close();
}

namespace {

template <class Composants>
auto& Trouver(Composants& composants, std::string_view nom) {
    const auto trouve = composants.find(nom);
    if (trouve == composants.end()) throw std::out_of_range("composant inconnu du module de données : " + std::string(nom));
    return *trouve->second;
}

}  // namespace

db::CTable& TdmDonnees::Composant(std::string_view nom) { return Trouver(composants_, nom); }
db::CQuery& TdmDonnees::Requete(std::string_view nom) { return Trouver(requetes_, nom); }

TdmKvarn::TdmKvarn() : donnees_(std::make_unique<TdmDonnees>()), environnement_(EnvironnementInitialise()) {
    Installer(*this);
    // The schema is the module's: the host's table copy creates a missing table through it.
    if (host::pEnvironnement)
        host::pEnvironnement->SetTableCreator(
            [this](const std::string& suffixe) { CreateMissingTable(donnees_->Session(), suffixe); });
}

TdmKvarn::~TdmKvarn() {
    if (host::pEnvironnement) host::pEnvironnement->SetTableCreator({});
}

db::CDataSource& TdmKvarn::Source(std::string_view nom) {
    const auto trouvee = sources_.find(nom);
    if (trouvee == sources_.end()) throw std::out_of_range("source de données inconnue : " + std::string(nom));
    return *trouvee->second;
}

void TdmKvarn::DemarrerDossier() {
    for (const AttacheGestionnaires& attacher : gestionnaires_) attacher(*this);
    LierSources();
    environment::CGestTRPIni* parametres = environnement_->GestIni();
    if (!parametres) throw std::logic_error("le magasin de paramètres du dossier n'est pas ouvert");
    const ModuleEnMigration enMigration(*this);
    rapportMigration_ = ExecuterMigrations(
        donnees_->Session(), *parametres, migrations_, [this] { return LayoutDifference(donnees_->Session()); },
        [this] { environnement_->CopierTables(); });
    // A failed step ends the start-up: the checks read tables the migration has not finished.
    if (rapportMigration_.echec) return;
    for (const ControleDemarrage& controler : controles_) controler(*this);
}

void TdmKvarn::LierSources() {
    for (const Liaison& liaison : kSources) {
        auto& source = sources_[liaison.source];
        if (!source) source = std::make_unique<db::CDataSource>();
        source->SetDataSet(&donnees_->Composant(liaison.composant));
    }
    // Movement details follow their movement: KOLMIKVP.IdMouv = KOLMIKVM.AutoID, the first field
    // of their index.
    for (const Lien& lien : kLiens) {
        db::CTable& detail = donnees_->Composant(lien.detail);
        detail.SetMasterSource(&Source(lien.source));
        detail.SetMasterFields("AutoID");
    }
}

void TdmKvarn::DetacherCalculsAssocies() {
    db::CTable& associes = donnees_->Composant("tblAssociesKV");
    if (associes.OnCalcFields) calculsAssociesDetaches_ = std::exchange(associes.OnCalcFields, nullptr);
}

void TdmKvarn::RattacherCalculsAssocies() {
    if (calculsAssociesDetaches_)
        donnees_->Composant("tblAssociesKV").OnCalcFields = std::exchange(calculsAssociesDetaches_, nullptr);
}

bool TdmKvarn::OuvrirAssocies(int mode, std::string_view index, std::string_view filtre) {
    db::CTable& associes = donnees_->Composant("tblAssociesKV");
    const int categorie = host::pCurDossier ? host::pCurDossier->GetCategorie() : 0;
    const std::string texte = TexteFiltreAssocies(mode, ModeChargement(), categorie, filtre);
    associes.SetIndexName(index);
    // The filter before opening: the rows are read once.
    associes.SetFilter(texte);
    associes.SetFiltered(!texte.empty());
    if (detenteursAssocies_ == 0) associes.Open();
    else associes.First();
    ++detenteursAssocies_;
    return true;
}

void TdmKvarn::FermerAssocies() {
    if (detenteursAssocies_ == 0) return;
    if (--detenteursAssocies_ == 0) donnees_->Composant("tblAssociesKV").Close();
}

int TdmKvarn::ModeChargement() const {
    if (modeChargement_ != -1) return modeChargement_;
    switch (host::pCurDossier ? host::pCurDossier->GetCategorie() : 0) {
        case host::CI_BNC: return kModeNonCommercial;
        case host::CI_RF_SOCIETE_IMMOBILIERE: return kModeSocieteImmobiliere;
        case host::CI_BIC_2036: return kModeSocieteDeMoyens;
        default: return kModeAutreCategorie;
    }
}

}  // namespace kvarn::store
