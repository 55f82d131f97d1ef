#include "backup/commit_batch.hpp"

namespace kvarn::backup {

bool CommitBatch::Add(std::unique_ptr<PendingFile> file, const FileStamp& stamp,
                      const std::string& path, std::uint64_t bytes) {
    if (!file->Seal(&stamp)) {
        failure_ = path;
        return false;
    }
    waiting_.push_back({std::move(file), path});
    paths_.insert(path);
    bytes_ += bytes;
    return (waiting_.size() < maxFiles_ && bytes_ < maxBytes_) || Commit();
}

bool CommitBatch::Commit() {
    std::size_t published = 0;
    for (; published < waiting_.size(); ++published)
        if (!waiting_[published].file->Publish()) {
            failure_ = waiting_[published].path;
            break;
        }
    for (std::size_t i = 0; i < published; ++i) waiting_[i].file->FlushName();
    committed_ += published;
    const bool whole = published == waiting_.size();
    waiting_.clear();  // the files not named go, and their temporaries with them
    paths_.clear();
    bytes_ = 0;
    return whole;
}

}  // namespace kvarn::backup
