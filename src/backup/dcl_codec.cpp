// The codecs of the archives: our encoder for implode, and the PKWARE DCL routines that libstorm
// exports without declaring them in its header (their C signatures are declared here, once) for
// explode and for the reference implode.
#include "backup/codec.hpp"

#include "backup/implode_encoder.hpp"

#include <cstring>
#include <vector>

extern "C" {
unsigned int implode(unsigned int (*read_buf)(char* buf, unsigned int* size, void* param),
                     void (*write_buf)(char* buf, unsigned int* size, void* param),
                     char* work_buf, void* param, unsigned int* type, unsigned int* dsize);
unsigned int explode(unsigned int (*read_buf)(char* buf, unsigned int* size, void* param),
                     void (*write_buf)(char* buf, unsigned int* size, void* param),
                     char* work_buf, void* param);
}

namespace kvarn::backup {

namespace {

constexpr unsigned int kBinaryLiterals = 0;
constexpr unsigned int kDictionarySize = 4096;
constexpr unsigned int kNoError = 0;
// The library's compression state holds pointers: 36,328 bytes on 64-bit machines, not the
// 36,312 of the 32-bit documentation. The same buffer serves explode, whose state is smaller.
constexpr std::size_t kWorkBufferSize = 36328;

struct Channels {
    const ReadFunction* read;
    const WriteFunction* write;
};

unsigned int ReadCallback(char* buffer, unsigned int* size, void* param) {
    const auto* channels = static_cast<Channels*>(param);
    return static_cast<unsigned int>(
        (*channels->read)(reinterpret_cast<std::uint8_t*>(buffer), *size));
}

void WriteCallback(char* buffer, unsigned int* size, void* param) {
    const auto* channels = static_cast<Channels*>(param);
    (*channels->write)(reinterpret_cast<const std::uint8_t*>(buffer), *size);
}

class DclCodec final : public Codec {
public:
    explicit DclCodec(bool ownEncoder) : ownEncoder_(ownEncoder), work_(kWorkBufferSize) {}

    bool Implode(const ReadFunction& read, const WriteFunction& write) override {
        if (ownEncoder_) {
            if (!encoder_) encoder_ = std::make_unique<ImplodeEncoder>();
            encoder_->Implode(read, write);
            return true;
        }
        Channels channels{&read, &write};
        unsigned int type = kBinaryLiterals;
        unsigned int dictionary = kDictionarySize;
        return implode(ReadCallback, WriteCallback, ZeroedWork(), &channels, &type,
                       &dictionary) == kNoError;
    }

    bool Explode(const ReadFunction& read, const WriteFunction& write) override {
        Channels channels{&read, &write};
        return explode(ReadCallback, WriteCallback, ZeroedWork(), &channels) == kNoError;
    }

    std::unique_ptr<Codec> Clone() const override { return std::make_unique<DclCodec>(ownEncoder_); }

private:
    // The routines read parts of their state before writing them: start from zero every time.
    char* ZeroedWork() {
        std::memset(work_.data(), 0, work_.size());
        return work_.data();
    }

    bool ownEncoder_;
    std::unique_ptr<ImplodeEncoder> encoder_;  // made on the first use: explode needs none
    std::vector<char> work_;
};

}  // namespace

std::unique_ptr<Codec> MakeDclCodec() { return std::make_unique<DclCodec>(true); }

std::unique_ptr<Codec> MakeReferenceDclCodec() { return std::make_unique<DclCodec>(false); }

}  // namespace kvarn::backup
