// One file of a backup on its way to the volume: opened by the thread that writes the volume,
// imploded by a thread of the pool into a spool of its own, then stored by the writing thread,
// imploded or as it is, in the directory's order.
//
// The spool keeps the imploded bytes in memory up to a limit and past it in a temporary file of
// the OS layer, so that memory stays flat whatever the size of the files. The file owns its source
// stream and its spool; whoever hands it to the pool waits for the job before dropping it.
#pragma once

#include "backup/br_codes.hpp"
#include "backup/os_layer.hpp"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kvarn::backup {

class Spool final : public Stream {
public:
    explicit Spool(OsLayer& os) : os_(os) {}

    std::size_t Read(std::uint8_t* buffer, std::size_t size) override;
    bool Write(const std::uint8_t* data, std::size_t size) override;
    bool Seek(std::uint64_t offset) override;
    bool Truncate() override;
    std::uint64_t Position() const override { return position_; }
    std::optional<std::uint64_t> Size() override;
    bool Failed() const override { return failed_; }

    static constexpr std::size_t kInMemory = std::size_t{1} << 20;

private:
    OsLayer& os_;
    std::vector<std::uint8_t> memory_;
    std::unique_ptr<Stream> file_;  // once the bytes outgrow memory_, all of them are here
    std::uint64_t position_ = 0;
    bool failed_ = false;
};

struct CompressedFile {
    CompressedFile(OsLayer& os, std::unique_ptr<Stream> source, std::uint32_t originalSize)
        : file(std::move(source)), size(originalSize), spool(os) {}

    bool Imploded() const { return stored < size; }

    std::unique_ptr<Stream> file;
    std::uint32_t size;
    Spool spool;
    // Set by the compression: the bytes to store (the imploded ones when fewer than the file's,
    // else the file's size), or the failure.
    std::uint32_t stored = 0;
    BR_CODE code = BR_OK;
    std::string detail;     // what a failure is about, for the message
    std::atomic<bool> cancelled{false};  // the backup stopped: the job may stop reading
};

}  // namespace kvarn::backup
