// CBackupRestore: the component that saves the files of a directory, or of a directory tree,
// into archive volumes and restores them, byte for byte, on this or another machine.
//
// The caller sets the properties (what to save, where the volumes go and their name), may assign
// events to take over any step, and calls Backup or Restore, which run to their end on the
// calling thread and return one BR_CODE. Data flow: on backup, the files of a directory go, a few
// at a time, through the codec on a pool of threads (one per core) into spools of their own, and
// the calling thread puts the smaller of each spool and its file into the current volume, in the
// directory's order; on restore, the stored bytes go from the volumes to the target file directly
// or through the codec, and the files take their names a batch at a time. The
// calling thread alone talks to the drive and
// raises the events. The component owns the streams and the working
// state of the operation running; the drive facts and file access go through an OsLayer, what
// the built-in behaviours show through a BackupPrompter, compression through a Codec.
//
// Beyond the published component: the backup can write a checksum manifest beside its volumes,
// which restores and verifications then check file by file before a file takes its final name; a
// restore can leave files already in the way alone, asking about each one as the archive names it;
// a record never passes the room left on a volume (it goes whole to the next one); and each
// operation sweeps away the temporaries that killed runs left where it writes.
//
// Texts are UTF-8; paths are this machine's paths ("/" separated), and the archive's own forms
// (ANSI code page, backslashes, drive letters) never leave the component except through
// GetStoredPatternPath and the restore report.
#pragma once

#include "backup/archive_format.hpp"
#include "backup/archive_paths.hpp"
#include "backup/br_codes.hpp"
#include "backup/codec.hpp"
#include "backup/commit_batch.hpp"
#include "backup/compressed_file.hpp"
#include "backup/manifest.hpp"
#include "backup/os_layer.hpp"
#include "backup/prompter.hpp"
#include "backup/restore_report.hpp"
#include "backup/sha256.hpp"
#include "backup/worker_pool.hpp"

#include <kvarn/kvarn.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The events that have, or may have, a built-in behaviour.
enum TListEventBRTag {
    eBRBeginBackup,
    eBRBeginRestore,
    eBRInsertFloppy,
    eBRGetPatternToBackup,
    eBRPercents,
    eBRRestorePattern,
    eBRError,
    eBRHardError,
    eBREnd,
};

// A set of TListEventBRTag.
class TListEventBR {
public:
    constexpr TListEventBR() = default;
    constexpr TListEventBR(std::initializer_list<TListEventBRTag> tags) {
        for (TListEventBRTag tag : tags) Include(tag);
    }
    static constexpr TListEventBR All() {
        return {eBRBeginBackup, eBRBeginRestore, eBRInsertFloppy, eBRGetPatternToBackup,
                eBRPercents,    eBRRestorePattern, eBRError,      eBRHardError,
                eBREnd};
    }
    constexpr bool Contains(TListEventBRTag tag) const { return (bits_ >> tag & 1u) != 0; }
    constexpr TListEventBR& Include(TListEventBRTag tag) {
        bits_ = static_cast<std::uint16_t>(bits_ | 1u << tag);
        return *this;
    }
    constexpr TListEventBR& Exclude(TListEventBRTag tag) {
        bits_ = static_cast<std::uint16_t>(bits_ & ~(1u << tag));
        return *this;
    }
    friend constexpr bool operator==(const TListEventBR&, const TListEventBR&) = default;

private:
    std::uint16_t bits_ = 0;
};

class CBackupRestore;

// Descriptions are byte strings in the ANSI code page; the handler fills the buffer and says
// how many of its bytes count.
using TBeginBackupEvent = std::function<void(
    CBackupRestore& Sender, std::uint16_t MaxSizeUserDesc, std::uint16_t& SizeUserDesc,
    std::vector<std::uint8_t>& pvUserDesc, std::uint16_t& HiNumVers, std::uint16_t& LoNumVers)>;
using TBeginRestoreEvent = std::function<void(
    CBackupRestore& Sender, std::uint16_t SizeDatas, const std::vector<std::uint8_t>& pvUserDesc,
    std::uint16_t HiNumVers, std::uint16_t LoNumVers, bool& Abort)>;
using TInsertFloppyEvent = std::function<void(CBackupRestore& Sender, int NumDisk,
                                              const std::string& FilePath, bool& Abort,
                                              bool Backup)>;
using TNewFloppyEvent = std::function<void(CBackupRestore& Sender, std::uint16_t NumFloppy,
                                           const std::string& FileName, bool Backup)>;
using TBackupMediaReadyEvent = std::function<void(
    CBackupRestore& Sender, std::uint16_t NumFloppy, const std::string& PathBackup, bool& Abort)>;
