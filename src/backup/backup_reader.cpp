// Reading an archive back: the description, each directory's records, each file's data,
// exploded when imploded, into files that take their place only when whole.
#include "backup/backup_restore.hpp"

#include "backup/archive_paths.hpp"
#include "common/codepage.hpp"
#include "common/dates.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

namespace fs = std::filesystem;
using namespace kvarn::backup;

namespace {

// Files restored are named a batch at a time: the batch waits on the disk once for all of them.
constexpr std::size_t kBatchFiles = 64;
constexpr std::uint64_t kBatchBytes = std::uint64_t{32} << 20;
// Stored bytes go from the volume to the codec in reads this large.
constexpr std::uint64_t kStoredChunk = std::uint64_t{1} << 17;

// Where a verification sends the files: it counts nothing and keeps nothing.
class Nowhere final : public PendingFile {
public:
    std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }
    bool Write(const std::uint8_t*, std::size_t) override { return true; }
    bool Seek(std::uint64_t) override { return true; }
    bool Truncate() override { return true; }
    std::uint64_t Position() const override { return 0; }
    std::optional<std::uint64_t> Size() override { return 0; }
    bool Failed() const override { return false; }
    bool Seal(const FileStamp*) override { return true; }
    bool Publish() override { return true; }
    bool FlushName() override { return true; }
};

// The stored bytes of a file taken out of the volumes, a chunk at a time, for the codec to read.
class StoredChunk final : public Stream {
public:
    void Refill() {
        bytes_.clear();
        at_ = 0;
    }
    bool Drained() const { return at_ == bytes_.size(); }

    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        const std::size_t got = std::min(size, bytes_.size() - at_);
        if (got > 0) std::memcpy(buffer, bytes_.data() + at_, got);
        at_ += got;
        return got;
    }
    bool Write(const std::uint8_t* data, std::size_t size) override {
        bytes_.insert(bytes_.end(), data, data + size);
        return true;
    }
    bool Seek(std::uint64_t) override { return false; }
    bool Truncate() override { return false; }
    std::uint64_t Position() const override { return at_; }
    std::optional<std::uint64_t> Size() override { return bytes_.size(); }
    bool Failed() const override { return false; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// What the codec expands, gathered into large writes to the target (the codec hands out a few
// kilobytes at a time), never more than the file's size: past it, the stream is damaged and
// nothing more is written.
class ExplodedOutput {
public:
    ExplodedOutput(Stream& target, std::uint64_t size) : target_(target), size_(size) {
        block_.reserve(kOutputBlock);
    }

    void Put(const std::uint8_t* data, std::size_t count) {
        produced_ += count;
        if (produced_ > size_ || failed_) return;
        block_.insert(block_.end(), data, data + count);
        if (block_.size() >= kOutputBlock) Finish();
    }
    // Writes what is gathered; false once a write failed.
    bool Finish() {
        failed_ = failed_ || !target_.Write(block_.data(), block_.size());
        block_.clear();
        return !failed_;
    }
    bool Exact() const { return produced_ == size_; }

private:
    static constexpr std::size_t kOutputBlock = std::size_t{1} << 18;

    Stream& target_;
    std::uint64_t size_;
    std::uint64_t produced_ = 0;
    bool failed_ = false;
    std::vector<std::uint8_t> block_;
};

// Once every stored byte of a file is read (`read` says how that went), the manifest's verdict on
// them comes before `written`, what became of them: a file damaged in the archive is reported as
// differing from the manifest, whatever the codec made of it.
BR_CODE Judged(const std::optional<ManifestCheck>& check, Sha256& digest, std::string& detail,
               BR_CODE read, BR_CODE written) {
    if (read != BR_OK) return read;
    if (check)
        if (const auto problem = check->Data(digest.Hex())) {
            detail = *problem;
            return BR_ERR_BR_FILE_CORRUPTED;
        }
    return written;
}

// `dir` as a root and the plain components below it: under `root` when it lies there, so that
// links below the root stay unfollowed; otherwise as a root of its own.
LocalDirectory Retarget(const fs::path& dir, const std::string& root) {
    const fs::path normal = dir.lexically_normal();
    if (!root.empty()) {
        const fs::path below = normal.lexically_relative(fs::path(root).lexically_normal());
        if (!below.empty() && *below.begin() != "..")
            return {root, below == "." ? fs::path() : below};
    }
    return {normal, {}};
}

}  // namespace

