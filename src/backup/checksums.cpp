// The component's checksum manifest: written beside the last volume at the end of a backup, found
// and read at the start of a restore, and the volumes read checked against it.
#include "backup/backup_restore.hpp"

#include <algorithm>

namespace fs = std::filesystem;
using namespace kvarn::backup;

namespace {

// Larger than any manifest of an archive the format can hold many times over.
constexpr std::uint64_t kLargestManifest = std::uint64_t{1} << 30;

std::string Quoted(const fs::path& path) { return "« " + path.string() + " »"; }

}  // namespace

void CBackupRestore::WriteManifest() {
    const fs::path path = workDirectory_ / ManifestFileName(workName_);
    const std::string text = FormatManifest(*written_);
    const std::unique_ptr<PendingFile> file = os_->CreateVolume(path);
    if (file && file->Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()) &&
        file->Commit(nullptr))
        return;
    // One left by an earlier backup would describe another archive.
    os_->RemoveFile(path);
    warnings_.push_back("le manifeste SHA-256 " + Quoted(path) + " n'a pas pu être écrit");
}

// Called once volume 1 is open, its header known.
void CBackupRestore::LoadManifest() {
    const fs::path path = manifestPath_.empty() ? workDirectory_ / ManifestFileName(workName_)
                                                : fs::path(manifestPath_);
    report_.manifestPath = path.string();
    report_.manifest = ManifestUse::Absent;
    if (!os_->Exists(path)) return;
    report_.manifest = ManifestUse::Unreadable;
    const std::unique_ptr<Stream> file = os_->OpenForReading(path);
    const std::optional<std::uint64_t> size = file ? file->Size() : std::nullopt;
    if (!size || *size > kLargestManifest) return;
    std::string text(*size, '\0');
    if (file->Read(reinterpret_cast<std::uint8_t*>(text.data()), text.size()) != text.size())
        return;
    std::optional<Manifest> manifest = ParseManifest(text);
    if (!manifest) return;
    report_.manifest = ManifestUse::OtherArchive;
    if (manifest->setId != header_.setId) return;
    report_.manifest = ManifestUse::Checked;
    check_.emplace(std::move(*manifest));
    // The header was read before the manifest was: it starts the volume's digest.
    volumeDigest_ = Sha256();
    volumeDigest_.Update(lastHeader_.data(), lastHeader_.size());
}

BR_CODE CBackupRestore::CheckVolumeRead() {
    if (!check_ || !volumeIn_ || !volumeWhole_) return BR_OK;
    volumeWhole_ = false;
    if (const auto problem = check_->Volume(header_.volume, volumeDigest_.Hex())) {
        detail_ = *problem;
        return BR_ERR_BR_FILE_CORRUPTED;
    }
    return BR_OK;
}

// Nothing follows the end word in an archive as written: what does counts in the volume's digest.
BR_CODE CBackupRestore::CheckArchiveEnd() {
    if (!check_) return BR_OK;
    std::vector<std::uint8_t> rest;
    while (capacity_ > 0) {
        rest.resize(static_cast<std::size_t>(std::min<std::uint64_t>(capacity_, 0x20000)));
        if (!TakeFromVolume(rest.data(), rest.size())) return BR_ERR_SRC_FILE_READ_ERROR;
        capacity_ -= rest.size();
    }
    if (const BR_CODE code = CheckVolumeRead(); code != BR_OK) return code;
    if (const auto problem = check_->End(header_.volume)) {
        detail_ = *problem;
        return BR_ERR_BR_FILE_CORRUPTED;
    }
    return BR_OK;
}
