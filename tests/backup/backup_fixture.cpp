#include "backup_fixture.hpp"

#include "fuzz/restore_input.hpp"

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>

namespace kvarn::backup::testing_support {

void SetModified(const fs::path& path, std::time_t when) {
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

std::time_t Modified(const fs::path& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mtime;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 engine(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(engine() & 0xFF);
    return bytes;
}

std::vector<std::string> FilesBelow(const fs::path& root) {
    std::vector<std::string> files;
    if (!fs::exists(root)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() || entry.is_symlink())
            files.push_back(entry.path().lexically_relative(root).string());
    std::sort(files.begin(), files.end());
    return files;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

std::optional<std::uint64_t> ControlledOs::FreeSpace(const fs::path& dir) {
    return freeSpace ? freeSpace : PosixOsLayer::FreeSpace(dir);
}

bool ControlledOs::Exists(const fs::path& path) {
    return (memoryTarget && memoryTarget->count(path.lexically_normal().string()) > 0) ||
           PosixOsLayer::Exists(path);
}

std::unique_ptr<PendingFile> ControlledOs::Killable(std::unique_ptr<PendingFile> file) {
    if (!killAfter && !killAfterNames) return file;
    if (!killBudget_) {
        killBudget_ = std::make_shared<WriteBudget>();
        killBudget_->remaining = killAfter.value_or(UINT64_MAX);
        killBudget_->whenSpent = [] { ::raise(SIGKILL); };
        if (killAfterNames)
            killBudget_->beforeName = [names = *killAfterNames]() mutable {
                if (names-- == 0) ::raise(SIGKILL);
            };
    }
    return WithinBudget(std::move(file), killBudget_);
}

std::unique_ptr<PendingFile> ControlledOs::CreateVolume(const fs::path& path) {
    std::unique_ptr<PendingFile> real = PosixOsLayer::CreateVolume(path);
    if (volumeFailsAfter)
        real = WithinBudget(std::move(real),
                            std::make_shared<WriteBudget>(WriteBudget{*volumeFailsAfter, {}, {}}));
    return Killable(std::move(real));
}

std::unique_ptr<PendingFile> ControlledOs::CreateRestored(const fs::path& root,
                                                          const fs::path& relative,
                                                          const std::string& name) {
    if (!memoryTarget) return Killable(PosixOsLayer::CreateRestored(root, relative, name));
    return std::make_unique<fuzzing::MemoryFile>(
        [this, path = (root / relative / name).lexically_normal().string()](std::string bytes) {
            (*memoryTarget)[path] = std::move(bytes);
        });
}

void BackupTest::SetUp() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    root_ = fs::temp_directory_path() / name;
    fs::remove_all(root_);
    source_ = root_ / "source";
    volumes_ = root_ / "volumes";
    target_ = root_ / "cible";
    fs::create_directories(source_);
}

void BackupTest::TearDown() {
    std::error_code ignored;
    // Read-only directories of a test may block the clean-up: give write permission back.
    for (auto it = fs::recursive_directory_iterator(root_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

bool RecordingPrompter::AskForDisk(int number) {
    shown_.diskRequests.push_back(number);
    if (disks_.answers.empty()) {
        ADD_FAILURE() << "unexpected request for disk " << number;
        return false;
    }
    const std::optional<fs::path> disk = disks_.answers.front();
    disks_.answers.pop_front();
    if (disk && disks_.drive) disks_.drive->Insert(*disk);
    return disk.has_value();
}

CBackupRestore& BackupTest::Component() {
    auto os = std::make_unique<ControlledOs>();
    os_ = os.get();
    drive_ = nullptr;
    return Wired(std::move(os));
}

CBackupRestore& BackupTest::RemovableComponent(std::optional<std::uint64_t> capacity) {
    auto os = std::make_unique<ControlledOs>();
    os_ = os.get();
    auto drive = std::make_unique<SimulatedRemovableDrive>(std::move(os), volumes_, capacity);
    drive_ = drive.get();
    disks_.drive = drive_;
    return Wired(std::move(drive));
}

CBackupRestore& BackupTest::Wired(std::unique_ptr<OsLayer> os) {
    component_ = std::make_unique<CBackupRestore>(std::move(os), MakeDclCodec());
    component_->SetPrompter(&prompter_);
    component_->SetDirectory(source_.string());
    component_->SetBRDirectory(volumes_.string());
    return *component_;
}

fs::path BackupTest::Disk(int number) const {
    return root_ / ("disque" + std::to_string(number));
}

void BackupTest::QueueDisks(std::initializer_list<int> numbers) {
    for (const int number : numbers) {
        if (number == 0) {
            disks_.answers.emplace_back(std::nullopt);
            continue;
        }
        fs::create_directories(Disk(number));
        disks_.answers.emplace_back(Disk(number));
    }
}

BR_CODE BackupTest::BackupTo(const std::string& name) {
    if (!component_) Component();
    component_->SetBRFileName(name);
    component_->SetDirectory(source_.string());
    return component_->Backup();
}

BR_CODE BackupTest::RestoreFrom(const std::string& name) {
    if (!component_) Component();
    component_->SetBRFileName(name);
    component_->SetDirectory(target_.string());
    return component_->Restore();
}

std::vector<std::string> BackupTest::Temporaries() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
        if (entry.path().filename().string().find(".kvarn-") != std::string::npos)
            found.push_back(entry.path().string());
    return found;
}

std::vector<std::string> NamesIn(const fs::path& dir) {
    std::vector<std::string> names;
    if (!fs::exists(dir)) return names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> BackupTest::VolumeDirectory() const { return NamesIn(volumes_); }

ArchiveBytes::ArchiveBytes(std::uint32_t setId, std::uint16_t volume, std::uint16_t signature) {
    U16(signature).U16(0).U32(setId).U16(volume).U16(1).Bytes(std::string(20, '\0'));
}

ArchiveBytes& ArchiveBytes::U16(std::uint16_t value) {
    bytes_ += static_cast<char>(value & 0xFF);
    bytes_ += static_cast<char>(value >> 8);
    return *this;
}

ArchiveBytes& ArchiveBytes::U32(std::uint32_t value) {
    return U16(static_cast<std::uint16_t>(value & 0xFFFF))
        .U16(static_cast<std::uint16_t>(value >> 16));
}

ArchiveBytes& ArchiveBytes::Bytes(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
}

ArchiveBytes& ArchiveBytes::Description(const std::string& text) {
    return U16(static_cast<std::uint16_t>(text.size())).Bytes(text);
}

ArchiveBytes& ArchiveBytes::Pattern(const std::string& path, std::uint32_t total,
                                    std::uint16_t count) {
    return U16(static_cast<std::uint16_t>(path.size() + 1))
        .Bytes(path + std::string(1, '\0'))
        .U32(total)
        .U16(count)
        .U16(0);
}

ArchiveBytes& ArchiveBytes::StoredFile(const std::string& name, const std::string& data,
                                       std::uint16_t attributes, std::uint16_t date,
                                       std::uint16_t time) {
    const auto size = static_cast<std::uint32_t>(data.size());
    return U16(static_cast<std::uint16_t>(16 + name.size()))
        .U32(size)
        .U32(size)
        .U16(attributes)
        .U16(date)
        .U16(time)
        .U16(0)
        .Bytes(name)
        .Bytes(data);
}

}  // namespace kvarn::backup::testing_support
