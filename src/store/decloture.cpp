#include "store/decloture.hpp"

#include "common/atomic_file.hpp"
#include "db/database_copy.hpp"
#include "db/errors.hpp"
#include "db/pending_files.hpp"
#include "db/session.hpp"
#include "environment/gest_trp_ini.hpp"
#include "host/boites.hpp"
#include "host/dossier.hpp"
#include "store/cloture.hpp"
#include "store/empreinte_dossier.hpp"

#include <kvarn/kvarn.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvarn::store {
namespace {

namespace fs = std::filesystem;

// The undo's place in the data module's unit, beside the closing's.
constexpr std::uint32_t kPlaceDecloture = 6001;

// A refusal: shown to the user as it stands, nothing done.
class Refus : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::optional<std::string> ContenuSiPresent(const fs::path& fichier) {
    std::error_code erreur;
    if (!fs::is_regular_file(fichier, erreur)) return std::nullopt;
    return ReadWholeFile(fichier);
}

// The host's record file, a name of the dossier directory; empty when the host keeps none.
std::string FichierEnregistrement() { return host::pCurDossier ? host::pCurDossier->FichierEnregistrement() : ""; }

// The settings files in the order the closing's digest took them.
std::vector<std::string> FichiersDuDossier(const fs::path& repertoire) {
    const std::string enregistrement = FichierEnregistrement();
    return {ContenuSiPresent(repertoire / environment::kNomFichierParametres).value_or(""),
            enregistrement.empty() ? "" : ContenuSiPresent(repertoire / enregistrement).value_or("")};
}

ClotureEnregistree Verifier(db::Connection& dossier, const fs::path& repertoire, bool forcer) {
    NettoyerArchivesCloture(repertoire);
    std::optional<ClotureEnregistree> cloture;
    try {
        cloture = LireCloture(repertoire);
    } catch (const ClotureIllisible&) {
        throw Refus(kArchiveClotureIntrouvable);
    }
    if (!cloture) throw Refus(kAucuneClotureAAnnuler);
    std::error_code erreur;
    if (!fs::is_regular_file(repertoire / kRepertoireCloture / cloture->archive, erreur))
        throw Refus(kArchiveClotureIntrouvable);
    if (!forcer && EmpreinteDossier(dossier, FichiersDuDossier(repertoire)) != cloture->empreinte)
        throw Refus(kDossierModifieDepuisCloture);
    return *cloture;
}

// The archive restored into `restauration`; a missing or damaged one is a refusal.
void Restaurer(const fs::path& repertoire, const ClotureEnregistree& cloture, const fs::path& restauration) {
    fs::remove_all(restauration);
    fs::create_directories(restauration);
    try {
        Archivage().restaurer(repertoire / kRepertoireCloture, cloture.archive, restauration);
    } catch (const ArchiveIllisible&) {
        throw Refus(kArchiveClotureIntrouvable);
    }
}

// The restored database, checked whole, with the journal of what the undo does to the files:
// the settings file and the host's record as restored (or removed, when the archive had none),
// the closing's record removed.
std::unique_ptr<db::Connection> OuvrirRestauree(const fs::path& restauration) {
    // The engine would create a missing database empty.
    std::error_code absente;
    if (!fs::is_regular_file(restauration / db::DOSSIER_DATABASE_FILE, absente)) throw Refus(kArchiveClotureIntrouvable);
    std::unique_ptr<db::Connection> base;
    try {
        base = std::make_unique<db::Connection>(restauration / db::DOSSIER_DATABASE_FILE,
                                                db::SessionOptions{}.busyTimeout);
        db::CheckIntegrity(*base);
    } catch (const db::FichierEndommage&) {
        throw Refus(kArchiveClotureIntrouvable);
    }
    base->BeginTransaction();
    db::RecordPendingFile(*base, environment::kNomFichierParametres,
                          ContenuSiPresent(restauration / environment::kNomFichierParametres));
    if (const std::string enregistrement = FichierEnregistrement(); !enregistrement.empty())
        db::RecordPendingFile(*base, enregistrement, ContenuSiPresent(restauration / enregistrement));
    db::RecordPendingFile(*base, kFichierCloture, std::nullopt);
    base->CommitTransaction();
    return base;
}

// The undo once found possible and confirmed. `valide` turns true at the copy.
void Annuler(db::Connection& dossier, const fs::path& repertoire, const ClotureEnregistree& cloture,
             bool& marque, bool& valide) {
    const fs::path restauration = repertoire / kRepertoireCloture / kRepertoireRestauration;
    Restaurer(repertoire, cloture, restauration);
    PointDeCoupure(kPointDeclotureRestauree);
    {
        const std::unique_ptr<db::Connection> restauree = OuvrirRestauree(restauration);
        PointDeCoupure(kPointDeclotureJournalisee);
        db::MarkPendingFiles(repertoire);
        marque = true;
        PointDeCoupure(kPointDeclotureMarquee);
        db::CopyDatabase(*restauree, dossier);
        valide = true;
    }
    int point = kPointDeclotureCopiee;
    PointDeCoupure(point);
    db::FinishPendingFiles(dossier, repertoire, [&point] { PointDeCoupure(++point); });
    // The record gone, its archive and the restored files go with it.
    NettoyerArchivesCloture(repertoire);
}

// What an undo stopped before its copy leaves behind: the dossier holds no row of its journal,
// so the marker only goes, with the restored files.
void Defaire(const fs::path& repertoire, bool marque) {
    if (repertoire.empty()) return;
    std::error_code erreur;
    fs::remove_all(repertoire / kRepertoireCloture / kRepertoireRestauration, erreur);
    if (marque) fs::remove(repertoire / db::PENDING_MARKER_FILE, erreur);
}

}  // namespace

bool Decloturer(bool forcer, const std::function<bool(const ClotureEnregistree&)>& confirmer) {
    const ServicesCloture& services = ServicesInscrits();
    TdmKvarn* module = services.dataModule ? services.dataModule() : nullptr;
    bool demarre = false, marque = false, valide = false, fait = false;
    fs::path repertoire;
    try {
        if (!module) throw std::logic_error("Annulation impossible : le module de données n'est pas créé");
        InitKV();
        demarre = true;
        environment::CGestTRPIni* parametres = module->Environnement().GestIni();
        if (!parametres) throw std::logic_error("Annulation impossible : les paramètres du dossier ne sont pas ouverts");
        repertoire = parametres->Repertoire();
        db::Connection& dossier = module->Donnees().Session().connection();
        const ClotureEnregistree cloture = Verifier(dossier, repertoire, forcer);
        if (!confirmer || confirmer(cloture)) {
            PointDeCoupure(kPointDeclotureVerifiee);
            Annuler(dossier, repertoire, cloture, marque, valide);
            fait = true;
        }
    } catch (const Refus& refus) {
        Defaire(repertoire, marque);
        host::ZORErreur(refus.what());
    } catch (const std::exception& erreur) {
        if (!valide) Defaire(repertoire, marque);
        const std::runtime_error suite(valide ? std::string("L'annulation de la clôture est enregistrée, mais ses "
                                                            "fichiers seront écrits à la prochaine ouverture du "
                                                            "dossier : ") + erreur.what()
                                              : std::string(erreur.what()));
        host::ZORDisplayException(host::CodeLocalisation(kUniteDataModule, kPlaceDecloture), suite);
    }
    if (module) services.oublierListes(*module);
    if (demarre) DesinitKV();
    return fait;
}

}  // namespace kvarn::store
