// The byte layout of archive volumes: the 32-byte volume header, the 16-byte file descriptor
// BR_FILEDESC, and the little-endian integers of the stream between them.
//
// Archives written years ago on other machines must still restore, and ours must restore there,
// so every byte is placed by hand here rather than by copying structures; the packed BR_FILEDESC
// is only the in-memory form handed to the component's events. This unit holds no state: the
// engine builds byte strings with it before writing them and decodes what it has read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#pragma pack(push, 1)
// The fixed part of one file's record, as it follows the record length in the stream.
struct BR_FILEDESC {
    std::uint32_t OriginalSize;  // size of the file
    std::uint32_t StoredSize;    // bytes that follow the name in the stream
    std::uint16_t Attributes;    // kAttributeReadOnly | kAttributeHidden | ...
    std::uint16_t Date;          // MS-DOS date of the last write, local time
    std::uint16_t Time;          // MS-DOS time of the last write, local time
    std::uint16_t Method;        // kMethodStored or kMethodImploded
};
#pragma pack(pop)
static_assert(sizeof(BR_FILEDESC) == 16);
static_assert(offsetof(BR_FILEDESC, StoredSize) == 4);
static_assert(offsetof(BR_FILEDESC, Attributes) == 8);
static_assert(offsetof(BR_FILEDESC, Date) == 10);
static_assert(offsetof(BR_FILEDESC, Time) == 12);
static_assert(offsetof(BR_FILEDESC, Method) == 14);

namespace kvarn::backup {

inline constexpr std::uint16_t kSignature = 0x7485;
inline constexpr std::size_t kHeaderSize = 32;
inline constexpr std::size_t kFileDescSize = 16;
// Room kept for the header when a volume's capacity is worked out.
inline constexpr std::uint64_t kHeaderReserve = 64;

inline constexpr std::uint16_t kMaxArchiveDescription = 64508;
inline constexpr std::uint16_t kMaxPatternDescription = 1026;
// Largest path length word P, its terminating zero included.
inline constexpr std::uint16_t kMaxStoredPath = 261;
// Longest name a reader accepts, and longest one we write: a longer name would make the record
// length pass 255, and readers take the name's length from its low byte.
inline constexpr std::size_t kMaxStoredName = 259;
inline constexpr std::size_t kMaxWrittenName = 239;
inline constexpr std::uint32_t kMaxFilesPerPattern = 65535;

inline constexpr std::uint16_t kMethodStored = 0;
inline constexpr std::uint16_t kMethodImploded = 1;

inline constexpr std::uint16_t kAttributeReadOnly = 0x01;
inline constexpr std::uint16_t kAttributeHidden = 0x02;
inline constexpr std::uint16_t kAttributeSystem = 0x04;
inline constexpr std::uint16_t kAttributeArchive = 0x20;

struct VolumeHeader {
    std::uint32_t setId = 0;   // start time of the backup, the same in every volume of a set
    std::uint16_t volume = 0;  // from 1
};

std::array<std::uint8_t, kHeaderSize> EncodeHeader(const VolumeHeader& header);
// nullopt when the signature is not ours.
std::optional<VolumeHeader> DecodeHeader(const std::array<std::uint8_t, kHeaderSize>& bytes);

std::array<std::uint8_t, kFileDescSize> EncodeFileDesc(const BR_FILEDESC& desc);
BR_FILEDESC DecodeFileDesc(const std::uint8_t* bytes);

// Whether the sizes agree with the method: imploded data must be smaller than the file, stored
// data exactly its size, and no other method exists.
bool IsConsistent(const BR_FILEDESC& desc);

void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t value);
void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value);
std::uint16_t ReadU16(const std::uint8_t* bytes);
std::uint32_t ReadU32(const std::uint8_t* bytes);

}  // namespace kvarn::backup
