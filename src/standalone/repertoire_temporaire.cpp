#include "standalone/repertoire_temporaire.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>

namespace kvarn::standalone {
namespace {

class Directory {
public:
    Directory() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/kvarn-XXXXXX";
        if (!::mkdtemp(pattern.data()))  // mkdtemp creates it with mode 0700
            throw std::runtime_error("Impossible de créer le répertoire temporaire " + pattern + " : " +
                                     std::strerror(errno));
        path_ = pattern;
    }
    ~Directory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Directory(const Directory&) = delete;
    Directory& operator=(const Directory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& RepertoireTemporaire() {
    static const Directory directory;
    return directory.path();
}

}  // namespace kvarn::standalone