using TGetPatternToBackupEvent = std::function<void(
    CBackupRestore& Sender, std::uint16_t MaxSizeUserDesc, std::uint16_t& SizeUserDesc,
    std::vector<std::uint8_t>& pvUserDesc, std::string& PathPattern, bool& Abort)>;
using TBackupFileEvent = std::function<void(CBackupRestore& Sender, const std::string& FileName)>;
using TPercentsEvent =
    std::function<void(CBackupRestore& Sender, std::uint16_t BRPercents,
                       std::uint16_t PatternPercents, std::uint16_t FilePercents, bool Backup)>;
using TRestorePatternEvent = std::function<void(
    CBackupRestore& Sender, std::uint32_t SizePattern, std::uint16_t NbPatternFiles,
    bool& bDoNotRestore, std::uint16_t& uhUserDataLen, const std::vector<std::uint8_t>& pvUserDesc,
    std::string& PathPattern, bool& Abort)>;
// A handler that empties PathRestore passes the file over.
using TRestoreFileEvent = std::function<void(CBackupRestore& Sender, BR_FILEDESC& psFileDesc,
                                             std::string& PathRestore, bool& Abort)>;
// A file about to be restored over one already there; Replace starts false.
using TReplaceFileEvent =
    std::function<void(CBackupRestore& Sender, const std::string& Path, bool& Replace)>;
using TErrorEvent = std::function<void(CBackupRestore& Sender, BR_CODE NumError,
                                       const std::string& Msg, bool Backup)>;
using THardErrorEvent = std::function<void(CBackupRestore& Sender, BR_CODE NumError,
                                           const std::string& Msg, bool& Abort, bool Backup)>;
using TEndEvent = std::function<void(CBackupRestore& Sender, BR_CODE NumError,
                                     const std::string& Msg, bool Backup)>;

class KVARN_EXPORT CBackupRestore {
public:
    CBackupRestore();
    // Another operating-system layer or codec (tests, other hosts).
    CBackupRestore(std::unique_ptr<kvarn::backup::OsLayer> os,
                   std::unique_ptr<kvarn::backup::Codec> codec);
    virtual ~CBackupRestore();
    CBackupRestore(const CBackupRestore&) = delete;
    CBackupRestore& operator=(const CBackupRestore&) = delete;

    // Root of the files to save, and root under which relative paths are restored.
    const std::string& GetDirectory() const { return directory_; }
    void SetDirectory(const std::string& value);
    // Directory of the volume files.
    const std::string& GetBRDirectory() const { return brDirectory_; }
    void SetBRDirectory(const std::string& value);
    // Name of the volume files.
    const std::string& GetBRFileName() const { return brFileName_; }
    void SetBRFileName(const std::string& value) { brFileName_ = value; }
    TListEventBR GetAutoEvents() const { return autoEvents_; }
    void SetAutoEvents(TListEventBR value) { autoEvents_ = value; }
    bool GetSubDirectory() const { return subDirectory_; }
    void SetSubDirectory(bool value) { subDirectory_ = value; }

    // Restore reads every volume and expands every file without creating any: the check of an
    // archive.
    bool GetVerifyOnly() const { return verifyOnly_; }
    void SetVerifyOnly(bool value) { verifyOnly_ = value; }
    // Backup: write the checksum manifest beside the last volume. Restore: check the archive
    // against the manifest when there is one, at GetManifestPath or, when that is empty, beside
    // volume 1.
    bool GetManifest() const { return manifest_; }
    void SetManifest(bool value) { manifest_ = value; }
    const std::string& GetManifestPath() const { return manifestPath_; }
    void SetManifestPath(const std::string& value) { manifestPath_ = value; }
    // Restore: whether a file already in the way is replaced (the default). When not,
    // OnReplaceFile decides for each one; without a handler none is.
    bool GetReplaceExisting() const { return replaceExisting_; }
    void SetReplaceExisting(bool value) { replaceExisting_ = value; }
    // Backup: how many threads compress files, 0 for one per core (the default). The volumes are
    // the same byte for byte whatever the number.
    unsigned GetCompressionThreads() const { return compressionThreads_; }
    void SetCompressionThreads(unsigned value) { compressionThreads_ = value; }
    // What the last restore or verification did.
    const kvarn::backup::RestoreReport& GetRestoreReport() const { return report_; }
    // Where the built-in behaviours show things and ask for disks; not owned; null: the host's
    // boxes and progress window.
    void SetPrompter(kvarn::backup::BackupPrompter* prompter);
    // What the last backup skipped or changed (links and devices left out, dates brought into
    // the archive's range), one French sentence each.
    const std::vector<std::string>& GetWarnings() const { return warnings_; }
    // The directory being restored as the archive names it ("S\", ".\", "Z:\..."), during
    // OnRestorePattern and OnRestoreFile.
    const std::string& GetStoredPatternPath() const { return storedPatternPath_; }

