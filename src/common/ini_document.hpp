// An INI document in memory: sections of "key=value" lines, kept in file order with comments.
//
// Section and key names compare without regard to case, French accented letters included
// ("Métropole" and "MÉTROPOLE" are one key), and surrounding blanks are ignored, as Windows
// readers do. Values are UTF-8 here; the file layer decides the bytes on disk. A stray line, one
// that is not blank, a comment (";" or "#"), a "[section]" or a "key=value", is read as the file's
// kind wants: a Windows settings file skips it and keeps it in place when the file is written
// again, as Windows does (a hand-edited line must not make every read and write of the dossier's
// settings fail); the standalone host's own files, which only the program writes, are refused
// with IniSyntaxError naming the source and the line, so that a damaged file is reported rather
// than silently dropped and later overwritten.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvarn {

class IniSyntaxError : public std::runtime_error {
public:
    IniSyntaxError(const std::string& source, int line, const std::string& reason);
    int line() const { return line_; }

private:
    int line_;
};

enum class StrayLines { Refuse, Keep };

class IniDocument {
public:
    using Entry = std::pair<std::string, std::string>;  // key, value

    static IniDocument Parse(std::string_view text, const std::string& sourceName,
                             StrayLines stray = StrayLines::Refuse);
    // Lines joined with `lineEnd`, keys written "key=value" without blanks.
    std::string Serialize(std::string_view lineEnd) const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The 1-based line the key was read from, 0 when it was not read from a file.
    int LineOf(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    bool Remove(std::string_view section, std::string_view key);

    std::vector<std::string> Sections() const;  // as first written, without the nameless one
    std::vector<Entry> Entries(std::string_view section) const;

private:
    struct Line {
        std::string key;    // empty for a comment, blank or stray line
        std::string value;  // the line's text for a comment or stray line
        std::string folded; // key folded for comparisons
        int sourceLine = 0;
    };
    struct Section {
        std::string name;
        std::string folded;
        std::vector<Line> lines;
    };

    const Section* Find(std::string_view section) const;
    Section* Find(std::string_view section);
    const Line* FindLine(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_{Section{}};  // the first holds lines before any header
};

}  // namespace kvarn
