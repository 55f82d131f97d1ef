// The command family that saves a directory into an archive, restores one, lists an archive's
// contents and checks it.
//
// Each handler drives the backup component through the standalone host's console boxes: the
// progress bar on stderr when stderr is a terminal, errors and the result message on stderr,
// disk requests asked on the terminal or answered by --oui/--non. Volumes lie in one directory
// (a fixed drive), or on a simulated removable drive: a disk size makes the volume directory a
// drive of disks of that size, whose changes the user makes between requests; a list of
// directories gives the successive disks without asking. A backup writes its checksum manifest
// beside the last volume; a restore and a verification check the archive against it when it is
// there. Exit status 0 when the component reports success, 1 with its message otherwise.
#pragma once

#include "run.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace kvarn::cli {

struct SauvegarderOptions {
    std::string source;
    std::string vers;
    std::string nom = "SAUVEGARDE";
    std::string description;
    bool sousRepertoires = false;
    std::uint64_t tailleVolume = 0;      // bytes of each disk; 0: no simulated disk size
    std::vector<std::string> disques;  // the successive disks, instead of --vers
};

struct RestaurerOptions {
    std::string depuis;
    std::string nom = "SAUVEGARDE";
    std::string vers;
    bool ecraser = false;
    std::vector<std::string> disques;  // volume 1 on the first, 2 on the second, ..., instead of --depuis
};

struct ArchiveOptions {
    std::string depuis;
    std::string nom = "SAUVEGARDE";
    bool json = false;
    std::vector<std::string> disques;
};

int Sauvegarder(const GlobalOptions& globals, const SauvegarderOptions& options);
// Reads the archive once. A file already in the way is replaced with `ecraser`, otherwise asked
// about as the archive names it (no: kept, and the status is 1). What precedes damage is given
// back, and the account says where the damage lies.
int Restaurer(const GlobalOptions& globals, const RestaurerOptions& options);
// Description, directories and files of the archive, on stdout; writes nothing.
int ListerArchive(const GlobalOptions& globals, const ArchiveOptions& options);
// Reads every volume and expands every file without keeping any; says on stdout what was proved:
// everything against the manifest, or the structure only.
int VerifierArchive(const GlobalOptions& globals, const ArchiveOptions& options);

}  // namespace kvarn::cli
