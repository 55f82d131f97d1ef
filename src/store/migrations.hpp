// The migration service: ordered chains of steps that bring an older dossier up to date.
//
// A chain has a service name and registers steps (an action, a label shown while it runs, and a
// number that grows along the chain). Its version lives in the settings store "KOLMI$$G.dat":
// section = the service name ("KV" for the structure chain, "KVDonnees" for the data chain), key
// "Migrations". A chain with a recorded version runs every step whose number is above it, in
// registration order, under the chain's title with a progress bar.
//
// Each step is all or nothing: it runs in one transaction of the dossier's database, with the
// settings file and the host's dossier record deferred; the chain's new number is written into
// the deferred settings, and the files' images are journaled (db/pending_files.hpp) and committed
// with the rows. A failing step is rolled back with its files, shown through the host's exception
// box ("La mise à jour du dossier a échoué à l'étape « LABEL » : RAISON", unit 1015) and ends the
// start-up: no table copy or data chain after a structure failure, no start-up check after a data
// failure. The next start-up resumes at that step. A step cut after its COMMIT is finished by the
// next opening of the database, which writes the journaled files.
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
//
// A recorded structure version of 0 is a dossier of the first layout, not a dossier without
// version. The data chain came with structure 0x10408: a dossier recorded at 0 to 0x10407 without
// a data version runs the data chain in the same start-up, from its start. Before its structure
// steps run, the data chain is recorded at 0 and the structure version found is kept as
// "StructureInitiale" of section "KVDonnees": the data step that depends on the dossier's age
// reads it there, since "KV" holds the structure chain's last number by then, and a structure
// failure leaves the next start-up with the same knowledge.
#pragma once

#include "environment/gest_trp_ini.hpp"

namespace kvarn::db {
class Session;
}

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
// The structure version a dossier had before the start-up that first ran its data chain.
inline constexpr const char* kCleStructureInitiale = "StructureInitiale";

// The versions of the current layout: the last step of each chain.
inline constexpr std::uint32_t kVersionStructureCourante = 0x11504;
inline constexpr std::uint32_t kVersionDonneesCourante = 0x21000;

struct EtapeMigration {
    std::function<void()> methode;
    std::string libelle;
    std::uint32_t numero;
};

// The versions recorded in the settings store; nullopt when absent.
struct VersionsDossier {
    std::optional<std::uint32_t> structure;
    std::optional<std::uint32_t> donnees;
};

struct EtapeExecutee {
    std::string service;  // "KV" or "KVDonnees"
    std::uint32_t numero;
    std::string libelle;
    std::vector<std::string> changements;  // what the step says it changed (NoterChangement)
};

struct EchecMigration {
    std::string service;
    std::uint32_t numero;
    std::string libelle;
    std::string raison;
    // "La mise à jour du dossier a échoué à l'étape « LABEL » : RAISON"
    std::string Texte() const;
};

// What one start-up's migrations did.
struct RapportMigration {
    VersionsDossier avant;
    VersionsDossier apres;
    std::vector<EtapeExecutee> etapes;
    std::optional<EchecMigration> echec;
};

// What the running step changed, in French ("KOLMIKV1 : champ « IDSP » ajouté"), for the report;
// nothing outside a step.
void NoterChangement(std::string changement);

class TdmKvarn;

// The data module whose start-up runs the steps, for their actions (which take no argument);
// std::logic_error when no start-up is migrating.
TdmKvarn& ModuleMigre();

// Makes `module` the one ModuleMigre gives, for the guard's life.
class ModuleEnMigration {
public:
    explicit ModuleEnMigration(TdmKvarn& module);
    ~ModuleEnMigration();
    ModuleEnMigration(const ModuleEnMigration&) = delete;
    ModuleEnMigration& operator=(const ModuleEnMigration&) = delete;

private:
    TdmKvarn* precedent_;
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
    // Runs the steps above the recorded version (none recorded: from the first), each in its own
    // transaction on `session`, adding them to `rapport`; false at the first failing step, shown
    // and put in `rapport.echec`.
    bool Executer(const std::string& titre, db::Session& session, RapportMigration& rapport);
    // The refusal of a chain without version on tables in an older layout (`ecart` says how).
    [[noreturn]] void RefuserSansVersion(const std::string& ecart) const;

private:
    std::string Cle() const;
    void ExecuterEtape(const EtapeMigration& etape, db::Session& session, std::vector<std::string>& changements);

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

// The versions recorded; AgeDuDossierInconnu when one holds no number.
VersionsDossier LireVersions(environment::CGestTRPIni& parametres);

// The migration part of the dossier start-up on `session`: the structure chain, the host's table
// copy (`copierTables`), then the data chain, which also runs, on a dossier older than it, when
// the structure version found first is 0 to 0x10407. `ecart` is asked, once and before anything
// runs, when a chain has no recorded version. Throws AgeDuDossierInconnu, having run and recorded
// nothing, when a chain's age cannot be told; a failing step ends the run (rapport.echec).
RapportMigration ExecuterMigrations(db::Session& session, environment::CGestTRPIni& parametres,
                                    const ChainesMigration& chaines, const EcartDisposition& ecart,
                                    const std::function<void()>& copierTables);

// Where a step may be cut, as the fault hook is told: after its action, before its COMMIT, after
// it (kPointApresCommit), then one more per file written and the last before the marker goes.
inline constexpr int kPointEtapeFaite = 1;
inline constexpr int kPointAvantCommit = 2;
inline constexpr int kPointApresCommitEtape = 3;

// Fault injection: called with each point of every step; throwing from it fails the step there.
// nullptr clears it.
void SetMigrationFaultHookForTests(std::function<void(int point)> hook);

}  // namespace kvarn::store
