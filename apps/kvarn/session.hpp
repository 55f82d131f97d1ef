// The standalone host as a command runs it: console boxes answering questions by the --oui/--non
// policy (or on the terminal), the terminal's party list and progress bar; and, for the commands
// that go through the module's exported functions, the module's data module opened over it
// inside the InitKV bracket, released before the host.
#pragma once

#include "run.hpp"
#include "standalone/boites_console.hpp"
#include "standalone/standalone_host.hpp"

#include <memory>

namespace kvarn::cli {

// The data module created over the installed host and the dossier started (InitKV); destroying
// it leaves the bracket and releases the data module.
class ModuleOuvert {
public:
    ModuleOuvert();
    ~ModuleOuvert();
    ModuleOuvert(const ModuleOuvert&) = delete;
    ModuleOuvert& operator=(const ModuleOuvert&) = delete;
};

class Session {
public:
    // Opens the --dossier directory (refusing when none is given or it holds no dossier).
    static Session WithDossier(const GlobalOptions& options);
    // No dossier: the outside-party directory and the boxes only.
    static Session WithoutDossier(const GlobalOptions& options);

    standalone::StandaloneHost& host() { return *host_; }
    standalone::DossierFichier& dossier() { return *host_->Dossier(); }
    // Opens the module's data module for this session's dossier; refuses when it cannot be created.
    void OuvrirModule();

private:
    explicit Session(const GlobalOptions& options);
    std::unique_ptr<standalone::BoitesConsole> boites_;
    std::unique_ptr<standalone::StandaloneHost> host_;
    std::unique_ptr<ModuleOuvert> module_;  // after host_: released first
};

}  // namespace kvarn::cli
