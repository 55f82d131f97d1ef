// An INI file on disk, and the one shared object per file that a process keeps.
//
// The dossier's settings file is read and written by two sides of the program: the module's
// settings store and the host's dossier settings. Both ask SharedIniFile for the same path and
// get the same object, so a write through one is read through the other at once. Another process
// may change the file too: before every read the object compares the file's inode, size and
// nanosecond modification time with what it last loaded or wrote, and reloads when they differ.
//
// Every change is a read-change-replace of the whole file, and two processes doing one at the same
// time would each write the file they read, losing the other's change. So every change holds an
// exclusive lock on the companion file ".<name>.lock" beside the file (the replace gives the file
// a new inode, so the file itself cannot carry the lock), reads the file again under it, applies
// the change to what the file holds now and replaces the file before letting go. Readers take no
// lock: a replace is atomic, so they see the file before or after a change, never half of one.
// A name or value that the file could not hold as given (a line break, a key with "=", a
// character outside CP1252) is refused and nothing is written. A file of the standalone host that
// fails to parse is reported (file and line) on every access and is never overwritten.
//
// A deferred file keeps its writes in memory: from BeginDeferred on, changes apply to the
// document as the file held it then, reads see them, nothing reaches the disk, and FutureBytes
// gives the bytes the file is to hold. Work that must change several files all or nothing writes
// those bytes itself once it has committed, then ends the deferral, or ends it to drop them.
#pragma once

#include "common/codepage.hpp"
#include "common/ini_document.hpp"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn {

struct IniFormat {
    bool ansi = true;              // CP1252 bytes on disk; false for UTF-8
    std::string_view lineEnd = "\r\n";
    StrayLines stray = StrayLines::Keep;
};

// Windows settings files: CP1252 and CRLF, stray lines skipped and kept.
inline constexpr IniFormat kWindowsIni{true, "\r\n", StrayLines::Keep};
// The standalone host's own human-readable files: UTF-8 and LF, stray lines refused.
inline constexpr IniFormat kUtf8Ini{false, "\n", StrayLines::Refuse};

class IniFile;

// The document being changed inside IniFile::Update: what the file holds now, and the changes,
// each checked as the file can hold it.
class IniEdit {
public:
    const IniDocument& Document() const { return document_; }
    // Throws std::invalid_argument (in French) for a section, key or value the file cannot hold.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    void Remove(std::string_view section, std::string_view key);

private:
    friend class IniFile;
    IniEdit(const IniFile& file, IniDocument document) : file_(file), document_(std::move(document)) {}

    const IniFile& file_;
    IniDocument document_;
    bool changed_ = false;
};

class IniFile {
public:
    // Checks a freshly loaded document beyond its syntax (typed values, say); throws to refuse it.
    using Validator = std::function<void(const IniDocument& document, const std::string& source)>;

    IniFile(std::filesystem::path path, IniFormat format, Validator validator = {});

    const std::filesystem::path& path() const { return path_; }

    std::optional<std::string> Get(std::string_view section, std::string_view key);
    void Set(std::string_view section, std::string_view key, std::string_view value);
    void Remove(std::string_view section, std::string_view key);
    // One read-change-replace under the file's lock: `change` edits the document as the file holds
    // it now (it may read it to decide) and may throw to write nothing; the file is replaced once,
    // when something changed.
    void Update(const std::function<void(IniEdit& edit)>& change);

    // The document as it is on disk now (reloaded when the file changed); while deferred, with
    // the deferred changes.
    const IniDocument& Document();

    // Starts keeping writes in memory (a second call changes nothing); throws what reading the
    // file throws.
    void BeginDeferred();
    bool Deferred() const { return deferred_; }
    // The file's bytes as the deferred changes make them.
    std::string FutureBytes() const;
    // Writes reach the disk again; the next read loads what the disk holds, so the deferred
    // changes are gone unless the caller wrote FutureBytes.
    void EndDeferred();

private:
    struct Stamp {
        bool exists = false;
        ino_t inode = 0;
        off_t size = 0;
        long long mtimeNs = 0;
        bool operator==(const Stamp&) const = default;
    };

    friend class IniEdit;
    void CheckWritable(std::string_view section, std::string_view key, std::string_view value) const;
    Stamp StampOnDisk() const;
    void Load(const Stamp& now);
    void ReloadIfChanged();
    void Save();

    std::filesystem::path path_;
    IniFormat format_;
    Validator validator_;
    IniDocument document_;
    std::optional<Stamp> loaded_;  // none until the first load
    bool deferred_ = false;
};

// The process-wide object for a Windows settings file at `path` (compared after making the path
// absolute and resolving what exists of it).
std::shared_ptr<IniFile> SharedIniFile(const std::filesystem::path& path);

}  // namespace kvarn
