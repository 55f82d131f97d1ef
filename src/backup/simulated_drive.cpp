#include "backup/simulated_drive.hpp"

#include <algorithm>
#include <utility>

namespace kvarn::backup {

namespace fs = std::filesystem;

namespace {

// Normal form without a trailing separator, so that "/a/b/" and "/a/b" name the same place.
fs::path Normal(const fs::path& path) {
    fs::path normal = path.lexically_normal();
    if (normal.has_relative_path() && normal.filename().empty()) normal = normal.parent_path();
    return normal;
}

class BudgetedFile final : public PendingFile {
public:
    BudgetedFile(std::unique_ptr<PendingFile> real, std::shared_ptr<WriteBudget> budget)
        : real_(std::move(real)), budget_(std::move(budget)) {}
    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        return real_->Read(buffer, size);
    }
    bool Write(const std::uint8_t* data, std::size_t size) override {
        const auto accepted =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, budget_->remaining));
        if (accepted < size && budget_->whenSpent) std::exchange(budget_->whenSpent, nullptr)();
        budget_->remaining -= accepted;
        if (accepted > 0 && !real_->Write(data, accepted)) return false;
        full_ = full_ || accepted < size;
        return accepted == size;
    }
    bool Seek(std::uint64_t offset) override { return real_->Seek(offset); }
    bool Truncate() override { return real_->Truncate(); }
    std::uint64_t Position() const override { return real_->Position(); }
    std::optional<std::uint64_t> Size() override { return real_->Size(); }
    bool Failed() const override { return full_ || real_->Failed(); }
    bool Seal(const FileStamp* stamp) override { return !full_ && real_->Seal(stamp); }
    bool Publish() override {
        if (budget_->beforeName) budget_->beforeName();
        return real_->Publish();
    }
    bool FlushName() override { return real_->FlushName(); }

private:
    std::unique_ptr<PendingFile> real_;
    std::shared_ptr<WriteBudget> budget_;
    bool full_ = false;
};

}  // namespace

std::unique_ptr<PendingFile> WithinBudget(std::unique_ptr<PendingFile> file,
                                          std::shared_ptr<WriteBudget> budget) {
    if (!file) return nullptr;
    return std::make_unique<BudgetedFile>(std::move(file), std::move(budget));
}

SimulatedRemovableDrive::SimulatedRemovableDrive(std::unique_ptr<OsLayer> inner, fs::path drive,
                                                 std::optional<std::uint64_t> capacity)
    : inner_(std::move(inner)), drive_(Normal(drive)), capacity_(capacity) {}

void SimulatedRemovableDrive::Insert(const fs::path& disk) {
    disk_ = disk.empty() ? fs::path() : Normal(disk);
}

bool SimulatedRemovableDrive::OnDrive(const fs::path& path) const {
    const fs::path below = Normal(path).lexically_relative(drive_);
    return !below.empty() && *below.begin() != "..";
}

std::optional<fs::path> SimulatedRemovableDrive::Locate(const fs::path& path) const {
    if (!OnDrive(path)) return path;
    if (disk_.empty()) return std::nullopt;
    const fs::path below = Normal(path).lexically_relative(drive_);
    return below == "." ? disk_ : disk_ / below;
}

std::uint64_t SimulatedRemovableDrive::BytesBelow(const fs::path& dir) {
    std::uint64_t total = 0;
    for (const DirectoryEntry& entry : inner_->List(dir).value_or(std::vector<DirectoryEntry>{})) {
        if (entry.kind == EntryKind::File) total += entry.size;
        if (entry.kind == EntryKind::Directory) total += BytesBelow(dir / entry.name);
    }
    return total;
}

DriveKind SimulatedRemovableDrive::KindOf(const fs::path& dir) {
    return OnDrive(dir) ? DriveKind::Removable : inner_->KindOf(dir);
}

std::optional<std::uint64_t> SimulatedRemovableDrive::FreeSpace(const fs::path& dir) {
    const std::optional<fs::path> place = Locate(dir);
    if (!place) return std::nullopt;
    const std::optional<std::uint64_t> real = inner_->FreeSpace(*place);
    if (!OnDrive(dir) || !capacity_ || !real) return real;
    const std::uint64_t used = BytesBelow(disk_);
    return std::min(*real, *capacity_ > used ? *capacity_ - used : 0);
}

ProbeResult SimulatedRemovableDrive::Probe(const fs::path& dir) {
    const std::optional<fs::path> place = Locate(dir);
    return place ? inner_->Probe(*place) : ProbeResult::UnknownDrive;
}

bool SimulatedRemovableDrive::IsDirectory(const fs::path& path) {
    const std::optional<fs::path> place = Locate(path);
    return place && inner_->IsDirectory(*place);
}

bool SimulatedRemovableDrive::Exists(const fs::path& path) {
    const std::optional<fs::path> place = Locate(path);
    return place && inner_->Exists(*place);
}

bool SimulatedRemovableDrive::MakeDirectories(const fs::path& dir) {
    const std::optional<fs::path> place = Locate(dir);
    return place && inner_->MakeDirectories(*place);
}

bool SimulatedRemovableDrive::RemoveFile(const fs::path& path) {
    const std::optional<fs::path> place = Locate(path);
    return place && inner_->RemoveFile(*place);
}

std::optional<std::vector<DirectoryEntry>> SimulatedRemovableDrive::List(const fs::path& dir) {
    const std::optional<fs::path> place = Locate(dir);
    return place ? inner_->List(*place) : std::nullopt;
}

std::unique_ptr<Stream> SimulatedRemovableDrive::OpenForReading(const fs::path& path) {
    const std::optional<fs::path> place = Locate(path);
    return place ? inner_->OpenForReading(*place) : nullptr;
}

std::unique_ptr<Stream> SimulatedRemovableDrive::CreateScratch() { return inner_->CreateScratch(); }

std::unique_ptr<PendingFile> SimulatedRemovableDrive::CreateVolume(const fs::path& path) {
    const std::optional<fs::path> place = Locate(path);
    if (!place) return nullptr;
    if (!OnDrive(path) || !capacity_) return inner_->CreateVolume(*place);
    const std::uint64_t room = FreeSpace(path.parent_path()).value_or(0);
    return WithinBudget(inner_->CreateVolume(*place),
                        std::make_shared<WriteBudget>(WriteBudget{room, {}, {}}));
}

std::unique_ptr<PendingFile> SimulatedRemovableDrive::CreateRestored(const fs::path& root,
                                                                     const fs::path& relative,
                                                                     const std::string& name) {
    const std::optional<fs::path> place = Locate(root);
    return place ? inner_->CreateRestored(*place, relative, name) : nullptr;
}

void SimulatedRemovableDrive::SweepTemporaries(const fs::path& root, const fs::path& relative,
                                               std::chrono::system_clock::time_point before) {
    if (const std::optional<fs::path> place = Locate(root))
        inner_->SweepTemporaries(*place, relative, before);
}

}  // namespace kvarn::backup
