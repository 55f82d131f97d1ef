// What the dossier keeps of its last closing so that it can be undone: the record
// ".cloture/cloture.ini" and, beside it, the archive of the dossier's files as they were before.
//
// The closing archives the dossier directory's files into ".cloture/" under a name of its own,
// then writes the record through its transaction's journal (a pending file): the record exists
// exactly when the closing committed, and names its archive. Any other archive in ".cloture/"
// belongs to a closing that did not commit, or to one undone or overtaken since, and goes at the
// start of the next closing or undo. The record is the program's own file: UTF-8, LF.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace kvarn::store {

inline constexpr const char* kRepertoireCloture = ".cloture";
// The record's name in the dossier directory, as the journal of pending files names it.
inline constexpr const char* kFichierCloture = ".cloture/cloture.ini";
// Where the undo restores the archive before putting it in place.
inline constexpr const char* kRepertoireRestauration = "restauration";

struct ClotureEnregistree {
    double debut = 0;  // the closed year
    double fin = 0;
    std::time_t moment = 0;
    std::string archive;  // the archive's volume file in ".cloture/"
    std::uint64_t empreinte = 0;  // of the dossier once closed (empreinte_dossier.hpp)
    friend bool operator==(const ClotureEnregistree&, const ClotureEnregistree&) = default;
};

class ClotureIllisible : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An archive that is missing, or that does not restore whole and as its manifest says.
class ArchiveIllisible : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The archive component lives above the store (src/backup), which registers these once.
struct ArchivageCloture {
    // Saves the files of `repertoire` (not its subdirectories), with a checksum manifest, as the
    // volume `nom` of `vers`; throws on failure.
    std::function<void(const std::filesystem::path& repertoire, const std::filesystem::path& vers,
                       const std::string& nom)>
        sauvegarder;
    // Restores the volume `nom` of `depuis` into `cible`, checked against its manifest; throws
    // ArchiveIllisible when it cannot.
    std::function<void(const std::filesystem::path& depuis, const std::string& nom,
                       const std::filesystem::path& cible)>
        restaurer;
};

void InscrireArchivageCloture(ArchivageCloture archivage);
// Throws std::logic_error when nothing registered it.
const ArchivageCloture& Archivage();

std::string ImageCloture(const ClotureEnregistree& cloture);
// The record of `repertoire` (the dossier directory); nullopt when there is none. Throws
// ClotureIllisible for a record that cannot be read.
std::optional<ClotureEnregistree> LireCloture(const std::filesystem::path& repertoire);

// A volume file name free in ".cloture/", made of the moment ("CLOTURE-20261231-235959.BR"),
// already in the form the archive component gives its volumes.
std::string NomArchiveLibre(const std::filesystem::path& repertoire, std::time_t moment);

// Removes from ".cloture/" every archive the record does not name (its volume and checksum
// manifest), and the restore directory. A record that cannot be read keeps everything.
void NettoyerArchivesCloture(const std::filesystem::path& repertoire);

}  // namespace kvarn::store
