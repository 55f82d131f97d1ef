// The host's file services.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvarn::host {

// True when the file exists (the second argument, a file mask of the host, is unused here).
bool ZORFileExist(const std::string& chemin, const std::string& masque = "");
// Deletes a file; true when it is gone.
bool ZorFileDirDelete(const std::string& chemin, bool confirmer = false);
// Empties a directory (files and subdirectories), keeping the directory itself and, when given,
// the names listed. True when everything else is gone.
bool ZorDirDeleteContenu(const std::string& repertoire, const std::vector<std::string>* garder = nullptr,
                         bool confirmer = false);
// Free bytes of the drive holding `chemin`; false when it cannot be told.
bool ZORGetFreeSpace(const std::string& chemin, std::int64_t& libre);

}  // namespace kvarn::host
