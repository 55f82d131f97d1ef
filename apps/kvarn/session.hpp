// The standalone host as a command runs it: console boxes answering questions by the --oui/--non
// policy (or on the terminal), the terminal's party list and progress bar.
#pragma once

#include "run.hpp"
#include "standalone/boites_console.hpp"
#include "standalone/standalone_host.hpp"

#include <memory>

namespace kvarn::cli {

class Session {
public:
    // Opens the --dossier directory (refusing when none is given or it holds no dossier).
    static Session WithDossier(const GlobalOptions& options);
    // No dossier: the outside-party directory and the boxes only.
    static Session WithoutDossier(const GlobalOptions& options);

    standalone::StandaloneHost& host() { return *host_; }
    standalone::DossierFichier& dossier() { return *host_->Dossier(); }

private:
    explicit Session(const GlobalOptions& options);
    std::unique_ptr<standalone::BoitesConsole> boites_;
    std::unique_ptr<standalone::StandaloneHost> host_;
};

}  // namespace kvarn::cli
