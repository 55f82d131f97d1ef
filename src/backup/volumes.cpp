// The volumes of an operation: probing the drive, working out a volume's capacity, opening,
// checking and closing volumes, and moving bytes in and out of them.
#include "backup/backup_restore.hpp"

#include "backup/archive_paths.hpp"

#include <algorithm>
#include <array>

using namespace kvarn::backup;

namespace {

constexpr std::uint64_t kMinimumCapacity = 65536;
constexpr std::uint64_t kFirstRemovableReserve = 0x600;
constexpr std::uint64_t kChunkSize = 0x20000;

std::uint64_t Lowered(std::uint64_t capacity, std::uint64_t by) {
    return capacity > by ? capacity - by : 0;
}

}  // namespace

BR_CODE CBackupRestore::DriveStatus(const std::string& path) {
    // Reading needs no write test: a protected drive is fine for a restore.
    if (!backup_) return os_->IsDirectory(path) ? BR_OK : BR_ERR_DRIVE_UNKNOW;
    switch (os_->Probe(path)) {
        case ProbeResult::Ok: return BR_OK;
        case ProbeResult::UnknownDrive: return BR_ERR_DRIVE_UNKNOW;
        case ProbeResult::Protected: break;
    }
    return BR_ERR_DRIVE_PROTECT;
}

BR_CODE CBackupRestore::BRInsertFloppy() {
    // A fixed drive holds one volume. Checked before the current volume is closed, which would
    // make it look complete. A reader cannot tell the first volume of a set of disks from a cut
    // archive: both end where more is needed.
    if (header_.volume >= 1 && !removable_) {
        if (backup_) return BR_ERR_DEST_FILE_WRITE_ERROR;
        detail_ = "le volume " + std::to_string(header_.volume) +
                  " se termine avant la fin de l'archive";
        report_.endedEarly = true;
        return BR_ERR_BR_FILE_CORRUPTED;
    }
    if (backup_) {
        if (const BR_CODE code = CloseStreamBackup(); code != BR_OK) return code;
    } else {
        if (const BR_CODE code = CheckVolumeRead(); code != BR_OK) return code;
        volumeIn_.reset();
    }
    ++header_.volume;
    // On a removable drive every refusal asks for a disk again, and the request's cancel is the
    // way out; a fixed drive has no other disk to offer.
    for (;;) {
        if (removable_ && !RequestDisk()) return BR_ERR_ACTION_CANCELED;
        const BR_CODE status = DriveStatus(workDirectory_.string());
        const bool usable = backup_ ? status == BR_OK : status != BR_ERR_DRIVE_UNKNOW;
        if (!usable) {
            const bool abort =
                RaiseHardError(status, MessageOf(status) + " (" + workDirectory_.string() + ")");
            if (!removable_ || abort) return BR_ERR_ACTION_CANCELED;
            continue;
        }
        if (removable_ && !BRIsGoodBRFile(VolumePath().string())) continue;
        if (backup_ && removable_) DeleteFilesBeforeBackup();
        if (backup_ && !removable_) Sweep(workDirectory_, {});
        BR_CODE code = BR_OK;
        if (backup_ && !IsDiskSizeOk(workDirectory_.string(), code)) {
            if (code == BR_REDO) continue;
            return code;
        }
        OpenBR(code);
        return code;
    }
}

// The handler when one is assigned and the request is not left to the component; otherwise the
// built-in request, whatever AutoEvents holds: without a disk the operation cannot go on.
bool CBackupRestore::RequestDisk() {
    bool abort = false;
    if (OnInsertFloppy && !autoEvents_.Contains(eBRInsertFloppy))
        OnInsertFloppy(*this, header_.volume, VolumePath().string(), abort, backup_);
    else
        abort = !prompter_->AskForDisk(header_.volume);
    return !abort;
}

BR_CODE CBackupRestore::ChangeVolume() {
    const BR_CODE code = BRInsertFloppy();
    if (code == BR_OK) RaiseNewFloppy();
    return code;
}

BR_CODE CBackupRestore::CloseStreamBackup() {
    if (!volumeOut_) return BR_OK;
    const bool committed = volumeOut_->Commit(nullptr);
    volumeOut_.reset();
    if (!committed) return BR_ERR_DEST_FILE_WRITE_ERROR;
    lastCommitted_ = header_.volume;
    if (written_) written_->volumes.push_back(volumeDigest_.Hex());
    return BR_OK;
}

