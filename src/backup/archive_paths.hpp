// Where a directory or a file of this machine sits inside an archive, and back; and the names of
// an archive's own files.
//
// An archive stores a directory's path in the ANSI code page with backslashes: relative to the
// root of the backup ("S\T\", and ".\" for the root itself), or absolute, beginning with a drive
// letter and ":" when the directory lies outside the root. This machine has no drive letters: as
// the usual convention between the two worlds has it, Z: stands for "/", so /home/cab/d/ is stored
// "Z:\home\cab\d\" and "Z:\home\cab\d\" comes back as /home/cab/d/. Other letters name nothing
// here; their paths can only be restored under a root, where the drive part is replaced anyway.
//
// Reading is where a damaged or hostile archive could aim outside the directory being restored
// into, so a stored path is split into plain components and refused when any of them is "..",
// holds a "/" or a NUL, whatever the mapping did before. Names are checked the same way.
#pragma once

#include "backup/br_codes.hpp"

#include <filesystem>
#include <string>
#include <string_view>

namespace kvarn::backup {

// Why a name or path cannot go into an archive; None when it can.
enum class EncodeProblem { None, Unrepresentable, ForbiddenCharacter, TooLong };

struct Encoded {
    std::string bytes;  // CP1252
    EncodeProblem problem = EncodeProblem::None;
};

// The archive form of a file name: CP1252, without "\" or ":", at most 239 bytes.
Encoded EncodeName(std::string_view utf8Name);

// The archive form of the directory `dir` (absolute, local): relative to `root` when it lies
// under it (root absolute and ending with "/", or empty), otherwise absolute through Z:; at most
// 260 bytes.
Encoded EncodePath(const std::filesystem::path& dir, const std::string& root);

// Where the files of a stored directory go: `root` (the directory restored into) and, below it,
// the plain components of `relative`, none of which is "." or "..".
struct LocalDirectory {
    std::filesystem::path root;
    std::filesystem::path relative;
    std::filesystem::path Full() const { return relative.empty() ? root : root / relative; }
};

struct Decoded {
    BR_CODE code = BR_OK;  // BR_ERR_BR_FILE_CORRUPTED or BR_ERR_BR_PATH_NOT_FOUND on refusal
    LocalDirectory directory;
};

// The local directory of a stored path (CP1252 bytes, terminating zero removed) restored under
// `root` (absolute, ending with "/"). "" and ".\" both mean the root. An absolute path is kept when
// it already lies under the root and is otherwise re-rooted there, its drive dropped. With an empty
// root, absolute paths are restored where they name and relative ones under `current` (the current
// directory, absolute, ending with "/").
Decoded DecodePath(std::string_view stored, const std::string& root, const std::string& current);

// Whether a stored file name can be created as one entry of a directory.
bool IsSafeStoredName(std::string_view bytes);

// The file name of an archive's volumes: `name` upper-cased, ".BR" added when it holds no ".".
std::string VolumeFileName(const std::string& name);
// Its checksum manifest, beside it: "SAUVEGARDE.BR" gives "SAUVEGARDE.SHA256", "ESSAI.V1" gives
// "ESSAI.V1.SHA256".
std::string ManifestFileName(const std::string& volumeFileName);

}  // namespace kvarn::backup
