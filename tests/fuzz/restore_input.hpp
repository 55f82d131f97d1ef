// Restores one archive held in memory, for the fuzz target of the restore path and for the test
// that replays the inputs it found.
//
// The input's bytes, cut at each "KVOL", are the volumes of the archive: one volume is a fixed
// drive; several are the disks of a removable drive, handed over one per disk request until none
// is left. Everything happens in memory behind the OS layer: volumes are read from the input, the
// temporary file is a buffer, and restored files go to a sink that keeps no data but checks that
// each one would be created below the directory restored into.
#pragma once

#include "backup/br_codes.hpp"
#include "backup/os_layer.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::backup::fuzzing {

inline constexpr std::string_view kVolumeSeparator = "KVOL";

struct RestoreOutcome {
    BR_CODE code = BR_OK;
    std::size_t filesCommitted = 0;
    std::size_t unsafePlaces = 0;  // files the engine asked to create outside the target
    std::uint64_t bytesWritten = 0;
};

RestoreOutcome RestoreFromMemory(const std::uint8_t* data, std::size_t size);

// A file in memory: a volume (read only), the temporary file, or a restored file.
class MemoryStream : public virtual Stream {
public:
    explicit MemoryStream(std::string bytes = {}, bool writable = true)
        : bytes_(std::move(bytes)), writable_(writable) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t size) override;
    bool Write(const std::uint8_t* data, std::size_t size) override;
    bool Seek(std::uint64_t offset) override;
    bool Truncate() override;
    std::uint64_t Position() const override { return position_; }
    std::optional<std::uint64_t> Size() override { return bytes_.size(); }
    bool Failed() const override { return false; }

protected:
    std::string bytes_;

private:
    std::uint64_t position_ = 0;
    bool writable_;
};

// A restored file that, once committed, hands its bytes over.
class MemoryFile final : public MemoryStream, public PendingFile {
public:
    explicit MemoryFile(std::function<void(std::string bytes)> committed)
        : committed_(std::move(committed)) {}
    bool Seal(const FileStamp*) override { return true; }
    bool Publish() override;
    bool FlushName() override { return true; }

private:
    std::function<void(std::string bytes)> committed_;
};

// Volumes joined as the fuzz input carries them.
std::string JoinVolumes(const std::vector<std::string>& volumes);

}  // namespace kvarn::backup::fuzzing
