// The migration service: ordered chains of steps that bring an older dossier up to date.
//
// A chain has a service name and registers steps (an action, a label shown while it runs, and a
// number that grows along the chain). Its version lives in the settings store "KOLMI$$G.dat":
// section = the service name ("KV" for the structure chain, "KVDonnees" for the data chain), key
// "Migrations". A chain with a recorded version runs every step whose number is above it, in
// registration order, under the chain's title with a progress bar, recording each number as soon
// as its step succeeds; a failing step is shown through the host's exception box, is not recorded,
// and stops the chain, so the next start-up resumes there.
//
// A chain never runs on data whose age it does not know. A version that does not read as a
// number ("70916x") is refused, never read as 0. A chain whose key is absent (a dossier made
// without the module, or whose settings file was lost) takes the dossier's tables as witness:
// when they do not exist yet (the host's table copy creates them in the current layout) or hold
// every field of the current layout, the chain is recorded at its current version and runs
// nothing, now or at any later start-up; when they are in an older layout, the start-up is
// refused with a message naming the file and the key, and nothing is run or recorded. Recording
// such a chain at version 0 instead would re-run every step at the next start-up, the one that
// clears every associate's share counts included.
#pragma once

#include "environment/gest_trp_ini.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvarn::store {

inline constexpr const char* kServiceStructure = "KV";
inline constexpr const char* kServiceDonnees = "KVDonnees";
inline constexpr const char* kCleMigrations = "Migrations";

// The versions of the current layout: the last step of each chain.
inline constexpr std::uint32_t kVersionStructureCourante = 0x11504;
inline constexpr std::uint32_t kVersionDonneesCourante = 0x21000;

struct EtapeMigration {
    std::function<void()> methode;
    std::string libelle;
    std::uint32_t numero;
};

// The dossier's age cannot be told: no migration may run on it.
class AgeDuDossierInconnu : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CMigrations {
public:
    // `versionCourante`: the chain's number in the current layout, recorded when the dossier is
    // taken to be in it (the last registered step's number when that is higher).
    CMigrations(std::string nomService, environment::CGestTRPIni& parametres, std::uint32_t versionCourante);

    void Ajouter(EtapeMigration etape);
    // nullopt when no version is recorded; AgeDuDossierInconnu when the key holds no number.
    std::optional<std::uint32_t> VersionEnregistree() const;
    void Enregistrer(std::uint32_t version);
    // Records the chain at its current version, without running anything.
    void EnregistrerCourante();
    // Runs the steps above the recorded version (none recorded: from the first); true when every
    // step ran.
    bool Executer(const std::string& titre);
    // The refusal of a chain without version on tables in an older layout (`ecart` says how).
    [[noreturn]] void RefuserSansVersion(const std::string& ecart) const;

private:
    std::string Cle() const;

    std::string nomService_;
    environment::CGestTRPIni& parametres_;
    std::uint32_t versionCourante_;
    std::vector<EtapeMigration> etapes_;
};

// The steps of the two chains, as the dossier's owners register them.
struct ChainesMigration {
    std::vector<EtapeMigration> structure;
    std::vector<EtapeMigration> donnees;
};

// How the dossier's tables differ from the current layout ("table KOLMIKV1 : champ « IDSP »
// absent"), or nullopt when they are in it or do not exist yet.
using EcartDisposition = std::function<std::optional<std::string>()>;

// The migration part of the dossier start-up: the structure chain, the host's table copy
// (`copierTables`), then the data chain, which also runs, on a dossier older than it, when the
// structure version found first was not 0 and at most 0x10407. `ecart` is asked, once and before
// anything runs, when a chain has no recorded version. Throws AgeDuDossierInconnu, having run and
// recorded nothing, when a chain's age cannot be told.
void ExecuterMigrations(environment::CGestTRPIni& parametres, const ChainesMigration& chaines,
                        const EcartDisposition& ecart, const std::function<void()>& copierTables);

}  // namespace kvarn::store
