// TdmKvarn and TdmDonnees: the data module that owns every table of the dossier.
//
// TdmDonnees opens the dossier's database (alias "ZOR_DOSSIER", the dossier directory) and the
// working database (alias "ZOR_TMP", in the process's private temporary directory, where it
// creates MouvementKV and SyntheseMouvementKV), and owns one table component per name of the
// store and the three query components (composants.hpp), each pointed at its alias and at the
// environment's session, the table components with the fields, display formats, labels and index
// of their declaration. It also owns a second environment object and the SQL literals the
// statements use.
//
// TdmKvarn owns TdmDonnees, the main environment object (its settings store opened in section
// "KV"), the data sources, the holders' count of the associates table, the loading-mode
// override, the outside-party and addressee objects of the screens (created when a screen first
// asks for one), and one state per subsystem: the subsystems' installers (installateurs.hpp), run by its constructor, create their
// state there and register their attachers; all of it goes with the data module. Its dossier
// start-up, run by the first InitKV, runs the attachers, binds the data sources, runs the
// migration chains with the host's table copy between them, then the checks the subsystems
// registered to end it (the associates' tax regimes on a dossier of category 8). While a caller
// holds the associates table through OuvrirTableAssociesKV, the data module keeps that table's
// calculated-field handler aside.
// Users of the associates table share it through OuvrirAssocies/FermerAssocies, which count its
// holders.
#pragma once

#include "db/data_source.hpp"
#include "db/query.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "environment/environ_kv.hpp"
#include "store/migrations.hpp"

#include <kvarn/ecrans.hpp>
#include <kvarn/parametres_ecrans.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>
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
    // The query component of that name ("qTraitement"); std::out_of_range for an unknown name.
    db::CQuery& Requete(std::string_view nom);
    // The processing query on the dossier alias, for the statements the module runs itself.
    db::CQuery& qTraitement() { return Requete("qTraitement"); }

    const std::string LitteralFaux = "'False'";
    const std::string LitteralVrai = "'True'";
    const std::string IndexTri = "idxTri";

private:
    std::unique_ptr<environment::cEnvironKV> environnement_;
    db::Session session_;
    std::map<std::string, std::unique_ptr<db::CTable>, std::less<>> composants_;
    std::map<std::string, std::unique_ptr<db::CQuery>, std::less<>> requetes_;
};

// What a subsystem registers to be attached at each dossier start-up (its field handlers).
using AttacheGestionnaires = std::function<void(TdmKvarn&)>;
// What a subsystem registers to end each dossier start-up, once the tables are migrated.
using ControleDemarrage = std::function<void(TdmKvarn&)>;

// The module-wide state of one subsystem (its caches, its loaded flags), owned by the data module.
class EtatSousSysteme {
public:
    virtual ~EtatSousSysteme() = default;
};

// The working objects the data module keeps for the screens: the outside-party object (a
// CIntervenants) and the addressee object (a CAdresseDestinataire).
enum class ObjetEcran { Intervenants, AdresseDestinataire };

// The associates' loading modes: which return the wizard prepares, and so which associates and
// names the module shows. The dossier's tax category gives the first four; only the host's
// override gives the last two.
enum ModeChargement : int {
    kModeSocieteImmobiliere = 0,  // return 2072: property company (category 5)
    kModeSocieteDeMoyens = 1,     // return 2036: company sharing means (category 8)
    kModeNonCommercial = 2,       // return 2035: non-commercial profits (category 3)
    kModeAutreCategorie = 4,      // any other category
    kModeAvecBeneficiaires = 5,   // beneficiaries loaded too, physical persons by birth name
    kModeCloture = 6,             // the year-end closing: every associate, no standing filter
};

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

    // The dossier start-up. A failing migration step ends it (DernierRapportMigration().echec).
    void DemarrerDossier();
    // What the migrations of the last start-up did.
    const RapportMigration& DernierRapportMigration() const { return rapportMigration_; }

    // Subsystems register their field handlers and their migration steps here; the start-up uses
    // what is registered when it runs.
    std::vector<AttacheGestionnaires>& Gestionnaires() { return gestionnaires_; }
    ChainesMigration& Migrations() { return migrations_; }
    std::vector<ControleDemarrage>& ControlesDemarrage() { return controles_; }

    // Holders of the associates table tblAssociesKV. OuvrirAssocies gives the table the index
    // (empty: key order) and the standing filter of `mode` (filtre_associes.hpp) with the extra
    // filter; the first holder opens it, the others find it on its first row. The last to
    // release it (FermerAssocies) closes it; the count never goes below 0.
    bool OuvrirAssocies(int mode, std::string_view index, std::string_view filtre);
    void FermerAssocies();
    int NombreDetenteursAssocies() const { return detenteursAssocies_; }

    // The associates table's calculated-field handler, taken off while another program holds the
    // table (it reads the stored columns, and the handler would cost every row a computation) and
    // put back when it lets go. A second detach keeps what the first took off unless a start-up
    // attached the handler again in between; putting back with nothing kept changes nothing.
    void DetacherCalculsAssocies();
    void RattacherCalculsAssocies();

    // Whether the C interface's cache of the functions and capital in other companies is loaded
    // (the cache itself is in that subsystem's state); cleared by whoever changes those rows.
    bool cacheFonctionsChargee = false;

    // The loading mode: the override when set, else from the dossier's tax category.
    int ModeChargement() const;
    void SetModeChargement(int mode) { modeChargement_ = mode; }
    int ModeChargementForce() const { return modeChargement_; }  // -1 when not overridden

    // The screens' working object of that kind: created from the arguments when none is there (they
    // are ignored otherwise), kept until LibererObjet or the data module goes. std::logic_error
    // when the one there is of another class.
    template <class Objet, class... Arguments>
    Objet& DonnerObjet(ObjetEcran quel, Arguments&&... arguments);
    CKvarn* ObjetPresent(ObjetEcran quel) const { return objets_[Place(quel)].get(); }
    void LibererObjet(ObjetEcran quel) { objets_[Place(quel)].reset(); }

    // A subsystem's state, one per state type: created by the subsystem's installer, destroyed
    // with the data module, before its tables. CreerEtat refuses a second state of one type.
    template <class Etat>
    Etat& CreerEtat(std::unique_ptr<Etat> etat);
    // nullptr when no installer created one.
    template <class Etat>
    Etat* TrouverEtat();
    // std::logic_error when no installer created one.
    template <class Etat>
    Etat& EtatDe();

