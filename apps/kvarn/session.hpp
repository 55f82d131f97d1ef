// The standalone host as a command runs it: console boxes answering questions by the --oui/--non
// policy (or on the terminal), the exception box making the command fail (run.hpp), the
// terminal's party list and progress bar; and, for the commands that go through the module's
// exported functions, the module's data module opened over it inside the InitKV bracket,
// released before the host.
//
// A command that changes the dossier holds it against other processes for its whole run, as the
// module does while its data module is open: one opened with Acces::Modification takes the
// dossier's hold itself, one that opens the module holds it through the module. A second process
// waits, then is told "Le dossier est en cours d'utilisation".
#pragma once

#include "db/dossier_lock.hpp"
#include "run.hpp"
#include "standalone/standalone_host.hpp"
#include "store/migrations.hpp"

#include <memory>
#include <optional>

namespace kvarn::cli {

// The data module created over the installed host and the dossier started (InitKV); destroying
// it leaves the bracket and releases the data module. The start-up migrates an older dossier: a
// failed step refuses the command with the step's message (Refus) and steps that ran are told on
// stderr ("Dossier mis à jour …"), unless the command reports the migration itself.
class ModuleOuvert {
public:
    // With the loading mode of the command (--mode-chargement), when it gives one.
    explicit ModuleOuvert(std::optional<int> modeChargement, bool rapportParLaCommande = false);
    ~ModuleOuvert();
    // What the start-up's migrations did.
    const store::RapportMigration& Rapport() const;
    ModuleOuvert(const ModuleOuvert&) = delete;
    ModuleOuvert& operator=(const ModuleOuvert&) = delete;
};

enum class Acces { Lecture, Modification };

class Session {
public:
    // Opens the --dossier directory (refusing when none is given or it holds no dossier).
    static Session WithDossier(const GlobalOptions& options, Acces acces = Acces::Lecture);
    // No dossier: the outside-party directory and the boxes only.
    static Session WithoutDossier(const GlobalOptions& options);

    standalone::StandaloneHost& host() { return *host_; }
    standalone::DossierFichier& dossier() { return *host_->Dossier(); }
    // Opens the module's data module for this session's dossier; refuses when it cannot be created.
    // Not for a session opened with Acces::Modification: the module takes the dossier's hold itself.
    void OuvrirModule();

private:
    explicit Session(const GlobalOptions& options);
    std::optional<int> modeChargement_;
    std::unique_ptr<host::MessageBoxes> boites_;
    std::unique_ptr<db::DossierLock> hold_;
    std::unique_ptr<standalone::StandaloneHost> host_;
    std::unique_ptr<ModuleOuvert> module_;  // after host_: released first
};

}  // namespace kvarn::cli