BR_CODE CBackupRestore::Restore() {
    warnings_.clear();
    detail_.clear();
    report_ = {};
    check_.reset();
    written_.reset();
    backup_ = false;
    commits_.emplace(kBatchFiles, kBatchBytes);
    std::error_code noCurrent;
    const fs::path current = fs::current_path(noCurrent);
    currentDirectory_ = noCurrent ? "" : MakeFullFile(current.string(), "");
    BR_CODE code = BRBegin(brFileName_, brDirectory_);
    if (code != BR_OK) {
        RaiseError(code);
        return code;
    }
    code = ChangeVolume();
    if (code == BR_OK && manifest_) LoadManifest();
    std::uint8_t word[2] = {0, 0};
    if (code == BR_OK) code = RestoreBuffer(word, sizeof word);
    if (code == BR_OK) {
        description_.resize(ReadU16(word));
        code = RestoreBuffer(description_.data(), description_.size());
    }
    if (code == BR_OK && OnBeginRestore) {
        bool abort = false;
        OnBeginRestore(*this, static_cast<std::uint16_t>(description_.size()), description_, 1, 0,
                       abort);
        if (abort) code = BR_ERR_ACTION_CANCELED;
    }
    const bool progress = code == BR_OK && autoEvents_.Contains(eBRPercents);
    if (progress) prompter_->OpenProgress("Décompression en cours");
    while (code == BR_OK) {
        code = RestoreBuffer(word, sizeof word);
        const std::uint16_t length = ReadU16(word);
        if (code != BR_OK) break;
        if (length == 0) {
            code = CheckArchiveEnd();
            break;
        }
        if (length > kMaxStoredPath) {
            code = BR_ERR_BR_FILE_CORRUPTED;
            break;
        }
        std::string path(length, '\0');
        code = RestoreBuffer(reinterpret_cast<std::uint8_t*>(path.data()), length);
        if (code != BR_OK) break;
        // Zero-terminated, and the terminating zero the only one.
        if (path.back() != '\0' || path.find('\0') != path.size() - 1) {
            code = BR_ERR_BR_FILE_CORRUPTED;
            break;
        }
        path.pop_back();
        code = RestorePattern(path);
    }
    // Every file read whole takes its name, whatever stopped the restore after it.
    if (!commits_->Commit() && code == BR_OK) {
        detail_ = "« " + commits_->Failure() + " »";
        code = BR_ERR_DEST_FILE_WRITE_ERROR;
    }
    report_.restored = commits_->Committed();
    commits_.reset();
    if (progress) prompter_->CloseProgress();
    volumeIn_.reset();
    check_.reset();
    storedPatternPath_.clear();
    RaiseEnd(code);
    BREnd();
    return code;
}

