// Work in a child process, for the tests of a second process and of what a process's limits
// (a full disk, dropped privileges) do to the code under test: the child runs the work and exits
// with the status it returns, or 99 on an exception.
#pragma once

#include <functional>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvarn::testing_support {

inline pid_t StartChild(const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    int status = 99;
    try {
        status = work();
    } catch (...) {
    }
    ::_exit(status);
}

// The child's exit status; -1 when it did not exit on its own.
inline int ExitStatus(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

inline int RunInChild(const std::function<int()>& work) { return ExitStatus(StartChild(work)); }

}  // namespace kvarn::testing_support
