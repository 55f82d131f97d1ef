// Replacing a file so that a crash never leaves it half written.
//
// The new content goes to a uniquely named temporary file beside the target, is flushed to the
// disk, renamed over the target, and the directory is flushed so the rename itself survives a
// power cut. Until the rename the previous file is untouched; after it, the new one is complete.
// Used by every file the standalone host and the settings store persist.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace kvarn {

// Throws std::runtime_error naming the file when any step fails; the target is then unchanged and
// the temporary file removed.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Fault injection for tests: when set, called after the temporary file is written and flushed and
// before the rename; throwing from it simulates a crash at that point. Pass nullptr to clear.
void SetBeforeRenameHookForTests(std::function<void(const std::filesystem::path& target)> hook);

// The whole content of a file; throws std::runtime_error naming the file when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace kvarn
