// A full disk, as the kernel makes one: every write past a given size of any file of the process
// fails for the object's lifetime. The signal the kernel sends with it is ignored, so the write
// returns an error to the code under test instead of killing the process.
#pragma once

#include <csignal>
#include <cstdint>

#include <sys/resource.h>

namespace kvarn::testing_support {

class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = static_cast<rlim_t>(limit);
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace kvarn::testing_support
