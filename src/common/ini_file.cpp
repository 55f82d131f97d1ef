#include "common/ini_file.hpp"

#include "common/atomic_file.hpp"
#include "common/file_lock.hpp"
#include "common/text.hpp"

#include <chrono>
#include <map>
#include <stdexcept>

#include <sys/stat.h>

namespace kvarn {
namespace {

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

[[noreturn]] void Refuse(const std::filesystem::path& path, const std::string& why) {
    throw std::invalid_argument("Valeur non enregistrable dans " + path.string() + " : " + why);
}

// A change holds the lock for one replacement of a small file: a writer still waiting after this
// long is facing a stopped program, and is better told so than left hanging.
constexpr std::chrono::seconds kLockWait{10};

std::filesystem::path LockOf(const std::filesystem::path& path) {
    return path.parent_path() / ("." + path.filename().string() + ".lock");
}

}  // namespace

// A name or value the file cannot hold as given would come back different, or make the whole
// file unreadable, on the next load: refuse it before anything is written.
void IniFile::CheckWritable(std::string_view section, std::string_view key, std::string_view value) const {
    const std::string name = Trim(key);
    if (Trim(section).empty() || HasLineBreak(section)) Refuse(path_, "nom de section vide ou sur plusieurs lignes");
    if (name.empty() || HasLineBreak(key) || name.find('=') != std::string::npos ||
        name.find_first_of(";#[") == 0)
        Refuse(path_, "nom de clé « " + std::string(key) + " » invalide (vide, « = », retour à la ligne, "
                      "ou commençant par « ; », « # » ou « [ »)");
    if (HasLineBreak(value)) Refuse(path_, "la valeur de « " + name + " » contient un retour à la ligne");
    if (!format_.ansi) return;
    std::size_t unmappable = 0;
    FromUtf8(std::string(section) + std::string(key) + std::string(value), CodePage::Ansi, &unmappable);
    if (unmappable != 0)
        Refuse(path_, "« " + name + " » contient des caractères que la page de code Windows 1252 ne connaît pas");
}

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
    if (!loaded_ || *loaded_ != now) Load(now);
}

void IniFile::Load(const Stamp& now) {
    if (!now.exists) {
        document_ = IniDocument{};
    } else {
        const std::string bytes = ReadWholeFile(path_);
        const std::string text = format_.ansi ? ToUtf8(bytes, CodePage::Ansi) : bytes;
        IniDocument parsed = IniDocument::Parse(text, path_.string(), format_.stray);
        if (validator_) validator_(parsed, path_.string());
        document_ = std::move(parsed);
    }
    loaded_ = now;
}

void IniFile::Save() {
    try {
        WriteFileAtomically(path_, FutureBytes());
    } catch (...) {
        // The change never reached the disk: forget the document in memory so the next access
        // reloads what the file really holds, rather than serving a value nobody stored.
        loaded_.reset();
        throw;
    }
    loaded_ = StampOnDisk();
}

const IniDocument& IniFile::Document() {
    if (!deferred_) ReloadIfChanged();
    return document_;
}

void IniFile::BeginDeferred() {
    if (deferred_) return;
    ReloadIfChanged();
    deferred_ = true;
}

std::string IniFile::FutureBytes() const {
    const std::string text = document_.Serialize(format_.lineEnd);
    return format_.ansi ? FromUtf8(text, CodePage::Ansi) : text;
}

void IniFile::EndDeferred() {
    deferred_ = false;
    loaded_.reset();
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) {
    return Document().Get(section, key);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    Update([&](IniEdit& edit) { edit.Set(section, key, value); });
}

void IniFile::Remove(std::string_view section, std::string_view key) {
    Update([&](IniEdit& edit) { edit.Remove(section, key); });
}

void IniFile::Update(const std::function<void(IniEdit&)>& change) {
    if (deferred_) {
        // Nothing is written, so there is nothing to lock: the change applies to the memory.
        IniEdit edit(*this, document_);
        change(edit);
        if (edit.changed_) document_ = std::move(edit.document_);
        return;
    }
    const FileLock lock(LockOf(path_), kLockWait);
    // Under the lock the file is what the last writer left: read it whatever the stamp says (an
    // inode can be reused, and two replaces can fall in one clock tick).
    Load(StampOnDisk());
    IniEdit edit(*this, document_);
    change(edit);
    if (!edit.changed_) return;
    document_ = std::move(edit.document_);
    Save();
}

void IniEdit::Set(std::string_view section, std::string_view key, std::string_view value) {
    file_.CheckWritable(section, key, value);
    if (document_.Get(section, key) == value) return;
    document_.Set(section, key, value);
    changed_ = true;
}

void IniEdit::Remove(std::string_view section, std::string_view key) {
    if (document_.Remove(section, key)) changed_ = true;
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