    TBeginBackupEvent OnBeginBackup;
    TBeginRestoreEvent OnBeginRestore;
    TInsertFloppyEvent OnInsertFloppy;
    TNewFloppyEvent OnNewFloppy;
    TBackupMediaReadyEvent OnBackupMediaReady;
    TGetPatternToBackupEvent OnGetPatternToBackup;
    TBackupFileEvent OnBackupFile;
    TPercentsEvent OnPercents;
    TRestorePatternEvent OnRestorePattern;
    TRestoreFileEvent OnRestoreFile;
    TReplaceFileEvent OnReplaceFile;
    TErrorEvent OnError;
    THardErrorEvent OnHardError;
    TEndEvent OnEnd;

    BR_CODE Backup();
    BR_CODE Restore();

    // The code whose message is `message`, BR_OK when none; and the message of a code.
    BR_CODE GetCodeErr(const std::string& message) const;
    const std::string& GetMsgErr(BR_CODE code) const;

    // `directory` and `name` joined by a single "/".
    static std::string MakeFullFile(const std::string& directory, const std::string& name);
    // Whether the file at `path` may be used as the next volume of the running operation.
    bool BRIsGoodBRFile(const std::string& path);

protected:
    BR_CODE BRBegin(const std::string& fileName, const std::string& directory);
    void BREnd();
    BR_CODE BRInsertFloppy();
    BR_CODE CloseStreamBackup();
    void DeleteFilesBeforeBackup();
    bool IsDiskSizeOk(const std::string& path, BR_CODE& code);
    void OpenBR(BR_CODE& code);
    BR_CODE DriveStatus(const std::string& path);

    BR_CODE BackupBuffer(const std::uint8_t* data, std::size_t count);
    // Copies `count` bytes of `from`; `readFault` is the code of a short read.
    BR_CODE BackupBuffer(kvarn::backup::Stream& from, std::uint64_t count, BR_CODE readFault);
    BR_CODE RestoreBuffer(std::uint8_t* data, std::size_t count);
    // Copies `count` stored bytes out of the volumes into `to` (passed over when null);
    // `writeFault` is the code of a failing write.
    BR_CODE CopieBuffer(kvarn::backup::Stream* to, std::uint64_t count, BR_CODE writeFault);

    BR_CODE GetSubDirectories(const std::string& directory);
    BR_CODE BackupPattern(std::uint16_t descriptionLength, const std::uint8_t* description);
    BR_CODE RestorePattern(const std::string& storedPath);
    // Implode `file.file` into its spool, on any thread; sets what is to be stored, or the failure.
    static void BRImplodeFile(kvarn::backup::Codec& codec, kvarn::backup::CompressedFile& file);
    // Explode the file's stored bytes, read from the volumes, into `target`, which must receive
    // exactly `desc.OriginalSize`; the manifest judges the stored bytes before the codec does.
    BR_CODE BRExplodeFile(kvarn::backup::Stream& target, const BR_FILEDESC& desc);

    void OnOwnPercents(std::uint16_t overall, std::uint16_t file);
    void OnOwnGetPatternToBackup(std::string& pathPattern, bool& abort);
    void OnOwnError(const std::string& message);
    void OnOwnHardError(const std::string& message);
    void OnOwnEnd(const std::string& message);

private:
    struct PatternScan;
    // Hidden: the library instantiations over it (its queue) are the component's own business and
    // must not join the exported interface.
    class __attribute__((visibility("hidden"))) Compression;

    // The rule shared by the events that have a built-in behaviour: the handler when one is
    // assigned and the event is not left to the component, the built-in behaviour when it is,
    // nothing otherwise.
    template <class CallHandler, class BuiltIn>
    void Dispatch(TListEventBRTag tag, bool assigned, CallHandler&& callHandler, BuiltIn&& builtIn);

    void RaiseError(BR_CODE code);
    bool RaiseHardError(BR_CODE code, const std::string& message);  // true: abort
    void RaiseEnd(BR_CODE code);
    void RaisePercents();
    void RaiseNewFloppy();
    std::string MessageWithDetail(BR_CODE code) const;

