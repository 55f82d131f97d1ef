// GenererFichierEGE_ISA: the exported writer of the exchange file.
//
// Inside the InitKV bracket, it gathers the dossier's data (lecture_isa.hpp), makes the file's
// bytes (fichier_isa.hpp) and only then writes them, to a temporary file beside the target renamed
// over it once complete: a damaged holdings file or a full disk leaves nothing behind. Errors go
// to the host's exception box with this unit's location code.
#include <kvarn/export_isa.hpp>

#include "common/atomic_file.hpp"
#include "export/fichier_isa.hpp"
#include "export/lecture_isa.hpp"
#include "frame/exports_proteges.hpp"

namespace {

// The exchange file's unit in the exception box's location codes.
constexpr std::uint32_t kUniteExportISA = 8010;
constexpr std::uint32_t kPlaceGeneration = 1;

}  // namespace

bool GenererFichierEGE_ISA(const std::string& chemin, bool drapeau, const std::vector<ResultatExportISA>& resultats) {
    return kvarn::frame::ProtegerDansInitKV(kUniteExportISA, kPlaceGeneration, [&](kvarn::store::TdmKvarn& module) {
        const auto donnees = kvarn::exportisa::RecueillirDonneesISA(module.Donnees(), drapeau, resultats);
        kvarn::WriteFileAtomically(chemin, kvarn::exportisa::ContenuFichierISA(donnees));
    });
}
