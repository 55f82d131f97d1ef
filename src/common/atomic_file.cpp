#include "common/atomic_file.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvarn {
namespace {

std::function<void(const std::filesystem::path&)>& BeforeRenameHook() {
    static std::function<void(const std::filesystem::path&)> hook;
    return hook;
}

[[noreturn]] void Fail(const std::string& what, const std::filesystem::path& path, int error) {
    throw std::runtime_error("Impossible d'écrire le fichier " + path.string() + " (" + what +
                             " : " + std::strerror(error) + ")");
}

void WriteAll(int fd, std::string_view content, const std::filesystem::path& target) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail("écriture", target, errno);
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
}

void SyncDirectory(const std::filesystem::path& directory, const std::filesystem::path& target) {
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) Fail("ouverture du répertoire", target, errno);
    const int status = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (status != 0) Fail("synchronisation du répertoire", target, error);
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    const std::filesystem::path directory = target.parent_path();
    std::string temporary = (directory / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) Fail("création du fichier temporaire", target, errno);
    try {
        WriteAll(fd, content, target);
        if (::fsync(fd) != 0) Fail("synchronisation", target, errno);
        if (::close(fd) != 0) {
            const int error = errno;
            ::unlink(temporary.c_str());
            Fail("fermeture", target, error);
        }
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    try {
        if (BeforeRenameHook()) BeforeRenameHook()(target);
        // mkstemp creates the file readable by its owner only; settings and records are ordinary
        // files of the user's, readable as any file they create.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(temporary.c_str(), 0666 & ~mask);
        if (::rename(temporary.c_str(), target.c_str()) != 0) Fail("renommage", target, errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    SyncDirectory(directory, target);
}

void SetBeforeRenameHookForTests(std::function<void(const std::filesystem::path&)> hook) {
    BeforeRenameHook() = std::move(hook);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Impossible de lire le fichier " + path.string());
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw std::runtime_error("Impossible de lire le fichier " + path.string());
    return content.str();
}

}  // namespace kvarn
