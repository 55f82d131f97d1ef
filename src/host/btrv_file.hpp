// The host's record file: a file of fixed-length records, read whole and replaced whole.
//
// The module keeps a few small lists of its own outside the tables (the companies the dossier
// holds shares in); each is one such file, whose records the module lays out and the host stores
// without knowing what they mean. Reading checks the whole file (its header, its length, its
// checksum) and refuses a damaged one with FichierEnregistrementsEndommage rather than give part
// of it; a missing file holds no record. Writing replaces the file atomically: a failure leaves
// the previous file as it was. The on-disk layout belongs to the implementation.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvarn::host {

// The file exists but is not a sound record file of the expected record length.
class FichierEnregistrementsEndommage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CBtrvFile {
public:
    // A file at `chemin` whose records are `longueurEnregistrement` bytes each.
    CBtrvFile(std::string chemin, std::size_t longueurEnregistrement);

    const std::string& Chemin() const { return chemin_; }
    bool Existe() const;
    // Every record in file order; none for a missing file.
    std::vector<std::string> LireTout() const;
    // Replaces the file's records; std::invalid_argument for a record of another length, the
    // file untouched; std::runtime_error (with the file's name) when it cannot be written.
    void EcrireTout(const std::vector<std::string>& enregistrements) const;

private:
    std::string chemin_;
    std::size_t longueur_;
};

}  // namespace kvarn::host
