// The archive of a dossier's files taken before a year-end closing and restored by its undo: the
// component over the dossier directory alone (its subdirectories, the closings' own among them,
// stay out), one volume on the dossier's own disk with its checksum manifest, and nothing shown
// (no box, no bar: the closing shows its own), its messages kept for the error raised.
#include "backup/backup_restore.hpp"
#include "store/cloture_enregistree.hpp"

#include <stdexcept>

namespace kvarn::backup {
namespace {

namespace fs = std::filesystem;

class ComposantSilencieux {
public:
    ComposantSilencieux(const fs::path& volumes, const std::string& nom, const fs::path& repertoire) {
        // The component's own walk of the directory stays; nothing is shown.
        composant_.SetAutoEvents({eBRGetPatternToBackup});
        composant_.SetBRDirectory(volumes.string());
        composant_.SetBRFileName(nom);
        composant_.SetDirectory(repertoire.string());
        composant_.SetManifest(true);
        composant_.OnEnd = [this](CBackupRestore&, BR_CODE, const std::string& texte, bool) { message_ = texte; };
        composant_.OnError = composant_.OnEnd;
        composant_.OnHardError = [this](CBackupRestore&, BR_CODE, const std::string& texte, bool& abandon, bool) {
            message_ = texte;
            abandon = true;
        };
    }
    CBackupRestore& operator*() { return composant_; }
    const std::string& Message() const { return message_; }

private:
    CBackupRestore composant_;
    std::string message_;
};

void Sauvegarder(const fs::path& repertoire, const fs::path& vers, const std::string& nom) {
    ComposantSilencieux composant(vers, nom, repertoire);
    (*composant).SetSubDirectory(false);
    if ((*composant).Backup() != BR_OK)
        throw std::runtime_error("L'archive d'avant la clôture n'a pas pu être écrite : " + composant.Message());
}

// The archive is at fault (the undo refuses) rather than the place restored into (a disk full,
// a write refused: the undo fails, and may be tried again).
bool ArchiveEnCause(BR_CODE code) {
    return code == BR_ERR_BR_FILE_CORRUPTED || code == BR_ERR_EXPLODING_FILE || code == BR_ERR_BR_PATH_NOT_FOUND;
}

void Restaurer(const fs::path& depuis, const std::string& nom, const fs::path& cible) {
    std::error_code erreur;
    if (!fs::is_regular_file(depuis / nom, erreur)) throw store::ArchiveIllisible((depuis / nom).string() + " absent");
    ComposantSilencieux composant(depuis, nom, cible);
    const BR_CODE code = (*composant).Restore();
    if (code == BR_OK && (*composant).GetRestoreReport().keptExisting == 0) return;
    if (ArchiveEnCause(code)) throw store::ArchiveIllisible(composant.Message());
    throw std::runtime_error("L'archive d'avant la clôture n'a pas pu être restaurée : " + composant.Message());
}

[[maybe_unused]] const bool kInscrit = [] {
    store::InscrireArchivageCloture({.sauvegarder = Sauvegarder, .restaurer = Restaurer});
    return true;
}();

}  // namespace
}  // namespace kvarn::backup