private:
    void LierSources();

    static std::size_t Place(ObjetEcran quel) { return static_cast<std::size_t>(quel); }

    std::unique_ptr<TdmDonnees> donnees_;
    std::unique_ptr<environment::cEnvironKV> environnement_;
    std::map<std::string, std::unique_ptr<db::CDataSource>, std::less<>> sources_;
    std::vector<AttacheGestionnaires> gestionnaires_;
    ChainesMigration migrations_;
    RapportMigration rapportMigration_;
    std::vector<ControleDemarrage> controles_;
    db::TDataSetNotifyEvent calculsAssociesDetaches_;
    int detenteursAssocies_ = 0;
    int modeChargement_ = -1;
    std::array<std::unique_ptr<CKvarn>, 2> objets_;
    std::map<std::type_index, std::unique_ptr<EtatSousSysteme>> etats_;  // last: goes first
};

template <class Objet, class... Arguments>
Objet& TdmKvarn::DonnerObjet(ObjetEcran quel, Arguments&&... arguments) {
    static_assert(std::is_base_of_v<CKvarn, Objet>);
    std::unique_ptr<CKvarn>& place = objets_[Place(quel)];
    if (!place) place = std::make_unique<Objet>(std::forward<Arguments>(arguments)...);
    if (auto* objet = dynamic_cast<Objet*>(place.get())) return *objet;
    throw std::logic_error(std::string("l'objet d'écran en place n'est pas un ") + typeid(Objet).name());
}

// The associates table held for a scope: OuvrirAssocies on entry, FermerAssocies on every way out.
class AssociesOuverts {
public:
    AssociesOuverts(TdmKvarn& module, int mode, std::string_view index, std::string_view filtre) : module_(module) {
        module_.OuvrirAssocies(mode, index, filtre);
    }
    ~AssociesOuverts() { module_.FermerAssocies(); }
    AssociesOuverts(const AssociesOuverts&) = delete;
    AssociesOuverts& operator=(const AssociesOuverts&) = delete;

private:
    TdmKvarn& module_;
};

template <class Etat>
Etat& TdmKvarn::CreerEtat(std::unique_ptr<Etat> etat) {
    static_assert(std::is_base_of_v<EtatSousSysteme, Etat>);
    auto [place, cree] = etats_.try_emplace(typeid(Etat), std::move(etat));
    if (!cree) throw std::logic_error(std::string("état de sous-système créé deux fois : ") + typeid(Etat).name());
    return static_cast<Etat&>(*place->second);
}

template <class Etat>
Etat* TdmKvarn::TrouverEtat() {
    const auto trouve = etats_.find(typeid(Etat));
    return trouve == etats_.end() ? nullptr : static_cast<Etat*>(trouve->second.get());
}

template <class Etat>
Etat& TdmKvarn::EtatDe() {
    if (Etat* etat = TrouverEtat<Etat>()) return *etat;
    throw std::logic_error(std::string("aucun installateur n'a créé l'état ") + typeid(Etat).name());
}

}  // namespace kvarn::store
