// main() of every test executable.
//
// Each run gets a fresh temporary directory and points XDG_DATA_HOME, HOME and TMPDIR into it, so
// that no test reads or leaves state outside it; it is removed at the end unless
// KVARN_KEEP_TEST_DIR is set. Local time is French time with its summer rule, so that local-time
// code is exercised even on a machine set to UTC, and the locale is fixed.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include <unistd.h>

namespace {

std::filesystem::path MakeFreshRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvarn-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(3);
    }
    return pattern;
}

void Point(const char* variable, const std::filesystem::path& path) {
    std::filesystem::create_directories(path);
    setenv(variable, path.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path root = MakeFreshRoot();
    Point("HOME", root / "home");
    Point("XDG_DATA_HOME", root / "home" / ".local" / "share");
    Point("TMPDIR", root / "tmp");
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    setenv("LC_ALL", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "C.UTF-8");

    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();

    if (std::getenv("KVARN_KEEP_TEST_DIR")) {
        std::cerr << "test directory kept: " << root << '\n';
    } else {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    return status;
}
