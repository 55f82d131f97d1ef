#include "backup/manifest.hpp"

#include <charconv>
#include <cstdio>

namespace kvarn::backup {

namespace {

constexpr std::string_view kFirstLine = "kvarn-sha256 1";
constexpr std::size_t kDigestLength = 64;

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '%' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= text.size() ||
            std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16).ptr !=
                text.data() + i + 3)
            return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

// The fields of `line` split at single spaces, the last one holding the rest of the line.
std::vector<std::string_view> Fields(std::string_view line, std::size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos) break;
        fields.push_back(line.substr(0, space));
        line.remove_prefix(space + 1);
    }
    fields.push_back(line);
    return fields;
}

template <class T>
bool Number(std::string_view text, T& value) {
    return !text.empty() &&
           std::from_chars(text.data(), text.data() + text.size(), value).ptr ==
               text.data() + text.size();
}

bool IsDigest(std::string_view text) {
    return text.size() == kDigestLength &&
           text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

std::optional<ManifestFile> ParseFile(std::string_view rest) {
    const std::vector<std::string_view> f = Fields(rest, 8);
    std::uint16_t method = 0, attributes = 0, date = 0, time = 0;
    std::uint32_t original = 0, stored = 0;
    if (f.size() != 8 || !IsDigest(f[0]) || !Number(f[1], method) || !Number(f[2], original) ||
        !Number(f[3], stored) || !Number(f[4], attributes) || !Number(f[5], date) ||
        !Number(f[6], time))
        return std::nullopt;
    ManifestFile file;
    file.desc = {original, stored, attributes, date, time, method};
    const std::optional<std::string> where = Unescaped(f[7]);
    if (!where) return std::nullopt;
    const std::size_t cut = where->rfind('\\');
    file.path = cut == std::string::npos ? "" : where->substr(0, cut + 1);
    file.name = where->substr(cut == std::string::npos ? 0 : cut + 1);
    file.digest = f[0];
    return file;
}

std::string Quoted(const ManifestFile& file) { return "« " + file.path + file.name + " »"; }

bool SameDescriptor(const BR_FILEDESC& a, const BR_FILEDESC& b) {
    return a.OriginalSize == b.OriginalSize && a.StoredSize == b.StoredSize &&
           a.Attributes == b.Attributes && a.Date == b.Date && a.Time == b.Time &&
           a.Method == b.Method;
}

}  // namespace

std::string FormatManifest(const Manifest& manifest) {
    std::string text =
        std::string(kFirstLine) + "\nensemble " + std::to_string(manifest.setId) + "\n";
    for (const ManifestFile& file : manifest.files) {
        const BR_FILEDESC& d = file.desc;
        text += "fichier " + file.digest + " " + std::to_string(d.Method) + " " +
                std::to_string(d.OriginalSize) + " " + std::to_string(d.StoredSize) + " " +
                std::to_string(d.Attributes) + " " + std::to_string(d.Date) + " " +
                std::to_string(d.Time) + " " + Escaped(file.path + file.name) + "\n";
    }
    for (std::size_t i = 0; i < manifest.volumes.size(); ++i)
        text += "volume " + std::to_string(i + 1) + " " + manifest.volumes[i] + "\n";
    return text;
}

std::optional<Manifest> ParseManifest(std::string_view text) {
    Manifest manifest;
    bool first = true, set = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // a cut manifest
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (first) {
            if (line != kFirstLine) return std::nullopt;
            first = false;
            continue;
        }
        const std::vector<std::string_view> f = Fields(line, 2);
        if (f.size() != 2) return std::nullopt;
        if (f[0] == "ensemble" && !set) {
            if (!Number(f[1], manifest.setId)) return std::nullopt;
            set = true;
        } else if (f[0] == "fichier") {
            std::optional<ManifestFile> file = ParseFile(f[1]);
            if (!file) return std::nullopt;
            manifest.files.push_back(std::move(*file));
        } else if (f[0] == "volume") {
            const std::vector<std::string_view> v = Fields(f[1], 2);
            std::size_t number = 0;
            if (v.size() != 2 || !Number(v[0], number) || number != manifest.volumes.size() + 1 ||
                !IsDigest(v[1]))
                return std::nullopt;
            manifest.volumes.emplace_back(v[1]);
        } else {
            return std::nullopt;
        }
    }
    if (!set || manifest.volumes.empty()) return std::nullopt;
    return manifest;
}

std::optional<std::string> ManifestCheck::File(const ManifestFile& read) {
    if (next_ >= manifest_.files.size())
        return Quoted(read) + " n'est pas dans le manifeste SHA-256";
    const ManifestFile& expected = manifest_.files[next_++];
    if (read.path != expected.path || read.name != expected.name)
        return Quoted(read) + " se trouve où le manifeste SHA-256 attend " + Quoted(expected);
    if (!SameDescriptor(read.desc, expected.desc))
        return "la description de " + Quoted(read) + " diffère du manifeste SHA-256";
    return std::nullopt;
}

std::optional<std::string> ManifestCheck::Data(const std::string& digest) const {
    const ManifestFile& expected = manifest_.files[next_ - 1];
    if (digest == expected.digest) return std::nullopt;
    return "les données de " + Quoted(expected) + " diffèrent de leur empreinte SHA-256";
}

std::optional<std::string> ManifestCheck::Volume(std::uint16_t number,
                                                 const std::string& digest) const {
    if (number == 0 || number > manifest_.volumes.size())
        return "le volume " + std::to_string(number) + " n'est pas dans le manifeste SHA-256";
    if (manifest_.volumes[number - 1u] == digest) return std::nullopt;
    return "le volume " + std::to_string(number) + " diffère de son empreinte SHA-256";
}

std::optional<std::string> ManifestCheck::End(std::uint16_t lastVolume) const {
    if (next_ < manifest_.files.size())
        return "l'archive se termine avant " + Quoted(manifest_.files[next_]) +
               ", que le manifeste SHA-256 annonce";
    if (lastVolume != manifest_.volumes.size())
        return "l'archive se termine au volume " + std::to_string(lastVolume) +
               " ; le manifeste SHA-256 en compte " + std::to_string(manifest_.volumes.size());
    return std::nullopt;
}

}  // namespace kvarn::backup