// The volume open is discarded with its stream. When the failure came while changing disks, the
// volume just completed is the one being written: it goes too when its disk is still in the
// drive, so that a backup cut short does not end on a volume that looks like its last. Volumes
// completed on disks taken out stay.
void CBackupRestore::DeleteVolumeBeingWritten() {
    const bool changing = !volumeOut_ && lastCommitted_ > 0 && lastCommitted_ + 1 == header_.volume;
    volumeOut_.reset();
    if (!changing) return;
    const std::optional<VolumeHeader> header = HeaderOnDisk(VolumePath());
    if (header && header->setId == header_.setId && header->volume == lastCommitted_)
        os_->RemoveFile(VolumePath());
}

// The manifest of the archive the disk held goes with its volume, and so do the temporaries a run
// killed while writing on this disk left.
void CBackupRestore::DeleteFilesBeforeBackup() {
    os_->RemoveFile(VolumePath());
    os_->RemoveFile(workDirectory_ / ManifestFileName(workName_));
    os_->SweepTemporaries(workDirectory_, {}, runStart_);
}

bool CBackupRestore::IsDiskSizeOk(const std::string& path, BR_CODE& code) {
    if (!os_->MakeDirectories(path)) {
        code = BR_ERR_BR_PATH_NOT_FOUND;
        return false;
    }
    bool abort = false;
    if (OnBackupMediaReady) OnBackupMediaReady(*this, header_.volume, path, abort);
    if (abort) {
        code = BR_ERR_ACTION_CANCELED;
        return false;
    }
    capacity_ = os_->FreeSpace(path).value_or(0);
    if (capacity_ >= kMinimumCapacity) {
        if (removable_ && header_.volume == 1)
            capacity_ = Lowered(capacity_, kFirstRemovableReserve);
        if (capacity_ >= kMinimumCapacity) {
            code = BR_OK;
            return true;
        }
    }
    abort = RaiseHardError(BR_ERR_DRIVE_OUTOFSPACE, MessageOf(BR_ERR_DRIVE_OUTOFSPACE));
    capacity_ = 0;
    // On a removable drive the user may put in another disk: BR_REDO sends the caller back to the
    // disk request, whose cancel ends the wait (the built-in error box has no cancel of its own).
    code = removable_ && !abort ? BR_REDO : BR_ERR_ACTION_CANCELED;
    return false;
}

void CBackupRestore::OpenBR(BR_CODE& code) {
    volumeDigest_ = Sha256();
    if (backup_) {
        volumeOut_ = os_->CreateVolume(VolumePath());
        const auto header = EncodeHeader(header_);
        if (!volumeOut_ || !PutOnVolume(header.data(), header.size())) {
            volumeOut_.reset();
            code = BR_ERR_DEST_FILE_WRITE_ERROR;
            return;
        }
        capacity_ = Lowered(capacity_, kHeaderReserve);
        code = BR_OK;
        return;
    }
    volumeIn_ = os_->OpenForReading(VolumePath());
    volumeWhole_ = true;
    std::array<std::uint8_t, kHeaderSize>& bytes = lastHeader_;
    const std::optional<std::uint64_t> size = volumeIn_ ? volumeIn_->Size() : std::nullopt;
    if (!size || !TakeFromVolume(bytes.data(), bytes.size())) {
        if (!volumeIn_)
            detail_ = "« " + VolumePath().string() + " » " +
                      (os_->Exists(VolumePath()) ? "ne peut pas être lu" : "est introuvable");
        volumeIn_.reset();
        code = BR_ERR_SRC_FILE_READ_ERROR;
        return;
    }
    // Every volume is checked, the first included: one of another set, or out of order, would
    // restore a mixture of two archives. A writer changes volume only to write into the new one:
    // a volume holding its header alone is damage too, not a disk to pass over.
    const std::optional<VolumeHeader> header = DecodeHeader(bytes);
    if (header && header_.volume == 1) header_.setId = header->setId;
    if (!header || header->volume != header_.volume || header->setId != header_.setId ||
        *size == kHeaderSize) {
        volumeIn_.reset();
        code = BR_ERR_BR_FILE_CORRUPTED;
        return;
    }
    volumeSize_ = *size - kHeaderSize;
    capacity_ = volumeSize_;
    code = BR_OK;
}

