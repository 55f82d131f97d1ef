#include "backup_commands.hpp"

#include "json.hpp"
#include "session.hpp"

#include "backup/archive_paths.hpp"
#include "backup/backup_restore.hpp"
#include "backup/posix_os_layer.hpp"
#include "backup/simulated_drive.hpp"
#include "common/codepage.hpp"
#include "host/boites.hpp"

#include <filesystem>
#include <iostream>
#include <vector>

namespace kvarn::cli {

namespace {

namespace fs = std::filesystem;

std::string Absolute(const std::string& path) {
    return fs::absolute(path).lexically_normal().string();
}

// Where the volumes lie: a directory of a fixed drive, or a simulated removable drive.
struct Medium {
    std::string directory;            // the drive or directory, as the component knows it
    std::vector<std::string> disks;   // the successive disks; none: changed by the user
    std::uint64_t capacity = 0;       // of each disk; 0: the free space of the file system
    bool Removable() const { return !disks.empty() || capacity > 0; }
};

// `directory` given by the option `option`, or the disks of --disques (the first one naming the
// drive); exactly one of the two.
Medium MediumOf(const std::string& directory, const std::vector<std::string>& disks,
                std::uint64_t capacity, const std::string& option) {
    if (directory.empty() == disks.empty())
        throw MauvaisUsage("indiquer soit " + option + ", soit --disques");
    Medium medium{directory.empty() ? "" : Absolute(directory), {}, capacity};
    for (const std::string& disk : disks) {
        if (disk.empty()) throw MauvaisUsage("--disques contient un répertoire vide");
        medium.disks.push_back(Absolute(disk));
    }
    if (medium.directory.empty()) medium.directory = medium.disks.front();
    return medium;
}

// With --oui nobody is at the terminal to change a disk: a disk asked for again, because the one
// in the drive was refused, would be asked for ever. The second request is cancelled instead.
class UnattendedDiskRequests final : public backup::HostPrompter {
public:
    bool AskForDisk(int number) override {
        if (number == last_) {
            host::ZORErreur("la disquette N° " + std::to_string(number) +
                            " ne convient pas, et personne ne peut la changer avec --oui");
            return false;
        }
        last_ = number;
        return HostPrompter::AskForDisk(number);
    }

private:
    int last_ = 0;
};

// The component over its medium, and the prompter it uses when not the host's own.
struct Archiver {
    std::unique_ptr<backup::BackupPrompter> prompter;
    std::unique_ptr<CBackupRestore> component;
    CBackupRestore* operator->() const { return component.get(); }
    CBackupRestore& operator*() const { return *component; }
};

// Each request puts the next listed disk in the drive (a missing one is created for a backup, as
// a blank disk would be inserted); a disk asked for again was refused, and the next is tried.
// When none is left the request is cancelled.
void FeedDisks(CBackupRestore& component, backup::SimulatedRemovableDrive& drive,
               const std::vector<std::string>& disks) {
    auto given = std::make_shared<std::size_t>(0);
    auto lastNumber = std::make_shared<int>(0);
    component.SetAutoEvents(component.GetAutoEvents().Exclude(eBRInsertFloppy));
    component.OnInsertFloppy = [&drive, disks, given, lastNumber](
                                   CBackupRestore&, int number, const std::string&, bool& abort,
                                   bool backup) {
        if (number == *lastNumber && *given > 0)
            host::ZORAttention("« " + disks[*given - 1] + " » ne convient pas comme disquette N° " +
                               std::to_string(number));
        *lastNumber = number;
        if (*given >= disks.size()) {
            host::ZORErreur("--disques ne donne pas de disquette N° " + std::to_string(number));
            drive.Insert({});
            abort = true;
            return;
        }
        const std::string& disk = disks[(*given)++];
        std::error_code ignored;
        if (backup) fs::create_directories(disk, ignored);
        drive.Insert(disk);
    };
}

Archiver MakeArchiver(const GlobalOptions& globals, const Medium& medium) {
    Archiver archiver;
    if (!medium.Removable()) {
        archiver.component = std::make_unique<CBackupRestore>();
    } else {
        auto drive = std::make_unique<backup::SimulatedRemovableDrive>(
            std::make_unique<backup::PosixOsLayer>(), medium.directory,
            medium.capacity > 0 ? std::optional<std::uint64_t>(medium.capacity) : std::nullopt);
        backup::SimulatedRemovableDrive& inserted = *drive;
        archiver.component =
            std::make_unique<CBackupRestore>(std::move(drive), backup::MakeDclCodec());
        if (!medium.disks.empty()) {
            FeedDisks(*archiver.component, inserted, medium.disks);
        } else {
            // The directory is the drive, and the user changes what it holds between requests.
            std::error_code ignored;
            fs::create_directories(medium.directory, ignored);
            inserted.Insert(medium.directory);
            if (globals.oui) {
                archiver.prompter = std::make_unique<UnattendedDiskRequests>();
                archiver->SetPrompter(archiver.prompter.get());
            }
        }
    }
    archiver->SetBRDirectory(medium.directory);
    return archiver;
}

// The component reading the archive `nom` of `medium`, checked against its manifest: beside
// volume 1, or, for a set of disks, on the disk that holds it (the last one written).
Archiver MakeReader(const GlobalOptions& globals, const Medium& medium, const std::string& nom) {
    Archiver archiver = MakeArchiver(globals, medium);
    archiver->SetBRFileName(nom);
    archiver->SetManifest(true);
    const std::string manifest = backup::ManifestFileName(backup::VolumeFileName(nom));
    for (auto disk = medium.disks.rbegin(); disk != medium.disks.rend(); ++disk)
        if (std::error_code ignored; fs::exists(fs::path(*disk) / manifest, ignored)) {
            archiver->SetManifestPath((fs::path(*disk) / manifest).string());
            break;
        }
    return archiver;
}

// The component's account of a restore or a verification, one line each.
void Tell(std::ostream& out, const CBackupRestore& component, BR_CODE code, bool verifying) {
    for (const std::string& line :
         backup::DescribeRestore(component.GetRestoreReport(), code, verifying))
        out << "kvarn : " << line << '\n';
}

// Runs a restore that only reads (a listing) with no built-in behaviour; a failure becomes a
// refusal with the component's message.
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

Listing ReadListing(const GlobalOptions& globals, const ArchiveOptions& options) {
    const Medium medium = MediumOf(options.depuis, options.disques, 0, "--depuis");
    const Archiver archiver = MakeArchiver(globals, medium);
    CBackupRestore& component = *archiver;
    component.SetBRFileName(options.nom);
    // Nothing is restored; the directory only anchors the paths the component works out.
    component.SetDirectory(medium.directory);
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
    JsonWriter json;
    json.BeginObject().Field("description", listing.description).Key("repertoires").BeginArray();
    for (const ListedPattern& pattern : listing.patterns) {
        json.BeginObject()
            .Field("chemin", pattern.path)
            .Field("taille", static_cast<long long>(pattern.total))
            .Key("fichiers")
            .BeginArray();
        for (const ListedFile& file : pattern.files)
            json.BeginObject()
                .Field("nom", file.name)
                .Field("taille", static_cast<long long>(file.desc.OriginalSize))
                .Field("taille_stockee", static_cast<long long>(file.desc.StoredSize))
                .Field("methode", static_cast<int>(file.desc.Method))
                .Field("date", DosDate(file.desc.Date))
                .Field("heure", DosTime(file.desc.Time))
                .Field("attributs", AttributeLetters(file.desc.Attributes))
                .EndObject();
        json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
    std::cout << json.str() << '\n';
}

}  // namespace

// The smallest disk that can hold volume 1: 65,536 bytes left once the first disk's reserve of
// 1,536 is kept. Every simulated disk has the same size, so asking for another would not help.
constexpr std::uint64_t kSmallestDisk = 65536 + 1536;

int Sauvegarder(const GlobalOptions& globals, const SauvegarderOptions& options) {
    const Medium medium = MediumOf(options.vers, options.disques, options.tailleVolume, "--vers");
    if (options.tailleVolume > 0 && options.tailleVolume < kSmallestDisk)
        throw Refus(backup::MessageOf(BR_ERR_DRIVE_OUTOFSPACE) +
                    " : --taille-volume doit valoir au moins 67 072 octets");
    std::size_t lost = 0;
    const std::string description = FromUtf8(options.description, CodePage::Ansi, &lost);
    if (lost > 0)
        throw MauvaisUsage("la description contient des caractères que l'archive ne peut pas "
                           "conserver");
    if (description.size() > backup::kMaxArchiveDescription)
        throw MauvaisUsage("la description dépasse 64 508 caractères");
    Session session = Session::WithoutDossier(globals);
    const Archiver archiver = MakeArchiver(globals, medium);
    CBackupRestore& component = *archiver;
    component.SetDirectory(Absolute(options.source));
    component.SetBRFileName(options.nom);
    component.SetSubDirectory(options.sousRepertoires);
    component.SetManifest(true);
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

int Restaurer(const GlobalOptions& globals, const RestaurerOptions& options) {
    const Medium medium = MediumOf(options.depuis, options.disques, 0, "--depuis");
    Session session = Session::WithoutDossier(globals);
    const Archiver archiver = MakeReader(globals, medium, options.nom);
    CBackupRestore& component = *archiver;
    component.SetDirectory(Absolute(options.vers));
    component.SetReplaceExisting(options.ecraser);
    component.OnReplaceFile = [](CBackupRestore&, const std::string& path, bool& replace) {
        replace = host::ZORQuestion("« " + path + " » existe déjà. Le remplacer ?", "Restauration");
    };
    const BR_CODE code = component.Restore();
    Tell(std::cerr, component, code, false);
    const backup::RestoreReport& report = component.GetRestoreReport();
    if (report.keptExisting > 0)
        std::cerr << "kvarn : --ecraser pour remplacer les fichiers existants\n";
    if (report.endedEarly)
        std::cerr << "kvarn : une archive sur plusieurs disquettes se restaure avec --disques, "
                     "qui les donne toutes\n";
    if (code == BR_STOP) return kSucces;
    return code == BR_OK && report.keptExisting == 0 ? kSucces : kRefus;
}

int ListerArchive(const GlobalOptions& globals, const ArchiveOptions& options) {
    Session session = Session::WithoutDossier(globals);
    const Listing listing = ReadListing(globals, options);
    if (options.json)
        PrintJson(listing);
    else
        PrintText(listing);
    return kSucces;
}

int VerifierArchive(const GlobalOptions& globals, const ArchiveOptions& options) {
    const Medium medium = MediumOf(options.depuis, options.disques, 0, "--depuis");
    Session session = Session::WithoutDossier(globals);
    const Archiver archiver = MakeReader(globals, medium, options.nom);
    CBackupRestore& component = *archiver;
    component.SetDirectory(medium.directory);
    component.SetVerifyOnly(true);
    const BR_CODE code = component.Restore();
    Tell(code == BR_OK ? std::cout : std::cerr, component, code, true);
    return ExitFor(code);
}

}  // namespace kvarn::cli
