// Writes the first inputs of the restore fuzz target into the directory given: archives made by
// the engine itself (a small tree with imploded, stored, empty and hidden files; a directory
// stored by its absolute path), and volume sets cut by hand inside file data, the way a removable
// drive cuts them, so that the fuzzer starts from every part of the format small enough to mutate
// quickly.
#include "restore_input.hpp"

#include "backup/backup_restore.hpp"
#include "backup/posix_os_layer.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace kvarn::backup;
using kvarn::backup::fuzzing::JoinVolumes;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Random(std::size_t size, unsigned seed) {
    std::mt19937 engine(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(engine() & 0xFF);
    return bytes;
}

std::string Text(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i)
        text += "411" + std::to_string(1000 + i) + ";Client " + std::to_string(i % 17) + ";" +
                std::to_string(i * 37 % 1000) + ",00\r\n";
    return text;
}

// The archive of `source` made by the engine; `outside`, when given, is saved by its own path.
std::string Backup(const fs::path& source, const fs::path& volumes, const fs::path& outside = {}) {
    CBackupRestore component(std::make_unique<PosixOsLayer>(), MakeDclCodec());
    component.SetDirectory(source.string());
    component.SetBRDirectory(volumes.string());
    component.SetBRFileName("SAUVEGARDE");
    component.SetSubDirectory(true);
    component.SetAutoEvents({eBRGetPatternToBackup});
    component.OnBeginBackup = [](CBackupRestore&, std::uint16_t, std::uint16_t& size,
                                 std::vector<std::uint8_t>& desc, std::uint16_t&, std::uint16_t&) {
        desc = {'D', 'o', 's', 's', 'i', 'e', 'r'};
        size = 7;
    };
    bool given = false;
    if (!outside.empty()) {
        component.SetAutoEvents({});
        component.OnGetPatternToBackup = [&](CBackupRestore&, std::uint16_t, std::uint16_t&,
                                             std::vector<std::uint8_t>&, std::string& path,
                                             bool& abort) {
            abort = given;
            path = outside.string();
            given = true;
        };
    }
    if (component.Backup() != BR_OK) {
        std::fprintf(stderr, "make_seeds: the backup of %s failed\n", source.c_str());
        std::exit(1);
    }
    return Read(volumes / "SAUVEGARDE.BR");
}

// One volume cut into several at `cuts` (offsets in the volume, inside file data): each new
// volume gets the header of the first with its own number.
std::vector<std::string> CutVolume(const std::string& volume, const std::vector<std::size_t>& cuts) {
    std::vector<std::string> volumes;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= cuts.size(); ++i) {
        const std::size_t to = i < cuts.size() ? cuts[i] : volume.size();
        std::string part = i == 0 ? "" : volume.substr(0, kHeaderSize);
        if (i > 0) part[8] = static_cast<char>(i + 1);
        part += volume.substr(from, to - from);
        volumes.push_back(part);
        from = to;
    }
    return volumes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIRECTORY\n");
        return 2;
    }
    const fs::path out = argv[1];
    const fs::path work = fs::temp_directory_path() / ("kvarn-seeds-" + std::to_string(::getpid()));
    fs::create_directories(out);
    std::vector<std::string> seeds;

    Write(work / "arbre/BILAN.TXT", Text(60));
    Write(work / "arbre/hasard.bin", Random(700, 1));
    Write(work / "arbre/vide", "");
    Write(work / "arbre/.cache", "x");
    Write(work / "arbre/S/T/grand livre.txt", Text(30));
    seeds.push_back(Backup(work / "arbre", work / "v1"));

    Write(work / "dehors/pièce.txt", Text(5));
    seeds.push_back(Backup(work / "vide", work / "v2", work / "dehors"));

    // One file F alone, without description: its data begin after the header (32), U and the
    // description (2 + 7), P and ".\" (2 + 3), the counts (8), R, the descriptor and "F" (19).
    constexpr std::size_t kData = 32 + 9 + 5 + 8 + 19;
    Write(work / "stocke/F", Random(300, 2));
    seeds.push_back(
        JoinVolumes(CutVolume(Backup(work / "stocke", work / "v3"), {kData + 100, kData + 200})));
    Write(work / "implose/F", Text(80));
    seeds.push_back(JoinVolumes(CutVolume(Backup(work / "implose", work / "v4"), {kData + 40})));

    for (std::size_t i = 0; i < seeds.size(); ++i)
        Write(out / ("graine-" + std::to_string(i + 1)), seeds[i]);
    fs::remove_all(work);
    return 0;
}