BR_CODE CBackupRestore::RestorePattern(const std::string& storedPath) {
    std::uint8_t counts[8] = {};
    BR_CODE code = RestoreBuffer(counts, sizeof counts);
    if (code != BR_OK) return code;
    const std::uint32_t total = ReadU32(counts);
    const std::uint16_t fileCount = ReadU16(counts + 4);
    std::uint16_t descriptionLength = ReadU16(counts + 6);
    if (descriptionLength > kMaxPatternDescription) return BR_ERR_BR_FILE_CORRUPTED;
    std::vector<std::uint8_t> description(descriptionLength);
    code = RestoreBuffer(description.data(), description.size());
    if (code != BR_OK) return code;

    const Decoded decoded = DecodePath(storedPath, directory_, currentDirectory_);
    if (decoded.code != BR_OK) return decoded.code;
    storedPatternPath_ = kvarn::ToUtf8(storedPath, kvarn::CodePage::Ansi);
    LocalDirectory target = decoded.directory;
    std::string pathPattern = MakeFullFile(target.Full().string(), "");
    bool skip = false, abort = false;
    patternTotal_ = total;
    patternDone_ = 0;
    if (OnRestorePattern) {
        const std::string before = pathPattern;
        OnRestorePattern(*this, total, fileCount, skip, descriptionLength, description,
                         pathPattern, abort);
        if (abort) return BR_STOP;
        // The program that handles the event chooses the place freely.
        if (pathPattern != before) target = Retarget(pathPattern, directory_);
    }

    std::uint64_t sizes = 0;
    for (std::uint16_t i = 0; i < fileCount; ++i) {
        std::uint8_t fixed[2 + kFileDescSize] = {};
        if ((code = RestoreBuffer(fixed, sizeof fixed)) != BR_OK) return code;
        const std::uint16_t recordLength = ReadU16(fixed);
        // The whole name is read: taking its length from the low byte alone, as some readers do,
        // would lose the thread of the stream after a long name.
        if (recordLength <= kFileDescSize || recordLength - kFileDescSize > kMaxStoredName)
            return BR_ERR_BR_FILE_CORRUPTED;
        std::string name(recordLength - kFileDescSize, '\0');
        if ((code = RestoreBuffer(reinterpret_cast<std::uint8_t*>(name.data()), name.size())) !=
            BR_OK)
            return code;
        std::string localName = kvarn::ToUtf8(name, kvarn::CodePage::Ansi);
        report_.stoppedIn = storedPatternPath_ + localName;
        const BR_FILEDESC desc = DecodeFileDesc(fixed + 2);
        if (!IsConsistent(desc) || !IsSafeStoredName(name)) return BR_ERR_BR_FILE_CORRUPTED;

        if (check_)
            if (const auto problem = check_->File({storedPatternPath_, localName, desc, {}})) {
                detail_ = *problem;
                return BR_ERR_BR_FILE_CORRUPTED;
            }
        sizes += desc.OriginalSize;
        const std::string proposed = MakeFullFile(target.Full().string(), localName);
        std::string pathRestore = proposed;
        BR_FILEDESC shown = desc;
        if (OnRestoreFile) {
            OnRestoreFile(*this, shown, pathRestore, abort);
            if (abort) return BR_STOP;
        }
        // The handler may change what the file gets, never how the stream is read.
        const std::optional<LocalDirectory> place =
            PlaceOf(target, localName, skip, pathRestore, proposed);
        code = RestoreOneFile(place ? &*place : nullptr, localName,
                              {desc.OriginalSize, desc.StoredSize, shown.Attributes, shown.Date,
                               shown.Time, desc.Method});
        if (code != BR_OK) return code;
        report_.stoppedAfter = std::exchange(report_.stoppedIn, {});
    }
    // A writer counts the directory's bytes from the very files it stores.
    if (sizes != total) {
        detail_ = "le répertoire « " + storedPatternPath_ + " » annonce " +
                  std::to_string(total) + " octets, ses fichiers en comptent " +
                  std::to_string(sizes);
        return BR_ERR_BR_FILE_CORRUPTED;
    }
    return BR_OK;
}

std::optional<LocalDirectory> CBackupRestore::PlaceOf(const LocalDirectory& target,
                                                      std::string& name, bool skip,
                                                      const std::string& chosen,
                                                      const std::string& proposed) {
    if (skip || chosen.empty()) return std::nullopt;
    LocalDirectory place = target;
    if (chosen != proposed) {
        const fs::path path(chosen);
        place = Retarget(path.parent_path(), directory_);
        name = path.filename().string();
    }
    const fs::path final = place.Full() / name;
    // A file of this restore still waiting for its name is in the way as much as one there.
    if (verifyOnly_ || replaceExisting_ || !(commits_->Holds(final.string()) || os_->Exists(final)))
        return place;
    bool replace = false;
    if (OnReplaceFile) OnReplaceFile(*this, final.string(), replace);
    if (replace) return place;
    if (report_.keptExisting++ == 0) report_.firstKept = final.string();
    return std::nullopt;
}

