#include "restore_input.hpp"

#include "backup/backup_restore.hpp"

#include <algorithm>
#include <cstring>

namespace kvarn::backup::fuzzing {

namespace fs = std::filesystem;

namespace {

const fs::path kTarget = "/cible";
const fs::path kVolumes = "/volumes";

bool IsPlainComponent(const std::string& text) {
    return !text.empty() && text != "." && text != ".." &&
           text.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

// The drive of the volumes and the directory restored into, in memory.
class MemoryOs final : public OsLayer {
public:
    MemoryOs(std::vector<std::string> volumes, RestoreOutcome& outcome)
        : volumes_(std::move(volumes)), outcome_(outcome) {}

    // The next volume in the drive; false when none is left.
    bool InsertNext() {
        if (next_ >= volumes_.size()) return false;
        inserted_ = &volumes_[next_++];
        return true;
    }

    DriveKind KindOf(const fs::path&) override {
        return volumes_.size() > 1 ? DriveKind::Removable : DriveKind::Fixed;
    }
    std::optional<std::uint64_t> FreeSpace(const fs::path&) override { return std::nullopt; }
    ProbeResult Probe(const fs::path&) override { return ProbeResult::Ok; }
    bool IsDirectory(const fs::path&) override { return true; }
    bool Exists(const fs::path&) override { return false; }
    bool MakeDirectories(const fs::path&) override { return true; }
    bool RemoveFile(const fs::path&) override { return true; }
    std::optional<std::vector<DirectoryEntry>> List(const fs::path&) override {
        return std::vector<DirectoryEntry>{};
    }
    std::unique_ptr<Stream> OpenForReading(const fs::path&) override {
        if (!inserted_) return nullptr;
        return std::make_unique<MemoryStream>(*inserted_, false);
    }
    std::unique_ptr<Stream> CreateScratch() override { return std::make_unique<MemoryStream>(); }
    std::unique_ptr<PendingFile> CreateVolume(const fs::path&) override { return nullptr; }
    std::unique_ptr<PendingFile> CreateRestored(const fs::path& root, const fs::path& relative,
                                                const std::string& name) override {
        bool safe = (root / "").lexically_normal() == (kTarget / "") && IsPlainComponent(name);
        for (const fs::path& component : relative) safe = safe && IsPlainComponent(component);
        if (!safe) ++outcome_.unsafePlaces;
        // Counted, checked, not kept.
        return std::make_unique<MemoryFile>([this](std::string bytes) {
            ++outcome_.filesCommitted;
            outcome_.bytesWritten += bytes.size();
        });
    }
    void SweepTemporaries(const fs::path&, const fs::path&,
                          std::chrono::system_clock::time_point) override {}

private:
    std::vector<std::string> volumes_;
    std::size_t next_ = 0;
    const std::string* inserted_ = nullptr;
    RestoreOutcome& outcome_;
};

std::vector<std::string> SplitVolumes(std::string_view input) {
    std::vector<std::string> volumes;
    for (;;) {
        const std::size_t cut = input.find(kVolumeSeparator);
        volumes.emplace_back(input.substr(0, cut));
        if (cut == std::string_view::npos) return volumes;
        input.remove_prefix(cut + kVolumeSeparator.size());
    }
}

}  // namespace

std::size_t MemoryStream::Read(std::uint8_t* buffer, std::size_t size) {
    const std::size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    const std::size_t count = std::min(size, available);
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
}

bool MemoryStream::Write(const std::uint8_t* data, std::size_t size) {
    if (!writable_) return false;
    if (size == 0) return true;
    if (bytes_.size() < position_ + size) bytes_.resize(position_ + size);
    std::memcpy(bytes_.data() + position_, data, size);
    position_ += size;
    return true;
}

bool MemoryStream::Seek(std::uint64_t offset) {
    position_ = offset;
    return true;
}

bool MemoryStream::Truncate() {
    bytes_.resize(std::min<std::uint64_t>(position_, bytes_.size()));
    return true;
}

bool MemoryFile::Publish() {
    committed_(std::move(bytes_));
    return true;
}

RestoreOutcome RestoreFromMemory(const std::uint8_t* data, std::size_t size) {
    RestoreOutcome outcome;
    auto os = std::make_unique<MemoryOs>(
        SplitVolumes({reinterpret_cast<const char*>(data), size}), outcome);
    MemoryOs& drive = *os;
    CBackupRestore component(std::move(os), MakeDclCodec());
    // No built-in behaviour: nothing is shown, and each disk request takes the next volume.
    component.SetAutoEvents({});
    component.SetDirectory(kTarget.string());
    component.SetBRDirectory(kVolumes.string());
    component.SetBRFileName("SAUVEGARDE");
    component.OnInsertFloppy = [&drive](CBackupRestore&, int, const std::string&, bool& abort,
                                        bool) { abort = !drive.InsertNext(); };
    // Directories that carry a description are passed over, which reads their data by seeking.
    component.OnRestorePattern = [](CBackupRestore&, std::uint32_t, std::uint16_t, bool& skip,
                                    std::uint16_t& descriptionLength,
                                    const std::vector<std::uint8_t>&, std::string&,
                                    bool&) { skip = descriptionLength > 0; };
    if (drive.KindOf(kVolumes) == DriveKind::Fixed) drive.InsertNext();
    outcome.code = component.Restore();
    return outcome;
}

std::string JoinVolumes(const std::vector<std::string>& volumes) {
    std::string joined;
    for (std::size_t i = 0; i < volumes.size(); ++i)
        joined += (i ? std::string(kVolumeSeparator) : "") + volumes[i];
    return joined;
}

}  // namespace kvarn::backup::fuzzing
