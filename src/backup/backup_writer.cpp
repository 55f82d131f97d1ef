// Writing an archive: the list of directories, what may go into the archive, each directory's
// records and each file's data, imploded when that gains room.
#include "backup/backup_restore.hpp"

#include "backup/archive_paths.hpp"
#include "common/clock.hpp"
#include "common/codepage.hpp"
#include "common/dates.hpp"

#include <algorithm>
#include <deque>
#include <limits>
#include <system_error>

namespace fs = std::filesystem;
using namespace kvarn::backup;

struct CBackupRestore::PatternScan {
    std::vector<DirectoryEntry> files;
    std::vector<std::string> subdirectories;
    std::uint64_t total = 0;
    std::string storedPath;  // CP1252, without its terminating zero
};

// A file handed to the pool. Dropping it stops the job and waits for it: the job works on the
// file's streams.
class __attribute__((visibility("hidden"))) CBackupRestore::Compression {
public:
    Compression(std::unique_ptr<CompressedFile> file, std::future<void> done)
        : file_(std::move(file)), done_(std::move(done)) {}
    Compression(Compression&&) = default;
    Compression& operator=(Compression&&) = delete;
    ~Compression() {
        if (!done_.valid()) return;
        file_->cancelled = true;
        done_.wait();
    }

    // The file once compressed.
    CompressedFile& Ready() {
        if (done_.valid()) done_.get();
        return *file_;
    }

private:
    std::unique_ptr<CompressedFile> file_;
    std::future<void> done_;
};

namespace {

constexpr std::uint64_t kMaxPatternTotal = std::numeric_limits<std::uint32_t>::max();

std::string Quoted(const fs::path& path) { return "« " + path.string() + " »"; }

std::string Describe(EncodeProblem problem, const fs::path& what) {
    switch (problem) {
        case EncodeProblem::Unrepresentable:
            return "le nom " + Quoted(what) +
                   " contient des caractères que l'archive ne peut pas conserver";
        case EncodeProblem::ForbiddenCharacter:
            return "le nom " + Quoted(what) + " contient « \\ » ou « : »";
        case EncodeProblem::TooLong:
            return "le nom " + Quoted(what) + " est trop long pour l'archive";
        case EncodeProblem::None: break;
    }
    return {};
}

std::string WithSlash(const fs::path& dir) {
    std::string text = dir.string();
    return text.empty() || text.back() == '/' ? text : text + "/";
}

}  // namespace

bool CBackupRestore::IsOwnFile(const fs::path& dir, const std::string& name) const {
    return (name == workName_ || name == ManifestFileName(workName_)) &&
           (dir / "").lexically_normal() == (workDirectory_ / "").lexically_normal();
}

// Refuses, before anything of the directory is written, what a reader would reject or the
// format cannot hold; links, FIFOs and devices are left out and said. Temporaries, those of a
// restore killed there included, are never archived; the volumes being written, when the
// directory of the volumes lies among those saved, neither.
BR_CODE CBackupRestore::ScanPattern(const fs::path& dir, PatternScan& scan, bool warn) {
    const std::optional<std::vector<DirectoryEntry>> entries = os_->List(dir);
    if (!entries) {
        detail_ = "le répertoire " + Quoted(dir) + " ne peut pas être lu";
        return BR_ERR_SRC_FILE_READ_ERROR;
    }
    for (const DirectoryEntry& entry : *entries) {
        if (entry.kind == EntryKind::Temporary) {
            Sweep(dir, {});
        } else if (IsOwnFile(dir, entry.name)) {
            if (warn)
                warnings_.push_back(Quoted(dir / entry.name) +
                                    " appartient à cette sauvegarde : non sauvegardé");
        } else if (entry.kind == EntryKind::Directory) {
            if (entry.name[0] != '.') scan.subdirectories.push_back(entry.name);
        } else if (entry.kind == EntryKind::Other) {
            if (warn)
                warnings_.push_back(Quoted(dir / entry.name) +
                                    " n'est ni un fichier ni un répertoire : non sauvegardé");
        } else if (const EncodeProblem problem = EncodeName(entry.name).problem;
                   problem != EncodeProblem::None) {
            detail_ = Describe(problem, dir / entry.name);
            return BR_ERR_SRC_FILE_READ_ERROR;
        } else {
            scan.files.push_back(entry);
            scan.total += entry.size;
        }
    }
    if (scan.files.empty()) return BR_OK;
    if (scan.files.size() > kMaxFilesPerPattern) {
        detail_ = "le répertoire " + Quoted(dir) + " contient plus de 65 535 fichiers";
        return BR_ERR_SRC_FILE_READ_ERROR;
    }
    if (scan.total > kMaxPatternTotal) {
        detail_ = "les fichiers du répertoire " + Quoted(dir) + " totalisent 4 Gio ou plus";
        return BR_ERR_SRC_FILE_READ_ERROR;
    }
    const Encoded path = EncodePath(dir, directory_);
    if (path.problem == EncodeProblem::TooLong) {
        detail_ = "le chemin de " + Quoted(dir) + " dépasse 260 caractères dans l'archive";
        return BR_ERR_SRC_FILE_READ_ERROR;
    }
    if (path.problem != EncodeProblem::None) {
        detail_ = Describe(path.problem, dir);
        return BR_ERR_SRC_FILE_READ_ERROR;
    }
    scan.storedPath = path.bytes;
    return BR_OK;
}

