// The standalone host: every host service the module calls, installed for one dossier.
//
// A program opens a dossier directory through StandaloneHost::Open, which reads the dossier
// record, builds the environment, the outside-party directory, the boxes and the progress bars,
// and installs them as the host; destroying the object uninstalls them. Boxes, party choice and
// progress default to the console ones; the assistant and the tests pass their own.
#pragma once

#include "host/host.hpp"
#include "standalone/annuaire_fichier.hpp"
#include "standalone/dossier_fichier.hpp"
#include "standalone/environnement_autonome.hpp"

#include <filesystem>
#include <memory>

namespace kvarn::standalone {

struct HostOptions {
    host::MessageBoxes* boites = nullptr;  // console boxes when null
    ChoixIntervenant* choix = nullptr;     // terminal list when null
    host::BarreFactory barres;             // terminal bar when empty
    std::filesystem::path annuaire;        // the common directory's when empty
    host::MontreurEcrans ecrans{};         // opened and closed at once when empty
    host::ChoixDansListe choixListe{};     // the terminal's numbered list when empty
};

class StandaloneHost {
public:
    // Opens the dossier of `repertoire` (refusing a directory without a dossier record) and
    // installs the host for it.
    static std::unique_ptr<StandaloneHost> Open(const std::filesystem::path& repertoire, HostOptions options = {});
    // Installs the host with no dossier open: the directory and the boxes only.
    static std::unique_ptr<StandaloneHost> WithoutDossier(HostOptions options = {});
    ~StandaloneHost();
    StandaloneHost(const StandaloneHost&) = delete;
    StandaloneHost& operator=(const StandaloneHost&) = delete;

    DossierFichier* Dossier() { return dossier_.get(); }
    AnnuaireFichier& Annuaire() { return *annuaire_; }

private:
    StandaloneHost(std::unique_ptr<DossierFichier> dossier, HostOptions options);

    std::unique_ptr<DossierFichier> dossier_;
    std::unique_ptr<EnvironnementAutonome> environnement_;
    std::unique_ptr<host::MessageBoxes> boitesConsole_;
    std::unique_ptr<ChoixIntervenant> choixConsole_;
    std::unique_ptr<AnnuaireFichier> annuaire_;
};

}  // namespace kvarn::standalone
