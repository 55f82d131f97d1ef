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

// The calculated fields a component declares: those of its own declaration when it has one, else
// those of the table's declaration when the component is the one that declaration belongs to.
std::vector<db::FieldDef> ChampsCalcules(const ComposantTable& composant) {
    std::span<const FieldSpec> champs;
    for (const ComponentSpec& declaration : ComponentDeclarations())
        if (std::string_view(declaration.component) == composant.nom) champs = declaration.fields;
    if (champs.empty())
        if (const TableSpec* table = FindTableSpec(composant.table); table && std::string_view(table->component) == composant.nom)
            champs = table->fields;
    std::vector<db::FieldDef> calcules;
    for (const FieldSpec& champ : champs)
        if (champ.calculated) calcules.push_back({champ.name, champ.column.type, champ.column.size, true});
    return calcules;
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
    for (const ComposantTable& composant : ComposantsTables()) {
        auto table = std::make_unique<db::CTable>(session_);
        const TableSpec* spec = FindTableSpec(composant.table);
        table->SetDatabaseName(spec && spec->alias == Alias::Temporary ? environnement_->GetAliasTmp()
                                                                       : environnement_->GetAliasDossier());
        table->SetSessionName(environnement_->GetNomSession());
        table->SetTableName(composant.table);
        for (db::FieldDef& champ : ChampsCalcules(composant)) table->DeclareCalculatedField(std::move(champ));
        composants_.emplace(composant.nom, std::move(table));
    }
    qTraitement_ = std::make_unique<db::CQuery>(session_);
    qTraitement_->SetDatabaseName(environnement_->GetAliasDossier());
    qTraitement_->SetSessionName(environnement_->GetNomSession());
}

TdmDonnees::~TdmDonnees() {
    qTraitement_.reset();
    composants_.clear();  // the components go before the session they are open on
    session_.Close();
}

db::CTable& TdmDonnees::Composant(std::string_view nom) {
    const auto trouve = composants_.find(nom);
    if (trouve == composants_.end()) throw std::out_of_range("composant inconnu du module de données : " + std::string(nom));
    return *trouve->second;
}

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
    ExecuterMigrations(*parametres, migrations_, [this] { environnement_->CopierTables(); });
    for (const ControleDemarrage& controler : controles_) controler(*this);
}

void TdmKvarn::LierSources() {
    for (const Liaison& liaison : kSources) {
        auto& source = sources_[liaison.source];
        if (!source) source = std::make_unique<db::CDataSource>();
        source->SetDataSet(&donnees_->Composant(liaison.composant));
    }
    // Movement details follow their movement: KOLMIKVP.IdMouv = KOLMIKVM.AutoID.
    for (const Lien& lien : kLiens) {
        db::CTable& detail = donnees_->Composant(lien.detail);
        if (detail.IndexName().empty()) detail.SetIndexName("idxMouv");  // IdMouv;AutoID: the link first
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
