// The migration service: ordered chains of steps that bring an older dossier up to date.
//
// A chain has a service name and registers steps (an action, a label shown while it runs, and a
// number that grows along the chain). Its version lives in the settings store "KOLMI$$G.dat":
// section = the service name ("KV" for the structure chain, "KVDonnees" for the data chain), key
// "Migrations". A chain whose key is absent has no recorded version (absent is not version 0): it
// is recorded as created at version 0 and runs nothing. A chain with a recorded version runs every
// step whose number is above it, in registration order, under the chain's title with a progress
// bar, recording each number as soon as its step succeeds; a failing step is shown through the
// host's exception box, is not recorded, and stops the chain, so the next start-up resumes there.
#pragma once

#include "environment/gest_trp_ini.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kvarn::store {

inline constexpr const char* kServiceStructure = "KV";
inline constexpr const char* kServiceDonnees = "KVDonnees";
inline constexpr const char* kCleMigrations = "Migrations";

// The versions of the current layout, recorded when a dossier is created.
inline constexpr std::uint32_t kVersionStructureCourante = 0x11504;
inline constexpr std::uint32_t kVersionDonneesCourante = 0x21000;

struct EtapeMigration {
    std::function<void()> methode;
    std::string libelle;
    std::uint32_t numero;
};

class CMigrations {
public:
    CMigrations(std::string nomService, environment::CGestTRPIni& parametres);

    void Ajouter(EtapeMigration etape);
    std::optional<std::uint32_t> VersionEnregistree() const;
    void Enregistrer(std::uint32_t version);
    // Records the chain as created, at version 0, without running anything.
    void EnregistrerCreation() { Enregistrer(0); }
    // Runs the steps above the recorded version (none recorded: from the first); true when every
    // step ran.
    bool Executer(const std::string& titre);

private:
    std::string nomService_;
    environment::CGestTRPIni& parametres_;
    std::vector<EtapeMigration> etapes_;
};

// The steps of the two chains, as the dossier's owners register them.
struct ChainesMigration {
    std::vector<EtapeMigration> structure;
    std::vector<EtapeMigration> donnees;
};

// The migration part of the dossier start-up: the structure chain, the host's table copy
// (`copierTables`), then the data chain, which also runs, on a dossier older than it, when the
// structure version found first was not 0 and at most 0x10407.
void ExecuterMigrations(environment::CGestTRPIni& parametres, const ChainesMigration& chaines,
                        const std::function<void()>& copierTables);

}  // namespace kvarn::store