    BR_CODE ChangeVolume();
    // Every byte of a volume goes through these two, which keep the volume's digest.
    bool PutOnVolume(const std::uint8_t* data, std::size_t count);
    bool TakeFromVolume(std::uint8_t* data, std::size_t count);
    // The volume just read, whole, against the manifest.
    BR_CODE CheckVolumeRead();
    // At the end word: the rest of the last volume, and what the manifest names beyond it.
    BR_CODE CheckArchiveEnd();
    void LoadManifest();
    void WriteManifest();
    // Stale temporaries of `root`/`relative`, once per directory and operation.
    void Sweep(const std::filesystem::path& root, const std::filesystem::path& relative);
    // A volume of this backup, or its manifest, lying in a directory being saved.
    bool IsOwnFile(const std::filesystem::path& dir, const std::string& name) const;
    bool RequestDisk();  // false: cancelled
    void DeleteVolumeBeingWritten();
    // The header of the volume file at `path`; nullopt when there is none or it is not ours.
    std::optional<kvarn::backup::VolumeHeader> HeaderOnDisk(const std::filesystem::path& path);
    std::filesystem::path VolumePath() const;
    BR_CODE ScanPattern(const std::filesystem::path& dir, PatternScan& scan, bool warn);
    // Opens the file and hands it to the pool.
    Compression StartCompression(const std::filesystem::path& dir,
                                 const kvarn::backup::DirectoryEntry& entry);
    BR_CODE BackupOneFile(const std::filesystem::path& dir, const kvarn::backup::DirectoryEntry& entry,
                          kvarn::backup::CompressedFile& file);
    // `place`: where the file goes, nullptr to pass it over.
    BR_CODE RestoreOneFile(const kvarn::backup::LocalDirectory* place, const std::string& name,
                           const BR_FILEDESC& desc);
    // Where the file the handler may have moved goes: nullptr when it is passed over, skipped with
    // its directory, or left alone because one is already in its place.
    std::optional<kvarn::backup::LocalDirectory> PlaceOf(
        const kvarn::backup::LocalDirectory& target, std::string& name, bool skip,
        const std::string& chosen, const std::string& proposed);
    void AdvanceProgress(std::uint64_t bytes);
    void StartFileProgress(const std::string& name, std::uint64_t size);

    std::unique_ptr<kvarn::backup::OsLayer> os_;
    std::unique_ptr<kvarn::backup::Codec> codec_;
    kvarn::backup::HostPrompter hostPrompter_;
    kvarn::backup::BackupPrompter* prompter_;

    std::string directory_;
    std::string brDirectory_;
    std::string brFileName_;
    TListEventBR autoEvents_ = TListEventBR::All();
    bool subDirectory_ = false;
    bool verifyOnly_ = false;
    bool manifest_ = false;
    std::string manifestPath_;
    bool replaceExisting_ = true;
    unsigned compressionThreads_ = 0;

    // Working state of the operation running.
    bool backup_ = false;
    bool removable_ = false;
    std::filesystem::path workDirectory_;
    std::string workName_;
    kvarn::backup::VolumeHeader header_;
    std::uint16_t lastCommitted_ = 0;  // number of the last volume completed by this backup
    std::uint64_t capacity_ = 0;
    std::uint64_t volumeSize_ = 0;
    std::unique_ptr<kvarn::backup::PendingFile> volumeOut_;
    std::unique_ptr<kvarn::backup::Stream> volumeIn_;
    // A backup's compression: the threads and a codec for each.
    std::unique_ptr<kvarn::backup::WorkerPool> pool_;
    std::vector<std::unique_ptr<kvarn::backup::Codec>> codecs_;
    std::vector<std::uint8_t> description_;
    std::vector<std::string> patterns_;
    std::size_t nextPattern_ = 0;
    std::string currentPattern_;
    std::string storedPatternPath_;
    std::string detail_;  // what a refusal is about, added to the code's message
    std::vector<std::string> warnings_;
    std::chrono::system_clock::time_point runStart_;
    std::set<std::filesystem::path> swept_;
    std::string currentDirectory_;  // where relative paths go when Directory is empty
    kvarn::backup::RestoreReport report_;
    std::optional<kvarn::backup::CommitBatch> commits_;  // a restore's files waiting for their names

    // Checksums: the manifest being written or the one read against, the running digests of the
    // volume and of the file's stored bytes, and whether the volume was read whole.
    std::optional<kvarn::backup::Manifest> written_;
    std::optional<kvarn::backup::ManifestCheck> check_;
    kvarn::backup::Sha256 volumeDigest_;
    kvarn::backup::Sha256 fileDigest_;
    bool volumeWhole_ = true;
    std::array<std::uint8_t, kvarn::backup::kHeaderSize> lastHeader_{};  // as read

    // Progress: the whole operation, the directory, the file.
    std::uint64_t overallTotal_ = 0, overallDone_ = 0;
    std::uint64_t patternTotal_ = 0, patternDone_ = 0;
    std::uint64_t fileTotal_ = 0, fileDone_ = 0;
    std::string progressName_;
};

template <class CallHandler, class BuiltIn>
void CBackupRestore::Dispatch(TListEventBRTag tag, bool assigned, CallHandler&& callHandler,
                              BuiltIn&& builtIn) {
    if (assigned && !autoEvents_.Contains(tag))
        callHandler();
    else if (autoEvents_.Contains(tag))
        builtIn();
}
