// Files for tests: a fresh directory under the run's temporary home (test_main.cpp gives each
// executable its own), and a file's bytes read or written whole, as the code under test leaves
// them on disk.
#pragma once

#include <filesystem>
#include <string>

namespace kvarn::testing_support {

// A new, empty directory, never handed out twice in one run.
std::filesystem::path FreshDirectory(const std::string& stem);
// The file's bytes; "" when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);
// Writes the bytes as another program would, creating the directories above the file.
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace kvarn::testing_support