std::optional<VolumeHeader> CBackupRestore::HeaderOnDisk(const std::filesystem::path& path) {
    std::array<std::uint8_t, kHeaderSize> bytes{};
    const std::unique_ptr<Stream> file = os_->OpenForReading(path);
    const bool read = file && file->Read(bytes.data(), bytes.size()) == bytes.size();
    return read ? DecodeHeader(bytes) : std::nullopt;
}

bool CBackupRestore::BRIsGoodBRFile(const std::string& path) {
    const std::optional<VolumeHeader> header = HeaderOnDisk(path);
    if (!header) return backup_;  // a disk without an archive may be written, not read
    if (backup_) return header->setId != header_.setId;  // never overwrite our own set
    // From volume 2 on, a disk of another set would restore a mixture of two archives.
    return header->volume == header_.volume &&
           (header_.volume == 1 || header->setId == header_.setId);
}

bool CBackupRestore::PutOnVolume(const std::uint8_t* data, std::size_t count) {
    if (written_) volumeDigest_.Update(data, count);
    return volumeOut_->Write(data, count);
}

bool CBackupRestore::TakeFromVolume(std::uint8_t* data, std::size_t count) {
    const bool read = volumeIn_ && volumeIn_->Read(data, count) == count;
    if (read && check_) volumeDigest_.Update(data, count);
    return read;
}

// A record is written whole into one volume, and never past the room left on it: one that does
// not fit goes whole to the next volume, leaving the end of this one unused.
BR_CODE CBackupRestore::BackupBuffer(const std::uint8_t* data, std::size_t count) {
    if (count == 0) return BR_OK;
    if (capacity_ < count)
        if (const BR_CODE code = ChangeVolume(); code != BR_OK) return code;
    if (!PutOnVolume(data, count)) return BR_ERR_DEST_FILE_WRITE_ERROR;
    capacity_ -= count;
    return BR_OK;
}

BR_CODE CBackupRestore::BackupBuffer(Stream& from, std::uint64_t count, BR_CODE readFault) {
    std::vector<std::uint8_t> chunk;
    while (count > 0) {
        if (capacity_ == 0)
            if (const BR_CODE code = ChangeVolume(); code != BR_OK) return code;
        const std::size_t size = std::min({count, kChunkSize, capacity_});
        chunk.resize(size);
        if (from.Read(chunk.data(), size) != size) return readFault;
        if (written_) fileDigest_.Update(chunk.data(), size);
        if (!PutOnVolume(chunk.data(), size)) return BR_ERR_DEST_FILE_WRITE_ERROR;
        capacity_ -= size;
        count -= size;
        AdvanceProgress(size);
    }
    return BR_OK;
}

BR_CODE CBackupRestore::RestoreBuffer(std::uint8_t* data, std::size_t count) {
    if (count == 0) return BR_OK;
    if (capacity_ == 0)
        if (const BR_CODE code = ChangeVolume(); code != BR_OK) return code;
    // Items are never cut between volumes: one that overruns the volume's data is damage.
    if (count > capacity_) return BR_ERR_BR_FILE_CORRUPTED;
    if (!TakeFromVolume(data, count)) return BR_ERR_SRC_FILE_READ_ERROR;
    capacity_ -= count;
    return BR_OK;
}

// Data passed over are read all the same when checked against the manifest.
BR_CODE CBackupRestore::CopieBuffer(Stream* to, std::uint64_t count, BR_CODE writeFault) {
    std::vector<std::uint8_t> chunk;
    while (count > 0) {
        if (capacity_ == 0)
            if (const BR_CODE code = ChangeVolume(); code != BR_OK) return code;
        const std::size_t size = std::min({count, kChunkSize, capacity_});
        if (to || check_) {
            chunk.resize(size);
            if (!TakeFromVolume(chunk.data(), size)) return BR_ERR_SRC_FILE_READ_ERROR;
            if (check_) fileDigest_.Update(chunk.data(), size);
            if (to && !to->Write(chunk.data(), size)) return writeFault;
        } else if (!volumeIn_->Seek(volumeIn_->Position() + size)) {
            return BR_ERR_SRC_FILE_READ_ERROR;
        } else {
            volumeWhole_ = false;
        }
        capacity_ -= size;
        count -= size;
        AdvanceProgress(size);
    }
    return BR_OK;
}
