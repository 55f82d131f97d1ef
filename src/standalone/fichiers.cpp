// The host's file services, over the local file system.
#include "host/fichiers.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <sys/statvfs.h>

namespace kvarn::host {

bool ZORFileExist(const std::string& chemin, const std::string&) {
    std::error_code erreur;
    return std::filesystem::exists(chemin, erreur);
}

bool ZorFileDirDelete(const std::string& chemin, bool) {
    std::error_code erreur;
    std::filesystem::remove(chemin, erreur);
    return !std::filesystem::exists(std::filesystem::symlink_status(chemin, erreur));
}

bool ZorDirDeleteContenu(const std::string& repertoire, const std::vector<std::string>* garder, bool) {
    std::error_code erreur;
    bool tout = true;
    for (const auto& entree : std::filesystem::directory_iterator(repertoire, erreur)) {
        const std::string nom = entree.path().filename().string();
        if (garder && std::find(garder->begin(), garder->end(), nom) != garder->end()) continue;
        std::error_code suppression;
        std::filesystem::remove_all(entree.path(), suppression);  // does not follow symbolic links
        tout = tout && !suppression;
    }
    return tout && !erreur;
}

bool ZORGetFreeSpace(const std::string& chemin, std::int64_t& libre) {
    struct statvfs info {};
    if (::statvfs(chemin.c_str(), &info) != 0) return false;
    libre = static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
    return true;
}

}  // namespace kvarn::host
