#include "backup/archive_paths.hpp"

#include "backup/archive_format.hpp"
#include "common/codepage.hpp"
#include "common/text.hpp"

#include <vector>

namespace kvarn::backup {

namespace fs = std::filesystem;

namespace {

// The single drive letter that maps to a place on this machine.
constexpr char kRootDrive = 'Z';

std::vector<std::string> SplitOn(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start) parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

Encoded ToAnsi(std::string_view utf8) {
    std::size_t lost = 0;
    Encoded out{FromUtf8(utf8, CodePage::Ansi, &lost)};
    if (lost > 0) out.problem = EncodeProblem::Unrepresentable;
    return out;
}

bool IsPlainComponent(std::string_view bytes) {
    return !bytes.empty() && bytes != "." && bytes != ".." &&
           bytes.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

// Plain components of a stored path: "." and empty parts are dropped, anything else unsafe
// refuses the whole path.
std::optional<fs::path> ToRelative(const std::vector<std::string>& components) {
    fs::path relative;
    for (const std::string& component : components) {
        if (component == ".") continue;
        if (!IsPlainComponent(component)) return std::nullopt;
        relative /= ToUtf8(component, CodePage::Ansi);
    }
    return relative;
}

// `path` below `root` (both lexically normal, root ending with "/"): the part after it.
std::optional<std::string> Below(const std::string& path, const std::string& root) {
    if (root.empty() || path.compare(0, root.size(), root) != 0) return std::nullopt;
    return path.substr(root.size());
}

std::string Joined(const std::vector<std::string>& components, std::string_view lead) {
    std::string out(lead);
    for (const std::string& component : components) out += component + "\\";
    return out;
}

}  // namespace

Encoded EncodeName(std::string_view utf8Name) {
    Encoded out = ToAnsi(utf8Name);
    if (out.problem != EncodeProblem::None) return out;
    if (out.bytes.find_first_of("\\:") != std::string::npos)
        out.problem = EncodeProblem::ForbiddenCharacter;
    else if (out.bytes.size() > kMaxWrittenName)
        out.problem = EncodeProblem::TooLong;
    return out;
}

Encoded EncodePath(const fs::path& dir, const std::string& root) {
    std::string local = dir.lexically_normal().string();
    if (local.empty() || local.back() != '/') local += '/';
    const std::optional<std::string> below = Below(local, root);
    const std::vector<std::string> components = SplitOn(below ? *below : local, '/');
    for (const std::string& component : components)
        if (component.find_first_of("\\:") != std::string::npos)
            return Encoded{{}, EncodeProblem::ForbiddenCharacter};
    std::string utf8;
    if (below)
        utf8 = components.empty() ? ".\\" : Joined(components, "");
    else
        utf8 = Joined(components, std::string{kRootDrive} + ":\\");
    Encoded out = ToAnsi(utf8);
    if (out.problem == EncodeProblem::None && out.bytes.size() > kMaxStoredPath - 1u)
        out.problem = EncodeProblem::TooLong;
    return out;
}

Decoded DecodePath(std::string_view stored, const std::string& root, const std::string& current) {
    const bool absolute = stored.size() >= 2 && stored[1] == ':';
    if (!absolute && root.empty())
        return current.empty() ? Decoded{BR_ERR_BR_PATH_NOT_FOUND, {}}
                               : DecodePath(stored, current, current);
    const char drive = absolute ? static_cast<char>(stored[0] & ~0x20) : kRootDrive;
    if (drive < 'A' || drive > 'Z') return {BR_ERR_BR_FILE_CORRUPTED, {}};
    if (root.empty() && drive != kRootDrive) return {BR_ERR_BR_PATH_NOT_FOUND, {}};
    // Every component must be a plain name whatever the mapping below does with them, so the
    // result can only lie under the root.
    const std::optional<fs::path> local = ToRelative(SplitOn(stored.substr(absolute ? 2 : 0), '\\'));
    if (!local) return {BR_ERR_BR_FILE_CORRUPTED, {}};
    if (!absolute) return {BR_OK, {root, *local}};
    if (root.empty()) return {BR_OK, {"/", *local}};
    if (drive == kRootDrive) {
        // A Z: path that already lies under the root keeps its place there.
        const std::string localText = local->empty() ? "/" : "/" + local->string() + "/";
        if (std::optional<std::string> below = Below(localText, root)) {
            if (!below->empty()) below->pop_back();
            return {BR_OK, {root, fs::path(*below)}};
        }
    }
    return {BR_OK, {root, *local}};  // re-rooted: the drive part is dropped
}

bool IsSafeStoredName(std::string_view bytes) {
    return bytes.size() <= kMaxStoredName && IsPlainComponent(bytes);
}

std::string VolumeFileName(const std::string& name) {
    // Only the file name is upper-cased: directories on this machine tell case apart.
    std::string upper = ToUpperFrench(name);
    return upper.find('.') == std::string::npos ? upper + ".BR" : upper;
}

std::string ManifestFileName(const std::string& volumeFileName) {
    constexpr std::string_view kDefault = ".BR";
    const bool withDefault = volumeFileName.size() > kDefault.size() &&
                             volumeFileName.ends_with(kDefault);
    return volumeFileName.substr(0, volumeFileName.size() - (withDefault ? kDefault.size() : 0)) +
           ".SHA256";
}

}  // namespace kvarn::backup
