#include "common/ini_document.hpp"

#include "common/text.hpp"

#include <algorithm>

namespace kvarn {
namespace {

std::string Fold(std::string_view name) { return ToUpperFrench(Trim(name)); }

bool IsComment(std::string_view line) { return !line.empty() && (line[0] == ';' || line[0] == '#'); }

}  // namespace

IniSyntaxError::IniSyntaxError(const std::string& source, int line, const std::string& reason)
    : std::runtime_error("Fichier " + source + " endommagé, ligne " + std::to_string(line) + " : " +
                         reason),
      line_(line) {}

IniDocument IniDocument::Parse(std::string_view text, const std::string& sourceName, StrayLines stray) {
    IniDocument document;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte-order mark
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        const std::string line = Trim(raw);
        Section& current = document.sections_.back();
        const std::size_t equals = line.find('=');
        const bool header = line.size() >= 3 && line.front() == '[' && line.back() == ']';
        if (line.empty() || IsComment(line)) {
            current.lines.push_back({"", line, "", number});
        } else if (header) {
            const std::string name = Trim(std::string_view(line).substr(1, line.size() - 2));
            document.sections_.push_back({name, Fold(name), {}});
        } else if (line.front() != '[' && equals != std::string::npos && equals != 0) {
            const std::string key = Trim(std::string_view(line).substr(0, equals));
            current.lines.push_back({key, Trim(std::string_view(line).substr(equals + 1)), Fold(key), number});
        } else if (stray == StrayLines::Keep) {
            current.lines.push_back({"", std::string(raw), "", number});
        } else {
            throw IniSyntaxError(sourceName, number,
                                 line.front() == '[' ? "en-tête de section mal formé « " + line + " »"
                                                     : "ligne sans « clé=valeur » : « " + line + " »");
        }
    }
    return document;
}

std::string IniDocument::Serialize(std::string_view lineEnd) const {
    std::string out;
    for (const Section& section : sections_) {
        if (!section.name.empty()) out.append("[").append(section.name).append("]").append(lineEnd);
        for (const Line& line : section.lines) {
            if (line.key.empty()) out.append(line.value);
            else out.append(line.key).append("=").append(line.value);
            out.append(lineEnd);
        }
    }
    return out;
}

const IniDocument::Section* IniDocument::Find(std::string_view section) const {
    const std::string folded = Fold(section);
    // A section may appear twice in a hand-edited file; its first occurrence is the one read.
    for (const Section& candidate : sections_)
        if (!candidate.name.empty() && candidate.folded == folded) return &candidate;
    return nullptr;
}

IniDocument::Section* IniDocument::Find(std::string_view section) {
    return const_cast<Section*>(std::as_const(*this).Find(section));
}

const IniDocument::Line* IniDocument::FindLine(std::string_view section, std::string_view key) const {
    const Section* found = Find(section);
    if (!found) return nullptr;
    const std::string folded = Fold(key);
    for (const Line& line : found->lines)
        if (!line.key.empty() && line.folded == folded) return &line;
    return nullptr;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const Line* line = FindLine(section, key);
    if (!line) return std::nullopt;
    return line->value;
}

int IniDocument::LineOf(std::string_view section, std::string_view key) const {
    const Line* line = FindLine(section, key);
    return line ? line->sourceLine : 0;
}

// The value is kept as a read of the file gives it back, surrounding blanks dropped as Windows
// readers drop them: the same before and after another process makes us read the file again.
void IniDocument::Set(std::string_view section, std::string_view key, std::string_view rawValue) {
    const std::string value = Trim(rawValue);
    if (const Line* line = FindLine(section, key)) {
        const_cast<Line*>(line)->value = value;
        return;
    }
    Section* found = Find(section);
    if (!found) {
        // A blank line before a new section keeps hand-read files readable.
        Section& last = sections_.back();
        if (!last.lines.empty() && !(last.lines.back().key.empty() && last.lines.back().value.empty()))
            last.lines.push_back({});
        sections_.push_back({Trim(section), Fold(section), {}});
        found = &sections_.back();
    }
    // New keys go after the section's last key, before any trailing blank lines.
    auto where = found->lines.end();
    while (where != found->lines.begin() && std::prev(where)->key.empty() &&
           std::prev(where)->value.empty())
        --where;
    found->lines.insert(where, {Trim(key), std::string(value), Fold(key), 0});
}

bool IniDocument::Remove(std::string_view section, std::string_view key) {
    Section* found = Find(section);
    if (!found) return false;
    const std::string folded = Fold(key);
    const auto line = std::find_if(found->lines.begin(), found->lines.end(),
                                   [&](const Line& l) { return !l.key.empty() && l.folded == folded; });
    if (line == found->lines.end()) return false;
    found->lines.erase(line);
    return true;
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> names;
    for (const Section& section : sections_)
        if (!section.name.empty()) names.push_back(section.name);
    return names;
}

std::vector<IniDocument::Entry> IniDocument::Entries(std::string_view section) const {
    std::vector<Entry> entries;
    if (const Section* found = Find(section))
        for (const Line& line : found->lines)
            if (!line.key.empty()) entries.emplace_back(line.key, line.value);
    return entries;
}

}  // namespace kvarn
