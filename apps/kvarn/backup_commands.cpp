#include "backup_commands.hpp"

#include "run.hpp"

#include "backup/backup_restore.hpp"
#include "common/codepage.hpp"

#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace kvarn::cli {

namespace {

namespace fs = std::filesystem;

class ConsolePrompter final : public backup::BackupPrompter {
public:
    void ShowError(const std::string& message) override {
        EndBar();
        std::cerr << "kvarn : " << message << '\n';
    }
    void ShowResult(const std::string& title, const std::string& message) override {
        EndBar();
        std::cerr << title << " : " << message << '\n';
    }
    void OpenProgress(const std::string& title) override {
        title_ = title;
        bar_ = ::isatty(STDERR_FILENO) == 1;
    }
    void ShowProgress(const std::string& fileName, int overall, int) override {
        if (!bar_) return;
        constexpr int kWidth = 30;
        const int filled = overall * kWidth / 100;
        std::cerr << "\r\033[K" << title_ << " [" << std::string(filled, '#')
                  << std::string(kWidth - filled, ' ') << "] " << std::setw(3) << overall << " % "
                  << fileName << std::flush;
        drawn_ = true;
    }
    void CloseProgress() override { EndBar(); }

private:
    void EndBar() {
        if (drawn_) std::cerr << "\r\033[K" << std::flush;
        drawn_ = false;
    }

    std::string title_;
    bool bar_ = false;
    bool drawn_ = false;
};

std::string Absolute(const std::string& path) {
    return fs::absolute(path).lexically_normal().string();
}

// The component set to read the archive of `depuis`/`nom`.
void PrepareReading(CBackupRestore& component, const std::string& depuis, const std::string& nom) {
    component.SetBRDirectory(Absolute(depuis));
    component.SetBRFileName(nom);
}

// Runs a restore that only reads (listing, conflict search) with no built-in behaviour; a
// failure becomes a refusal with the component's message.
void ReadQuietly(CBackupRestore& component) {
    std::string message;
    component.SetAutoEvents({});
    component.OnEnd = [&](CBackupRestore&, BR_CODE, const std::string& text, bool) {
        message = text;
    };
    component.OnError = component.OnEnd;
    const BR_CODE code = component.Restore();
    if (code != BR_OK && code != BR_STOP) throw Refus(message);
}

int ExitFor(BR_CODE code) { return code == BR_OK ? kSucces : kRefus; }

struct ListedFile {
    std::string name;
    BR_FILEDESC desc;
};

struct ListedPattern {
    std::string path;
    std::uint32_t total = 0;
    std::uint16_t count = 0;
    std::vector<ListedFile> files;
};

struct Listing {
    std::string description;
    std::vector<ListedPattern> patterns;
};

Listing ReadListing(const ArchiveOptions& options) {
    CBackupRestore component;
    PrepareReading(component, options.depuis, options.nom);
    // Nothing is restored; the directory only anchors the paths the component works out.
    component.SetDirectory(Absolute(options.depuis));
    Listing listing;
    component.OnBeginRestore = [&](CBackupRestore&, std::uint16_t size,
                                   const std::vector<std::uint8_t>& desc, std::uint16_t,
                                   std::uint16_t, bool&) {
        listing.description = ToUtf8(std::string(desc.begin(), desc.begin() + size), CodePage::Ansi);
    };
    component.OnRestorePattern = [&](CBackupRestore& sender, std::uint32_t total,
                                     std::uint16_t count, bool& skip, std::uint16_t&,
                                     const std::vector<std::uint8_t>&, std::string&, bool&) {
        skip = true;
        listing.patterns.push_back({sender.GetStoredPatternPath(), total, count, {}});
    };
    component.OnRestoreFile = [&](CBackupRestore&, BR_FILEDESC& desc, std::string& path, bool&) {
        listing.patterns.back().files.push_back({fs::path(path).filename().string(), desc});
    };
    ReadQuietly(component);
    return listing;
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

std::string DosDate(std::uint16_t date) {
    return TwoDigits(date & 0x1F) + "/" + TwoDigits(date >> 5 & 0x0F) + "/" +
           std::to_string(1980 + (date >> 9));
}

std::string DosTime(std::uint16_t time) {
    return TwoDigits(time >> 11) + ":" + TwoDigits(time >> 5 & 0x3F) + ":" +
           TwoDigits((time & 0x1F) * 2);
}

std::string AttributeLetters(std::uint16_t attributes) {
    std::string letters = "----";
    const char names[] = {'R', 'H', 'S', 'A'};
    const std::uint16_t bits[] = {backup::kAttributeReadOnly, backup::kAttributeHidden,
                                  backup::kAttributeSystem, backup::kAttributeArchive};
    for (int i = 0; i < 4; ++i)
        if (attributes & bits[i]) letters[static_cast<std::size_t>(i)] = names[i];
    return letters;
}

std::string JsonText(const std::string& text) {
    std::ostringstream out;
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            out << '\\' << c;
        else if (byte < 0x20)
            out << "\\u" << std::hex << std::setw(4) << std::setfill('0') << int{byte}
                << std::dec << std::setfill(' ');
        else
            out << c;
    }
    out << '"';
    return out.str();
}

void PrintText(const Listing& listing) {
    std::cout << "Description : " << listing.description << '\n';
    for (const ListedPattern& pattern : listing.patterns) {
        std::cout << "Répertoire " << pattern.path << " : " << pattern.count << " fichier(s), "
                  << pattern.total << " octets\n";
        for (const ListedFile& file : pattern.files)
            std::cout << "  " << file.name << "  " << file.desc.OriginalSize << " octets  "
                      << DosDate(file.desc.Date) << ' ' << DosTime(file.desc.Time) << "  "
                      << AttributeLetters(file.desc.Attributes) << "  méthode "
                      << file.desc.Method << " (" << file.desc.StoredSize << " octets stockés)\n";
    }
}

void PrintJson(const Listing& listing) {
    std::cout << "{\"description\": " << JsonText(listing.description) << ", \"repertoires\": [";
    for (std::size_t p = 0; p < listing.patterns.size(); ++p) {
        const ListedPattern& pattern = listing.patterns[p];
        std::cout << (p ? ", " : "") << "{\"chemin\": " << JsonText(pattern.path)
                  << ", \"taille\": " << pattern.total << ", \"fichiers\": [";
        for (std::size_t f = 0; f < pattern.files.size(); ++f) {
            const ListedFile& file = pattern.files[f];
            std::cout << (f ? ", " : "") << "{\"nom\": " << JsonText(file.name)
                      << ", \"taille\": " << file.desc.OriginalSize
                      << ", \"taille_stockee\": " << file.desc.StoredSize
                      << ", \"methode\": " << file.desc.Method << ", \"date\": \""
                      << DosDate(file.desc.Date) << "\", \"heure\": \"" << DosTime(file.desc.Time)
                      << "\", \"attributs\": \"" << AttributeLetters(file.desc.Attributes) << "\"}";
        }
        std::cout << "]}";
    }
    std::cout << "]}\n";
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;  // a link counts, even a dangling one
}

// The files a restore into `vers` would replace, found by reading the archive without writing.
std::vector<std::string> FilesInTheWay(const RestaurerOptions& options) {
    CBackupRestore component;
    PrepareReading(component, options.depuis, options.nom);
    component.SetDirectory(Absolute(options.vers));
    std::vector<std::string> existing;
    component.OnRestorePattern = [](CBackupRestore&, std::uint32_t, std::uint16_t, bool& skip,
                                    std::uint16_t&, const std::vector<std::uint8_t>&,
                                    std::string&, bool&) { skip = true; };
    component.OnRestoreFile = [&](CBackupRestore&, BR_FILEDESC&, std::string& path, bool&) {
        if (Exists(path)) existing.push_back(path);
    };
    ReadQuietly(component);
    return existing;
}

}  // namespace

