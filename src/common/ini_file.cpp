#include "common/ini_file.hpp"

#include "common/atomic_file.hpp"

#include <map>
#include <stdexcept>

#include <sys/stat.h>

namespace kvarn {

IniFile::IniFile(std::filesystem::path path, IniFormat format, Validator validator)
    : path_(std::move(path)), format_(format), validator_(std::move(validator)) {}

IniFile::Stamp IniFile::StampOnDisk() const {
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) return {};
    return {true, info.st_ino, info.st_size,
            static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

void IniFile::ReloadIfChanged() {
    const Stamp now = StampOnDisk();
    if (loaded_ && *loaded_ == now) return;
    if (!now.exists) {
        document_ = IniDocument{};
    } else {
        const std::string bytes = ReadWholeFile(path_);
        const std::string text = format_.ansi ? ToUtf8(bytes, CodePage::Ansi) : bytes;
        IniDocument parsed = IniDocument::Parse(text, path_.string());
        if (validator_) validator_(parsed, path_.string());
        document_ = std::move(parsed);
    }
    loaded_ = now;
}

void IniFile::Save() {
    const std::string text = document_.Serialize(format_.lineEnd);
    try {
        WriteFileAtomically(path_, format_.ansi ? FromUtf8(text, CodePage::Ansi) : text);
    } catch (...) {
        // The change never reached the disk: forget the document in memory so the next access
        // reloads what the file really holds, rather than serving a value nobody stored.
        loaded_.reset();
        throw;
    }
    loaded_ = StampOnDisk();
}

const IniDocument& IniFile::Document() {
    ReloadIfChanged();
    return document_;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) {
    return Document().Get(section, key);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    ReloadIfChanged();
    if (document_.Get(section, key) == value) return;
    document_.Set(section, key, value);
    Save();
}

void IniFile::Remove(std::string_view section, std::string_view key) {
    ReloadIfChanged();
    if (document_.Remove(section, key)) Save();
}

void IniFile::Apply(const std::vector<std::pair<std::string, std::string>>& removals,
                    const std::vector<std::pair<std::pair<std::string, std::string>, std::string>>& sets) {
    ReloadIfChanged();
    for (const auto& [section, key] : removals) document_.Remove(section, key);
    for (const auto& [where, value] : sets) document_.Set(where.first, where.second, value);
    Save();
}

std::shared_ptr<IniFile> SharedIniFile(const std::filesystem::path& path) {
    static std::map<std::filesystem::path, std::weak_ptr<IniFile>> registry;
    const std::filesystem::path key = std::filesystem::weakly_canonical(std::filesystem::absolute(path));
    if (auto existing = registry[key].lock()) return existing;
    auto created = std::make_shared<IniFile>(key, kWindowsIni);
    registry[key] = created;
    return created;
}

}  // namespace kvarn
