// The command family that saves a directory into an archive, restores one, lists an archive's
// contents and checks it.
//
// Each handler drives the backup component with the console's ways of showing things: the
// progress bar on stderr when stderr is a terminal, errors and the result message on stderr.
// Exit status 0 when the component reports success, 1 with its message otherwise.
#pragma once

#include <string>

namespace kvarn::cli {

struct SauvegarderOptions {
    std::string source;
    std::string vers;
    std::string nom = "SAUVEGARDE";
    std::string description;
    bool sousRepertoires = false;
};

struct RestaurerOptions {
    std::string depuis;
    std::string nom = "SAUVEGARDE";
    std::string vers;
    bool ecraser = false;
};

struct ArchiveOptions {
    std::string depuis;
    std::string nom = "SAUVEGARDE";
    bool json = false;
};

int Sauvegarder(const SauvegarderOptions& options);
// Refuses, before writing anything, to replace existing files unless `ecraser` is set.
int Restaurer(const RestaurerOptions& options);
// Description, directories and files of the archive, on stdout; writes nothing.
int ListerArchive(const ArchiveOptions& options);
// Reads every volume and expands every file without keeping any.
int VerifierArchive(const ArchiveOptions& options);

}  // namespace kvarn::cli
