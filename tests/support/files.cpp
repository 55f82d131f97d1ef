#include "support/files.hpp"

#include <fstream>
#include <iterator>

#include <unistd.h>

namespace kvarn::testing_support {

std::filesystem::path FreshDirectory(const std::string& stem) {
    static int counter = 0;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      (stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace kvarn::testing_support