// Post-order: a directory's subdirectories (by name) before the directory itself, which is
// listed only when it holds files. Without SubDirectory, the directory alone.
BR_CODE CBackupRestore::GetSubDirectories(const std::string& directory) {
    PatternScan scan;
    if (const BR_CODE code = ScanPattern(directory, scan, true); code != BR_OK) return code;
    overallTotal_ += scan.total;
    if (subDirectory_)
        for (const std::string& sub : scan.subdirectories)
            if (const BR_CODE code = GetSubDirectories(MakeFullFile(directory, sub) + "/");
                code != BR_OK)
                return code;
    if (!scan.files.empty()) patterns_.push_back(directory);
    return BR_OK;
}

BR_CODE CBackupRestore::Backup() {
    warnings_.clear();
    detail_.clear();
    backup_ = true;
    overallTotal_ = overallDone_ = 0;
    const bool ownPatterns = autoEvents_.Contains(eBRGetPatternToBackup);
    if (ownPatterns && (directory_.empty() || !os_->IsDirectory(directory_))) {
        RaiseError(BR_ERR_BR_PATH_NOT_FOUND);
        return BR_ERR_BR_PATH_NOT_FOUND;
    }
    BR_CODE code = BRBegin(brFileName_, brDirectory_);
    if (code == BR_OK && ownPatterns) code = GetSubDirectories(directory_);
    if (code != BR_OK) {
        RaiseError(code);
        BREnd();
        return code;
    }
    header_.setId = static_cast<std::uint32_t>(kvarn::Now());
    check_.reset();
    written_.reset();
    if (manifest_) written_ = Manifest{header_.setId, {}, {}};

    std::uint16_t size = 0, hiVersion = 0, loVersion = 0;
    if (OnBeginBackup)
        OnBeginBackup(*this, kMaxArchiveDescription, size, description_, hiVersion, loVersion);
    size = static_cast<std::uint16_t>(
        std::min<std::size_t>({size, description_.size(), kMaxArchiveDescription}));
    if (autoEvents_.Contains(eBRPercents)) prompter_->OpenProgress("Compression en cours");
    pool_ = std::make_unique<WorkerPool>(compressionThreads_);
    codecs_.clear();
    for (unsigned worker = 0; worker < pool_->Size(); ++worker) codecs_.push_back(codec_->Clone());

    std::vector<std::uint8_t> word;
    AppendU16(word, size);
    code = BackupBuffer(word.data(), word.size());
    if (code == BR_OK) code = BackupBuffer(description_.data(), size);
    while (code == BR_OK) {
        std::string path;
        std::vector<std::uint8_t> patternDescription;
        std::uint16_t descriptionSize = 0;
        bool supplied = false, abort = false;
        Dispatch(
            eBRGetPatternToBackup, static_cast<bool>(OnGetPatternToBackup),
            [&] {
                supplied = true;
                OnGetPatternToBackup(*this, kMaxPatternDescription, descriptionSize,
                                     patternDescription, path, abort);
            },
            [&] {
                supplied = true;
                OnOwnGetPatternToBackup(path, abort);
            });
        if (!supplied || abort) break;
        std::error_code error;
        currentPattern_ = WithSlash(fs::absolute(path, error).lexically_normal());
        const auto entries = os_->List(currentPattern_);
        const bool hasFiles = entries && std::any_of(entries->begin(), entries->end(), [](auto& e) {
                                  return e.kind == EntryKind::File;
                              });
        if (!hasFiles) continue;
        descriptionSize = static_cast<std::uint16_t>(std::min<std::size_t>(
            {descriptionSize, patternDescription.size(), kMaxPatternDescription}));
        code = BackupPattern(descriptionSize, patternDescription.data());
    }

    const bool opened = header_.volume > 0;
    if (code == BR_OK && volumeOut_) {
        const std::uint8_t end[2] = {0, 0};
        code = BackupBuffer(end, sizeof end);
    }
    if (code == BR_OK) code = CloseStreamBackup();
    if (code == BR_OK && written_ && opened) WriteManifest();
    written_.reset();
    if (code == BR_ERR_ACTION_CANCELED || code == BR_ERR_TMP_FILE_ACCESS_IO_ERROR ||
        code == BR_ERR_DEST_FILE_WRITE_ERROR)
        DeleteVolumeBeingWritten();
    volumeOut_.reset();  // an unfinished volume: its temporary file goes with it
    if (!opened && code == BR_OK) code = BR_ERR_NO_SRC_FILE_TO_BACKUP;
    if (autoEvents_.Contains(eBRPercents)) prompter_->CloseProgress();
    pool_.reset();
    codecs_.clear();
    RaiseEnd(code);
    BREnd();
    return code;
}

