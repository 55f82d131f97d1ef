#include "standalone/standalone_host.hpp"

#include "standalone/barre_terminal.hpp"
#include "standalone/boites_console.hpp"
#include "standalone/moteur_etats.hpp"

namespace kvarn::standalone {
namespace {

// Without windows a screen shows nothing: it loads what it holds and saves it.
void OuvrirEtFermer(host::EcranModal& ecran) {
    ecran.Ouvrir();
    ecran.Fermer();
}

std::unique_ptr<host::CVrelMaker> NouveauMoteur(host::OuvreurDonneesEtat ouvreur) {
    return std::make_unique<MoteurEtats>(std::move(ouvreur));
}

}  // namespace

StandaloneHost::StandaloneHost(std::unique_ptr<DossierFichier> dossier, HostOptions options)
    : dossier_(std::move(dossier)) {
    if (dossier_) environnement_ = std::make_unique<EnvironnementAutonome>(*dossier_);
    if (!options.boites) {
        boitesConsole_ = std::make_unique<BoitesConsole>();
        options.boites = boitesConsole_.get();
    }
    if (!options.choix) {
        choixConsole_ = std::make_unique<ChoixConsole>();
        options.choix = choixConsole_.get();
    }
    if (!options.barres) options.barres = OuvrirBarreTerminal;
    if (!options.ecrans) options.ecrans = OuvrirEtFermer;
    if (!options.choixListe) options.choixListe = ChoixListeConsole(ReponseQuestions::Demander);
    annuaire_ = std::make_unique<AnnuaireFichier>(
        options.annuaire.empty() ? AnnuaireFichier::CheminParDefaut() : options.annuaire, dossier_.get(),
        *options.choix);
    host::InstallHost({environnement_.get(), dossier_.get(), options.boites, annuaire_.get(), options.barres,
                       options.ecrans, NouveauMoteur, options.choixListe});
}

StandaloneHost::~StandaloneHost() { host::UninstallHost(); }

std::unique_ptr<StandaloneHost> StandaloneHost::Open(const std::filesystem::path& repertoire, HostOptions options) {
    return std::unique_ptr<StandaloneHost>(new StandaloneHost(DossierFichier::Ouvrir(repertoire), std::move(options)));
}

std::unique_ptr<StandaloneHost> StandaloneHost::WithoutDossier(HostOptions options) {
    return std::unique_ptr<StandaloneHost>(new StandaloneHost(nullptr, std::move(options)));
}

}  // namespace kvarn::standalone
