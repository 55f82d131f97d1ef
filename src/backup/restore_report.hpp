// What the component's last restore or verification did, and its account in French sentences.
//
// The component fills a report as it reads: the files it gave back (or read whole and found
// sound, in a verification), the files already in the way it left alone, where it stopped when it
// stopped before the end of the archive, and what became of the checksum manifest. Programs show
// the account after the component's own end message; it names no option of any program.
#pragma once

#include "backup/br_codes.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace kvarn::backup {

enum class ManifestUse {
    NotAsked,      // the operation did not look for one
    Absent,        // none where it was looked for
    Checked,       // the archive was read against it
    Unreadable,    // there, but not a manifest
    OtherArchive,  // the manifest of another backup
};

struct RestoreReport {
    std::size_t restored = 0;
    std::size_t keptExisting = 0;
    std::string firstKept;  // the first file kept, as its path on this machine
    // Where reading stopped short: the file being read, as the archive names it ("S\deux"), or,
    // between files, the last one read whole. Both empty: before the first file.
    std::string stoppedIn;
    std::string stoppedAfter;
    // A volume read from a fixed drive ended where the archive goes on: a cut archive, or the first
    // disk of a set.
    bool endedEarly = false;
    ManifestUse manifest = ManifestUse::NotAsked;
    std::string manifestPath;
};

// One sentence a line: the files given back, those left alone, where the operation stopped and
// what was not done, what the manifest proved.
std::vector<std::string> DescribeRestore(const RestoreReport& report, BR_CODE code, bool verifying);

}  // namespace kvarn::backup
