#include "standalone/nouveau_dossier.hpp"

#include "store/nouveau_dossier.hpp"

#include <system_error>

namespace kvarn::standalone {

void CreerNouveauDossier(const std::filesystem::path& repertoire, const DossierFichier::Changements& valeurs) {
    const bool repertoireCree = !std::filesystem::exists(repertoire);
    DossierFichier::Creer(repertoire, valeurs);
    try {
        store::InitialiserNouveauDossier(repertoire);
    } catch (...) {
        // A record without its tables would open as a dossier and migrate from nothing.
        std::error_code ignore;
        if (repertoireCree) std::filesystem::remove_all(repertoire, ignore);
        else std::filesystem::remove(repertoire / kFichierDossier, ignore);
        throw;
    }
}

}  // namespace kvarn::standalone