BR_CODE CBackupRestore::BackupPattern(std::uint16_t descriptionLength,
                                      const std::uint8_t* description) {
    PatternScan scan;
    // The directories of the component's own list were checked, and their warnings given, when
    // the list was made.
    const bool ownList = autoEvents_.Contains(eBRGetPatternToBackup);
    if (const BR_CODE code = ScanPattern(currentPattern_, scan, !ownList); code != BR_OK)
        return code;
    if (scan.files.empty()) return BR_ERR_SRC_FILE_DELETED_DURING_BACKUP;
    if (!ownList) overallTotal_ += scan.total;
    patternTotal_ = scan.total;
    patternDone_ = 0;
    storedPatternPath_ = kvarn::ToUtf8(scan.storedPath, kvarn::CodePage::Ansi);

    std::vector<std::uint8_t> pathLength, path(scan.storedPath.begin(), scan.storedPath.end()),
        counts;
    path.push_back(0);
    AppendU16(pathLength, static_cast<std::uint16_t>(path.size()));
    AppendU32(counts, static_cast<std::uint32_t>(scan.total));
    AppendU16(counts, static_cast<std::uint16_t>(scan.files.size()));
    AppendU16(counts, descriptionLength);
    for (const std::vector<std::uint8_t>* item : {&pathLength, &path, &counts})
        if (const BR_CODE code = BackupBuffer(item->data(), item->size()); code != BR_OK)
            return code;
    if (const BR_CODE code = BackupBuffer(description, descriptionLength); code != BR_OK)
        return code;

    // The files are compressed ahead of the volume, up to two per thread: enough to keep every
    // thread busy while a file goes to the volume, few enough that memory stays flat.
    const std::size_t ahead = 2 * static_cast<std::size_t>(pool_->Size());
    std::deque<Compression> started;
    std::size_t next = 0;
    for (const DirectoryEntry& file : scan.files) {
        while (next < scan.files.size() && started.size() < ahead)
            started.push_back(StartCompression(currentPattern_, scan.files[next++]));
        const BR_CODE code = BackupOneFile(currentPattern_, file, started.front().Ready());
        started.pop_front();
        if (code != BR_OK) return code;
    }
    return patternDone_ == scan.total ? BR_OK : BR_ERR_SRC_FILE_DELETED_DURING_BACKUP;
}

CBackupRestore::Compression CBackupRestore::StartCompression(const fs::path& dir,
                                                             const DirectoryEntry& entry) {
    const fs::path path = dir / entry.name;
    std::unique_ptr<Stream> source = os_->OpenForReading(path);
    std::uint64_t size = 0;
    BR_CODE code = BR_OK;
    if (!source)
        code = BR_ERR_SRC_FILE_READ_ERROR;
    else if (const std::optional<std::uint64_t> known = source->Size();
             known && *known <= kMaxPatternTotal)
        size = *known;
    else
        code = BR_ERR_SRC_FILE_DELETED_DURING_BACKUP;
    auto file =
        std::make_unique<CompressedFile>(*os_, std::move(source), static_cast<std::uint32_t>(size));
    file->code = code;
    if (!file->file) file->detail = Quoted(path);
    if (file->code != BR_OK) return {std::move(file), {}};
    CompressedFile& job = *file;
    return {std::move(file),
            pool_->Run([this, &job](unsigned worker) { BRImplodeFile(*codecs_[worker], job); })};
}

