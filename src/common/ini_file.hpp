// An INI file on disk, and the one shared object per file that a process keeps.
//
// The dossier's settings file is read and written by two sides of the program: the module's
// settings store and the host's dossier settings. Both ask SharedIniFile for the same path and
// get the same object, so a write through one is read through the other at once. Another process
// may change the file too: before every read the object compares the file's inode, size and
// nanosecond modification time with what it last loaded or wrote, and reloads when they differ.
// Every write replaces the file atomically; a name or value that the file could not hold as given
// (a line break, a key with "=", a character outside CP1252) is refused before anything is
// written. A file that fails to parse is reported (file and line) on every access and is never
// overwritten.
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
};

// Windows settings files: CP1252 and CRLF.
inline constexpr IniFormat kWindowsIni{true, "\r\n"};
// The standalone host's own human-readable files: UTF-8 and LF.
inline constexpr IniFormat kUtf8Ini{false, "\n"};

class IniFile {
public:
    // Checks a freshly loaded document beyond its syntax (typed values, say); throws to refuse it.
    using Validator = std::function<void(const IniDocument& document, const std::string& source)>;

    IniFile(std::filesystem::path path, IniFormat format, Validator validator = {});

    const std::filesystem::path& path() const { return path_; }

    std::optional<std::string> Get(std::string_view section, std::string_view key);
    void Set(std::string_view section, std::string_view key, std::string_view value);
    void Remove(std::string_view section, std::string_view key);
    // Several changes written with one replacement of the file.
    void Apply(const std::vector<std::pair<std::string, std::string>>& removals,
               const std::vector<std::pair<std::pair<std::string, std::string>, std::string>>& sets);

    // The document as it is on disk now (reloaded when the file changed).
    const IniDocument& Document();

private:
    struct Stamp {
        bool exists = false;
        ino_t inode = 0;
        off_t size = 0;
        long long mtimeNs = 0;
        bool operator==(const Stamp&) const = default;
    };

    // Throws std::invalid_argument (in French) for a section, key or value the file cannot hold.
    void CheckWritable(std::string_view section, std::string_view key, std::string_view value) const;
    Stamp StampOnDisk() const;
    void ReloadIfChanged();
    void Save();

    std::filesystem::path path_;
    IniFormat format_;
    Validator validator_;
    IniDocument document_;
    std::optional<Stamp> loaded_;  // none until the first load
};

// The process-wide object for a Windows settings file at `path` (compared after making the path
// absolute and resolving what exists of it).
std::shared_ptr<IniFile> SharedIniFile(const std::filesystem::path& path);

}  // namespace kvarn
