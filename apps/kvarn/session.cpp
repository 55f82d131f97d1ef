#include "session.hpp"

#include "db/pending_files.hpp"
#include "db/session.hpp"
#include "frame/etat_module.hpp"
#include "migration_commands.hpp"
#include "standalone/boites_console.hpp"

#include <iostream>
#include <stdexcept>

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

namespace kvarn::cli {
namespace {

standalone::ReponseQuestions Politique(const GlobalOptions& options) {
    if (options.oui) return standalone::ReponseQuestions::Oui;
    if (options.non) return standalone::ReponseQuestions::Non;
    return standalone::ReponseQuestions::Demander;
}

// The console's boxes, noting that the exception box was shown: the module then caught an error
// and carried on with default values, and the command must not report a success.
class BoitesCommande final : public host::MessageBoxes {
public:
    explicit BoitesCommande(standalone::ReponseQuestions politique) : console_(politique) {}
    bool Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) override {
        if (type == host::TypeBoite::Exception) SignalerExceptionMontree();
        return console_.Show(type, texte, titre, drapeaux);
    }

private:
    standalone::BoitesConsole console_;
};

}  // namespace

ModuleOuvert::ModuleOuvert(std::optional<int> modeChargement, bool rapportParLaCommande) {
    // Created here rather than through InitDataModuleKV, whose exception box would present what
    // the user can act on (a dossier in use, a damaged file) as an internal error: the refusal
    // reaches stderr as the engine words it.
    frame::CreerDataModule();
    // Before the dossier starts, so that everything the command does sees that mode.
    if (modeChargement) _KVAffecterAssistantDeChargement(*modeChargement);
    InitKV();
    const store::RapportMigration& rapport = Rapport();
    if (rapportParLaCommande) return;
    if (rapport.echec) {
        // Nothing may run on tables the migration left half-way.
        const Refus refus(rapport.echec->Texte());
        DesinitKV();
        DetruireDataModuleKV();
        throw refus;
    }
    if (!rapport.etapes.empty()) std::cerr << ResumeMiseAJour(rapport) << '\n';
}

const store::RapportMigration& ModuleOuvert::Rapport() const { return frame::DataModuleCree().DernierRapportMigration(); }

ModuleOuvert::~ModuleOuvert() {
    DesinitKV();
    DetruireDataModuleKV();
}

void Session::OuvrirModule() {
    if (hold_) throw std::logic_error("le dossier est déjà tenu par la commande : le module ne pourrait pas l'ouvrir");
    if (!module_) module_ = std::make_unique<ModuleOuvert>(modeChargement_);
}

Session::Session(const GlobalOptions& options)
    : modeChargement_(options.modeChargement), boites_(std::make_unique<BoitesCommande>(Politique(options))) {}

Session Session::WithDossier(const GlobalOptions& options, Acces acces) {
    Session session(options);
    const std::string& dossier = RequireDossier(options);
    // A closing cut after its commit left files to write: opening the database writes them,
    // before the host reads the dossier's files.
    if (db::PendingFilesMarked(dossier)) db::Session().OpenDossier(dossier);
    standalone::HostOptions hote{session.boites_.get(), nullptr, {}, {}};
    hote.choixListe = standalone::ChoixListeConsole(Politique(options));
    session.host_ = standalone::StandaloneHost::Open(dossier, std::move(hote));
    if (acces == Acces::Modification)
        session.hold_ = std::make_unique<db::DossierLock>(std::filesystem::path(dossier) / db::DOSSIER_DATABASE_FILE,
                                                         db::SessionOptions{}.busyTimeout);
    return session;
}

Session Session::WithoutDossier(const GlobalOptions& options) {
    Session session(options);
    session.host_ = standalone::StandaloneHost::WithoutDossier({session.boites_.get(), nullptr, {}, {}});
    return session;
}

}  // namespace kvarn::cli
