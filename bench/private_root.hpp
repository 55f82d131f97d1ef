// A private directory for one benchmark run: the program's data and temporary directories point
// into it, so that a run never reads or leaves anything in the user's own.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kvarn::bench {

inline std::filesystem::path PrivateRoot() {
    static const std::filesystem::path base = std::filesystem::temp_directory_path();  // before TMPDIR moves
    std::string pattern = (base / "kvarn-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    setenv("XDG_DATA_HOME", pattern.c_str(), 1);
    setenv("TMPDIR", pattern.c_str(), 1);
    return pattern;
}

}  // namespace kvarn::bench
