#include "common/file_lock.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kvarn {

FileLock::FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait) {
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        throw std::runtime_error("Le fichier « " + file.string() + " » ne peut pas être ouvert (" +
                                 std::strerror(errno) + ")");
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::chrono::milliseconds pause{1};
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) break;  // no locking here: go on unlocked
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            fd_ = -1;
            throw FileLockTimeout("Le fichier « " + file.string() + " » est tenu par un autre programme");
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds{20});
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace kvarn