BR_CODE CBackupRestore::BackupOneFile(const fs::path& dir, const DirectoryEntry& entry,
                                      CompressedFile& file) {
    const fs::path path = dir / entry.name;
    if (file.code != BR_OK) {
        detail_ = file.detail;
        return file.code;
    }
    const std::uint32_t originalSize = file.size;
    if (OnBackupFile) OnBackupFile(*this, path.string());
    StartFileProgress(entry.name, originalSize);

    const kvarn::DosConversion when = kvarn::ToDosDateTime(entry.modified);
    if (when.clamped)
        warnings_.push_back("la date de " + Quoted(path) +
                            " sort des années 1980 à 2107 : l'archive garde la plus proche");
    const std::uint32_t stored = file.stored;
    const bool imploded = file.Imploded();
    const BR_FILEDESC desc{originalSize,    stored,          entry.attributes,
                           when.words.date, when.words.time, imploded ? kMethodImploded
                                                                      : kMethodStored};
    const std::string name = EncodeName(entry.name).bytes;
    std::vector<std::uint8_t> record;
    AppendU16(record, static_cast<std::uint16_t>(kFileDescSize + name.size()));
    const auto fixed = EncodeFileDesc(desc);
    record.insert(record.end(), fixed.begin(), fixed.end());
    record.insert(record.end(), name.begin(), name.end());
    if (const BR_CODE code = BackupBuffer(record.data(), record.size()); code != BR_OK) return code;

    Stream& source = imploded ? static_cast<Stream&>(file.spool) : *file.file;
    if (!source.Seek(0))
        return imploded ? BR_ERR_TMP_FILE_ACCESS_IO_ERROR : BR_ERR_SRC_FILE_READ_ERROR;
    const BR_CODE code = BackupBuffer(source, stored,
                                      imploded ? BR_ERR_TMP_FILE_ACCESS_IO_ERROR
                                               : BR_ERR_SRC_FILE_DELETED_DURING_BACKUP);
    if (code != BR_OK) return code;
    AdvanceProgress(originalSize - stored);  // what imploding saved is done
    if (written_)
        written_->files.push_back({storedPatternPath_, kvarn::ToUtf8(name, kvarn::CodePage::Ansi),
                                   desc, fileDigest_.Hex()});
    return BR_OK;
}

// The output is kept only while it is smaller than the file; once it is not, the file will be
// stored as it is and the codec is given no more input.
void CBackupRestore::BRImplodeFile(Codec& codec, CompressedFile& file) {
    const std::uint32_t size = file.size;
    std::uint64_t consumed = 0, produced = 0;
    bool shortRead = false, spoolFailed = false;
    const ReadFunction read = [&](std::uint8_t* buffer, std::size_t capacity) -> std::size_t {
        if (produced >= size || file.cancelled) return 0;
        const std::size_t wanted = std::min<std::uint64_t>(capacity, size - consumed);
        const std::size_t got = file.file->Read(buffer, wanted);
        consumed += got;
        shortRead = shortRead || got < wanted;
        return got;
    };
    const WriteFunction write = [&](const std::uint8_t* data, std::size_t count) {
        if (produced + count < size && !spoolFailed) spoolFailed = !file.spool.Write(data, count);
        produced += count;
    };
    const bool imploded = codec.Implode(read, write);
    if (shortRead)
        file.code = file.file->Failed() ? BR_ERR_SRC_FILE_READ_ERROR
                                        : BR_ERR_SRC_FILE_DELETED_DURING_BACKUP;
    else if (!imploded)
        file.code = BR_ERR_IMPLODING_FILE;
    else if (produced < size && spoolFailed)
        file.code = BR_ERR_TMP_FILE_ACCESS_IO_ERROR;
    file.stored = produced < size ? static_cast<std::uint32_t>(produced) : size;
}