int Sauvegarder(const SauvegarderOptions& options) {
    std::size_t lost = 0;
    const std::string description = FromUtf8(options.description, CodePage::Ansi, &lost);
    if (lost > 0)
        throw MauvaisUsage("la description contient des caractères que l'archive ne peut pas "
                           "conserver");
    if (description.size() > backup::kMaxArchiveDescription)
        throw MauvaisUsage("la description dépasse 64 508 caractères");
    CBackupRestore component;
    ConsolePrompter prompter;
    component.SetPrompter(&prompter);
    component.SetDirectory(Absolute(options.source));
    component.SetBRDirectory(Absolute(options.vers));
    component.SetBRFileName(options.nom);
    component.SetSubDirectory(options.sousRepertoires);
    component.OnBeginBackup = [&](CBackupRestore&, std::uint16_t, std::uint16_t& size,
                                  std::vector<std::uint8_t>& desc, std::uint16_t&,
                                  std::uint16_t&) {
        desc.assign(description.begin(), description.end());
        size = static_cast<std::uint16_t>(desc.size());
    };
    const BR_CODE code = component.Backup();
    for (const std::string& warning : component.GetWarnings())
        std::cerr << "kvarn : attention : " << warning << '\n';
    return ExitFor(code);
}

int Restaurer(const RestaurerOptions& options) {
    if (!options.ecraser) {
        const std::vector<std::string> existing = FilesInTheWay(options);
        if (!existing.empty())
            throw Refus("« " + existing.front() + " » existe déjà" +
                        (existing.size() > 1
                             ? " (et " + std::to_string(existing.size() - 1) + " autre(s))"
                             : "") +
                        " : --ecraser pour remplacer les fichiers existants");
    }
    CBackupRestore component;
    ConsolePrompter prompter;
    component.SetPrompter(&prompter);
    PrepareReading(component, options.depuis, options.nom);
    component.SetDirectory(Absolute(options.vers));
    const BR_CODE code = component.Restore();
    return code == BR_STOP ? kSucces : ExitFor(code);
}

int ListerArchive(const ArchiveOptions& options) {
    const Listing listing = ReadListing(options);
    if (options.json)
        PrintJson(listing);
    else
        PrintText(listing);
    return kSucces;
}

int VerifierArchive(const ArchiveOptions& options) {
    CBackupRestore component;
    ConsolePrompter prompter;
    component.SetPrompter(&prompter);
    PrepareReading(component, options.depuis, options.nom);
    component.SetDirectory(Absolute(options.depuis));
    component.SetVerifyOnly(true);
    return ExitFor(component.Restore());
}

}  // namespace kvarn::cli
