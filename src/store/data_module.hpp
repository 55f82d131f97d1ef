// TdmKvarn and TdmDonnees: the data module that owns every table of the dossier.
//
// TdmDonnees opens the dossier's database (alias "ZOR_DOSSIER", the dossier directory) and the
// working database (alias "ZOR_TMP", in the process's private temporary directory, where it
// creates MouvementKV and SyntheseMouvementKV), and owns one table component per name of the
// store (composants.hpp), each pointed at its alias and at the environment's session, with the
// calculated fields its declaration holds. It also owns a second environment object and the SQL
// literals the statements use.
//
// TdmKvarn owns TdmDonnees, the main environment object (its settings store opened in section
// "KV"), the data sources, and the module-wide working state of the dossier (holders of the
// associates table, loaded flags, the loading-mode override, objects created on demand). Its
// dossier start-up, run by the first InitKV, attaches the field handlers registered by the
// subsystems, binds the data sources, runs the migration chains with the host's table copy
// between them, and checks the associates' tax regimes on a dossier of category 8.
#pragma once

#include "db/data_source.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "environment/environ_kv.hpp"
#include "store/migrations.hpp"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::store {

// The data module's unit in the location codes of the exception box.
inline constexpr std::uint32_t kUniteDataModule = 1015;

class TdmKvarn;

class TdmDonnees {
public:
    TdmDonnees();
    ~TdmDonnees();
    TdmDonnees(const TdmDonnees&) = delete;
    TdmDonnees& operator=(const TdmDonnees&) = delete;

    db::Session& Session() { return session_; }
    environment::cEnvironKV& Environnement() { return *environnement_; }
    // The component of that name ("tblAssociesKV"); std::out_of_range for an unknown name.
    db::CTable& Composant(std::string_view nom);

    const std::string LitteralFaux = "'False'";
    const std::string LitteralVrai = "'True'";
    const std::string IndexTri = "idxTri";

private:
    std::unique_ptr<environment::cEnvironKV> environnement_;
    db::Session session_;
    std::map<std::string, std::unique_ptr<db::CTable>, std::less<>> composants_;
};

// What a subsystem registers to be attached at each dossier start-up (its field handlers).
using AttacheGestionnaires = std::function<void(TdmKvarn&)>;

class TdmKvarn {
public:
    TdmKvarn();
    ~TdmKvarn();
    TdmKvarn(const TdmKvarn&) = delete;
    TdmKvarn& operator=(const TdmKvarn&) = delete;

    TdmDonnees& Donnees() { return *donnees_; }
    environment::cEnvironKV& Environnement() { return *environnement_; }
    // The data source of that name ("dsAssociesKV"), bound at the dossier start-up.
    db::CDataSource& Source(std::string_view nom);

    // The dossier start-up.
    void DemarrerDossier();

    // Subsystems register their field handlers and their migration steps here; the start-up uses
    // what is registered when it runs.
    std::vector<AttacheGestionnaires>& Gestionnaires() { return gestionnaires_; }
    ChainesMigration& Migrations() { return migrations_; }

    // Holders of the associates table: the first opens it, the last to release it closes it.
    void PrendreTableAssocies();
    void RelacherTableAssocies();
    int NombreDetenteursAssocies() const { return detenteursAssocies_; }

    // The loading mode: the override when set, else from the dossier's tax category
    // (3 → 2, 5 → 0, 8 → 1, any other → 4).
    int ModeChargement() const;
    void SetModeChargement(int mode) { modeChargement_ = mode; }

    bool listeAssociesChargee = false;
    bool cacheFonctionsChargee = false;
    bool listeMouvementsChargee = false;

private:
    void LierSources();
    void VerifierRegimesAssocies();

    std::unique_ptr<TdmDonnees> donnees_;
    std::unique_ptr<environment::cEnvironKV> environnement_;
    std::map<std::string, std::unique_ptr<db::CDataSource>, std::less<>> sources_;
    std::vector<AttacheGestionnaires> gestionnaires_;
    ChainesMigration migrations_;
    int detenteursAssocies_ = 0;
    int modeChargement_ = -1;
};

}  // namespace kvarn::store
