// The component's frame: construction, properties, the events and their built-in behaviours,
// the preparation and end of an operation, progress.
#include "backup/backup_restore.hpp"

#include "backup/archive_paths.hpp"
#include "backup/posix_os_layer.hpp"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;
using namespace kvarn::backup;

namespace {

// Paths of this machine end with "/" where the archive's end with "\".
std::string WithTrailingSeparator(const std::string& value) {
    return value.empty() || value.back() == '/' ? value : value + "/";
}

std::uint16_t Percent(std::uint64_t done, std::uint64_t total) {
    if (total == 0) return 100;
    return static_cast<std::uint16_t>(std::min<std::uint64_t>(100, done * 100 / total));
}

}  // namespace

CBackupRestore::CBackupRestore()
    : CBackupRestore(std::make_unique<PosixOsLayer>(), MakeDclCodec()) {}

CBackupRestore::CBackupRestore(std::unique_ptr<OsLayer> os, std::unique_ptr<Codec> codec)
    : os_(std::move(os)), codec_(std::move(codec)), prompter_(&hostPrompter_) {}

CBackupRestore::~CBackupRestore() { BREnd(); }

void CBackupRestore::SetDirectory(const std::string& value) {
    directory_ = WithTrailingSeparator(value);
}

void CBackupRestore::SetBRDirectory(const std::string& value) {
    brDirectory_ = WithTrailingSeparator(value);
    workDirectory_ = brDirectory_;
}

void CBackupRestore::SetPrompter(BackupPrompter* prompter) {
    prompter_ = prompter ? prompter : &hostPrompter_;
}

BR_CODE CBackupRestore::GetCodeErr(const std::string& message) const { return CodeOf(message); }

const std::string& CBackupRestore::GetMsgErr(BR_CODE code) const { return MessageOf(code); }

std::string CBackupRestore::MakeFullFile(const std::string& directory, const std::string& name) {
    const std::string head = WithTrailingSeparator(directory);
    const std::size_t skip = std::min(name.find_first_not_of('/'), name.size());
    return head + name.substr(skip);
}

std::string CBackupRestore::MessageWithDetail(BR_CODE code) const {
    return detail_.empty() ? MessageOf(code) : MessageOf(code) + " : " + detail_;
}

void CBackupRestore::RaiseError(BR_CODE code) {
    const std::string message = MessageWithDetail(code);
    Dispatch(eBRError, static_cast<bool>(OnError),
             [&] { OnError(*this, code, message, backup_); }, [&] { OnOwnError(message); });
}

bool CBackupRestore::RaiseHardError(BR_CODE code, const std::string& message) {
    bool abort = false;
    Dispatch(eBRHardError, static_cast<bool>(OnHardError),
             [&] { OnHardError(*this, code, message, abort, backup_); },
             [&] { OnOwnHardError(message); });
    return abort;
}

void CBackupRestore::RaiseEnd(BR_CODE code) {
    const std::string message = MessageWithDetail(code);
    Dispatch(eBREnd, static_cast<bool>(OnEnd), [&] { OnEnd(*this, code, message, backup_); },
             [&] { OnOwnEnd(message); });
}

void CBackupRestore::RaisePercents() {
    // Without a total for the whole restore, the share of the volume read stands for it.
    const std::uint16_t overall =
        backup_ ? Percent(overallDone_, overallTotal_)
                : Percent(volumeSize_ - std::min(volumeSize_, capacity_), volumeSize_);
    const std::uint16_t pattern = Percent(patternDone_, patternTotal_);
    const std::uint16_t file = Percent(fileDone_, fileTotal_);
    Dispatch(eBRPercents, static_cast<bool>(OnPercents),
             [&] { OnPercents(*this, overall, pattern, file, backup_); },
             [&] { OnOwnPercents(overall, file); });
}

void CBackupRestore::RaiseNewFloppy() {
    if (OnNewFloppy) OnNewFloppy(*this, header_.volume, VolumePath().string(), backup_);
}

void CBackupRestore::OnOwnPercents(std::uint16_t overall, std::uint16_t file) {
    prompter_->ShowProgress(progressName_, overall, file);
}

// Hands out the directories of the list in order, then asks to stop.
void CBackupRestore::OnOwnGetPatternToBackup(std::string& pathPattern, bool& abort) {
    if (nextPattern_ >= patterns_.size()) {
        abort = true;
        return;
    }
    pathPattern = patterns_[nextPattern_++];
}

void CBackupRestore::OnOwnError(const std::string& message) { prompter_->ShowError(message); }

void CBackupRestore::OnOwnHardError(const std::string& message) { prompter_->ShowError(message); }

void CBackupRestore::OnOwnEnd(const std::string& message) {
    prompter_->ShowResult(backup_ ? "Résultat de la sauvegarde" : "Résultat de la restauration",
                          message);
}

void CBackupRestore::StartFileProgress(const std::string& name, std::uint64_t size) {
    progressName_ = name;
    fileTotal_ = size;
    fileDone_ = 0;
}

void CBackupRestore::AdvanceProgress(std::uint64_t bytes) {
    overallDone_ += bytes;
    patternDone_ += bytes;
    fileDone_ += bytes;
    RaisePercents();
}

fs::path CBackupRestore::VolumePath() const { return workDirectory_ / workName_; }

BR_CODE CBackupRestore::BRBegin(const std::string& fileName, const std::string& directory) {
    // The one reading of the clock: the set identifier of a backup, and the age below which a
    // temporary may belong to a run still going.
    // The system's own time, not the module's clock: it is compared with the times the file system
    // stamps on temporaries, to the fraction of a second (a killed run and the next one often
    // fall in the same second).
    runStart_ = std::chrono::system_clock::now();
    swept_.clear();
    description_.clear();
    header_ = VolumeHeader{};
    lastCommitted_ = 0;
    capacity_ = 0;
    volumeSize_ = 0;
    if (directory.empty() || fileName.empty() || fileName.find('/') != std::string::npos) {
        BREnd();
        return BR_ERR_BR_PATH_NOT_FOUND;
    }
    std::error_code error;
    workDirectory_ = fs::absolute(directory, error).lexically_normal();
    if (error || os_->KindOf(workDirectory_) == DriveKind::Unknown) {
        BREnd();
        return BR_ERR_BR_PATH_NOT_FOUND;
    }
    removable_ = os_->KindOf(workDirectory_) == DriveKind::Removable;
    // A removable drive is looked at only once a disk is asked for. On a fixed drive a restore
    // creates nothing: a missing volume directory is an error, not a new directory.
    const bool ready = removable_ || (backup_ ? os_->MakeDirectories(workDirectory_)
                                              : os_->IsDirectory(workDirectory_));
    if (!ready) {
        BREnd();
        return BR_ERR_BR_PATH_NOT_FOUND;
    }
    workName_ = VolumeFileName(fileName);
    return BR_OK;
}

void CBackupRestore::Sweep(const fs::path& root, const fs::path& relative) {
    if (swept_.insert(root / relative).second) os_->SweepTemporaries(root, relative, runStart_);
}

void CBackupRestore::BREnd() {
    patterns_.clear();
    nextPattern_ = 0;
    description_.clear();
    description_.shrink_to_fit();
}
