// The checksum manifest of an archive, written beside its volumes as NOM.SHA256.
//
// The archive format has no checksum and stays byte for byte as it is; the manifest adds one, for
// one archive (its set identifier): the SHA-256 of every volume, and for every file, in archive
// order, the directory and name it is stored under, its descriptor and the SHA-256 of its stored
// bytes (the imploded data of an imploded file, the file itself otherwise). The backup builds it
// as it writes; a restore or a verification that finds it checks each file before the file takes
// its final name, and each volume once it has been read whole. UTF-8 text, one fact a line:
//
//   kvarn-sha256 1
//   ensemble 1718000000
//   fichier <sha256> <method> <original size> <stored size> <attributes> <date> <time> S\grand livre.txt
//   volume 1 <sha256>
//
// The last field of a file line runs to the end of the line: the stored directory and the name
// joined; "%" and control characters are written %XX.
#pragma once

#include "backup/archive_format.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::backup {

struct ManifestFile {
    std::string path;  // the stored directory, UTF-8, as the archive has it ("S\", ".\", "Z:\d\")
    std::string name;  // UTF-8
    BR_FILEDESC desc{};
    std::string digest;  // of the stored bytes
};

struct Manifest {
    std::uint32_t setId = 0;
    std::vector<ManifestFile> files;
    std::vector<std::string> volumes;  // the digest of volume i + 1
};

std::string FormatManifest(const Manifest& manifest);
// nullopt when the text is not a manifest of this form.
std::optional<Manifest> ParseManifest(std::string_view text);

// Compares an archive, as it is read, with its manifest. Each call says what differs, in French,
// or nullopt when all agrees.
class ManifestCheck {
public:
    explicit ManifestCheck(Manifest manifest) : manifest_(std::move(manifest)) {}

    // The next file record of the archive.
    std::optional<std::string> File(const ManifestFile& read);
    // The digest of the stored bytes of the file last given to File.
    std::optional<std::string> Data(const std::string& digest) const;
    std::optional<std::string> Volume(std::uint16_t number, const std::string& digest) const;
    // At the end word of the archive, read on volume `lastVolume`.
    std::optional<std::string> End(std::uint16_t lastVolume) const;

private:
    Manifest manifest_;
    std::size_t next_ = 0;
};

}  // namespace kvarn::backup