// Stored bytes go to the target directly, or through the codec straight from the volume; checked
// against the manifest once read, and the file takes its name only when whole, with the others of
// its batch: a file that differs from the manifest, or does not explode, never takes its name.
BR_CODE CBackupRestore::RestoreOneFile(const LocalDirectory* place, const std::string& name,
                                       const BR_FILEDESC& desc) {
    StartFileProgress(name, desc.StoredSize);
    std::unique_ptr<PendingFile> target;
    if (place && verifyOnly_) {
        target = std::make_unique<Nowhere>();
    } else if (place) {
        Sweep(place->root, place->relative);
        target = os_->CreateRestored(place->root, place->relative, name);
        if (!target) {
            detail_ = "« " + MakeFullFile(place->Full().string(), name) + " »";
            return BR_ERR_DEST_FILE_WRITE_ERROR;
        }
    }
    const BR_CODE code = target && desc.Method == kMethodImploded
                             ? BRExplodeFile(*target, desc)
                             : Judged(check_, fileDigest_, detail_,
                                      CopieBuffer(target.get(), desc.StoredSize,
                                                  BR_ERR_DEST_FILE_WRITE_ERROR),
                                      BR_OK);
    if (code != BR_OK || !target) return code;  // an unfinished file goes with `target`
    const FileStamp stamp{desc.Attributes, kvarn::FromDosDateTime({desc.Date, desc.Time})};
    const std::string path = place ? (place->Full() / name).string() : std::string();
    if (!commits_->Add(std::move(target), stamp, path, desc.OriginalSize)) {
        detail_ = "« " + commits_->Failure() + " »";
        return BR_ERR_DEST_FILE_WRITE_ERROR;
    }
    return BR_OK;
}


// The codec pulls the stored bytes out of the volumes a chunk at a time, through the digest and
// the progress, and its output goes to `target` in large writes. What the codec leaves unread of
// the stored bytes is read past, so that the archive is read on from the next record and the
// digest covers the whole file.
BR_CODE CBackupRestore::BRExplodeFile(Stream& target, const BR_FILEDESC& desc) {
    std::uint64_t left = desc.StoredSize;
    BR_CODE read = BR_OK;
    StoredChunk chunk;
    // The codec reads ahead of what it needs: it must not see past the stored bytes.
    const ReadFunction pull = [&](std::uint8_t* buffer, std::size_t capacity) {
        if (chunk.Drained() && left > 0 && read == BR_OK) {
            const std::uint64_t size = std::min<std::uint64_t>(left, kStoredChunk);
            chunk.Refill();
            read = CopieBuffer(&chunk, size, BR_ERR_SRC_FILE_READ_ERROR);
            left -= size;
        }
        return read == BR_OK ? chunk.Read(buffer, capacity) : 0;
    };
    ExplodedOutput output(target, desc.OriginalSize);
    const bool exploded = codec_->Explode(pull, [&](const std::uint8_t* data, std::size_t size) {
        output.Put(data, size);
    });
    if (read == BR_OK) read = CopieBuffer(nullptr, left, BR_ERR_SRC_FILE_READ_ERROR);
    // A damaged stream can end "successfully" on stale data: the size is the judge.
    const BR_CODE written = !output.Finish()  ? BR_ERR_DEST_FILE_WRITE_ERROR
                            : !exploded || !output.Exact() ? BR_ERR_EXPLODING_FILE
                                                           : BR_OK;
    return Judged(check_, fileDigest_, detail_, read, written);
}
