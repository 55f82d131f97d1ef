#include "standalone/repertoire_temporaire.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>

namespace kvarn::standalone {
namespace {

std::filesystem::path Creer() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kvarn-XXXXXX";
    if (!::mkdtemp(pattern.data()))  // mkdtemp creates it with mode 0700
        throw std::runtime_error("Impossible de créer le répertoire temporaire " + pattern + " : " +
                                 std::strerror(errno));
    return pattern;
}

class Directory {
public:
    ~Directory() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }

    // A cleaner of temporary directories may remove it while the process runs: it is then made
    // anew rather than leaving every later step failing on a missing directory.
    const std::filesystem::path& path() {
        std::error_code erreur;
        if (path_.empty() || !std::filesystem::is_directory(path_, erreur)) path_ = Creer();
        return path_;
    }

private:
    std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& RepertoireTemporaire() {
    static Directory directory;
    return directory.path();
}

}  // namespace kvarn::standalone
