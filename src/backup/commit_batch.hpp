// The files a restore completes, given their final names a batch at a time.
//
// Each file is written under a temporary name and takes its final name only once its data are
// on the disk, as before; but instead of waiting on the disk once per file, the restore hands
// each whole file here, which starts its data on their way and goes on: every `maxFiles` files or
// `maxBytes` bytes, and when the restore ends, the batch waits for the disk once, renames its
// files in the order given, and flushes their names. A process killed at any moment leaves
// every file either as it was or whole and new, never partly written; a temporary it leaves is
// swept away by a later run. The batch owns the files handed to it until they are named; those
// not named when it is dropped are removed.
#pragma once

#include "backup/os_layer.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kvarn::backup {

class CommitBatch {
public:
    CommitBatch(std::size_t maxFiles, std::uint64_t maxBytes)
        : maxFiles_(maxFiles), maxBytes_(maxBytes) {}

    // Takes `file`, whole, `bytes` long, to be named `path` (as reported); commits the batch when
    // it is full. False when the file, or the batch it closed, could not be committed: Failure()
    // names the file.
    bool Add(std::unique_ptr<PendingFile> file, const FileStamp& stamp, const std::string& path,
             std::uint64_t bytes);
    // Names every file taken. False when one could not be: it and those after it are dropped.
    bool Commit();

    // Whether a file taken to be named `path` is waiting for its name.
    bool Holds(const std::string& path) const { return paths_.count(path) > 0; }
    std::size_t Committed() const { return committed_; }
    const std::string& Failure() const { return failure_; }

private:
    struct Waiting {
        std::unique_ptr<PendingFile> file;
        std::string path;
    };

    std::size_t maxFiles_;
    std::uint64_t maxBytes_;
    std::vector<Waiting> waiting_;
    std::multiset<std::string> paths_;
    std::uint64_t bytes_ = 0;
    std::size_t committed_ = 0;
    std::string failure_;
};

}  // namespace kvarn::backup
