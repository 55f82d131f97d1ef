#include "backup/archive_format.hpp"

namespace kvarn::backup {

namespace {

void PutU16(std::uint8_t* out, std::uint16_t value) {
    out[0] = static_cast<std::uint8_t>(value & 0xFF);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutU32(std::uint8_t* out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(out + 2, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

std::uint16_t ReadU16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t ReadU32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(ReadU16(bytes)) |
           static_cast<std::uint32_t>(ReadU16(bytes + 2)) << 16;
}

void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    std::uint8_t bytes[2];
    PutU16(bytes, value);
    out.insert(out.end(), bytes, bytes + 2);
}

void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t bytes[4];
    PutU32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

std::array<std::uint8_t, kHeaderSize> EncodeHeader(const VolumeHeader& header) {
    std::array<std::uint8_t, kHeaderSize> bytes{};
    PutU16(bytes.data(), kSignature);
    PutU32(bytes.data() + 4, header.setId);
    PutU16(bytes.data() + 8, header.volume);
    PutU16(bytes.data() + 10, 1);
    return bytes;
}

std::optional<VolumeHeader> DecodeHeader(const std::array<std::uint8_t, kHeaderSize>& bytes) {
    if (ReadU16(bytes.data()) != kSignature) return std::nullopt;
    return VolumeHeader{ReadU32(bytes.data() + 4), ReadU16(bytes.data() + 8)};
}

std::array<std::uint8_t, kFileDescSize> EncodeFileDesc(const BR_FILEDESC& desc) {
    std::array<std::uint8_t, kFileDescSize> bytes{};
    PutU32(bytes.data(), desc.OriginalSize);
    PutU32(bytes.data() + 4, desc.StoredSize);
    PutU16(bytes.data() + 8, desc.Attributes);
    PutU16(bytes.data() + 10, desc.Date);
    PutU16(bytes.data() + 12, desc.Time);
    PutU16(bytes.data() + 14, desc.Method);
    return bytes;
}

BR_FILEDESC DecodeFileDesc(const std::uint8_t* bytes) {
    return BR_FILEDESC{ReadU32(bytes),      ReadU32(bytes + 4),  ReadU16(bytes + 8),
                       ReadU16(bytes + 10), ReadU16(bytes + 12), ReadU16(bytes + 14)};
}

bool IsConsistent(const BR_FILEDESC& desc) {
    switch (desc.Method) {
        case kMethodImploded: return desc.StoredSize < desc.OriginalSize;
        case kMethodStored: return desc.StoredSize == desc.OriginalSize;
        default: return false;
    }
}

}  // namespace kvarn::backup
