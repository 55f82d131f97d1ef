#include "session_assistant.hpp"

#include "frame/etat_module.hpp"
#include "standalone/nouveau_dossier.hpp"

#include <kvarn/module.hpp>

namespace kvarn::assistant {

SessionAssistant::SessionAssistant(standalone::HostOptions options)
    : options_(std::move(options)), host_(standalone::StandaloneHost::WithoutDossier(options_)) {}

SessionAssistant::~SessionAssistant() { DetruireDataModuleKV(); }

void SessionAssistant::Creer(const ui::NouveauDossier& d) {
    standalone::CreerNouveauDossier(d.repertoire, [&](standalone::DossierFichier& dossier) {
        dossier.SetRaisonSociale(d.raisonSociale);
        dossier.SetLibelle(d.raisonSociale);
        dossier.SetFormeJuridique(d.formeJuridique);
        dossier.SetCategorie(d.categorie);
        dossier.SetRegimeImposition(d.regimeImposition);
        dossier.SetDateDebutExercice(d.debutExercice);
        dossier.SetDateFinExercice(d.finExercice);
    });
}

void SessionAssistant::Ouvrir(const std::filesystem::path& repertoire) {
    Fermer();
    try {
        host_.reset();  // one host installed at a time
        host_ = standalone::StandaloneHost::Open(repertoire, options_);
        // Rather than InitDataModuleKV, whose exception box would present what the user can act
        // on (a dossier in use, a damaged file) as an internal error.
        frame::CreerDataModule();
    } catch (...) {
        Fermer();
        throw;
    }
}

void SessionAssistant::Fermer() {
    DetruireDataModuleKV();
    if (!host_ || host_->Dossier()) {
        host_.reset();
        host_ = standalone::StandaloneHost::WithoutDossier(options_);
    }
}

}  // namespace kvarn::assistant
