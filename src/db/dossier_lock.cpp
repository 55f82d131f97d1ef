#include "db/dossier_lock.hpp"

#include "db/errors.hpp"

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kvarn::db {

DossierLock::DossierLock(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        throw DbError("Le fichier « " + file.string() + " » ne peut pas être ouvert (" +
                      std::strerror(errno) + ")");
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            fd_ = -1;
            throw DossierEnCoursUtilisation();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

DossierLock::~DossierLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace kvarn::db
