#include "backup/compressed_file.hpp"

#include <algorithm>
#include <cstring>

namespace kvarn::backup {

std::size_t Spool::Read(std::uint8_t* buffer, std::size_t size) {
    if (file_) {
        const std::size_t got = file_->Read(buffer, size);
        failed_ = failed_ || file_->Failed();
        position_ += got;
        return got;
    }
    const std::size_t got =
        std::min<std::size_t>(size, memory_.size() - std::min<std::uint64_t>(position_, memory_.size()));
    if (got > 0) std::memcpy(buffer, memory_.data() + position_, got);
    position_ += got;
    return got;
}

// Sequential writes only, as the codec makes them.
bool Spool::Write(const std::uint8_t* data, std::size_t size) {
    if (!file_ && memory_.size() + size > kInMemory) {
        file_ = os_.CreateScratch();
        failed_ = !file_ || !file_->Write(memory_.data(), memory_.size());
        std::vector<std::uint8_t>().swap(memory_);
    }
    if (failed_) return false;
    if (file_)
        failed_ = !file_->Write(data, size);
    else
        memory_.insert(memory_.end(), data, data + size);
    position_ += size;
    return !failed_;
}

bool Spool::Seek(std::uint64_t offset) {
    if (file_ && !file_->Seek(offset)) return false;
    position_ = offset;
    return true;
}

bool Spool::Truncate() {
    if (file_) return file_->Truncate();
    memory_.resize(std::min<std::uint64_t>(position_, memory_.size()));
    return true;
}

std::optional<std::uint64_t> Spool::Size() {
    return file_ ? file_->Size() : std::optional<std::uint64_t>(memory_.size());
}

}  // namespace kvarn::backup
