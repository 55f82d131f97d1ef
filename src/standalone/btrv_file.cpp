// The standalone host's record file.
//
// Layout, all integers little-endian:
//   offset 0        8 bytes  "KVENREG1": what the file is, and the layout's version
//   offset 8        uint32   record length L
//   offset 12       uint32   record count N
//   offset 16       N × L    the records, in order
//   offset 16 + N×L 64 bytes SHA-256 of every byte before it, in lower-case hexadecimal
// A file of any other size, with another magic, record length or digest is damaged. The digest
// catches what the sizes cannot: a flipped byte, a record overwritten by another program.
#include "host/btrv_file.hpp"

#include "backup/sha256.hpp"
#include "common/atomic_file.hpp"

#include <cstdint>
#include <filesystem>

namespace kvarn::host {
namespace {

constexpr char kSignature[] = "KVENREG1";
constexpr std::size_t kTailleSignature = 8;
constexpr std::size_t kTailleEntete = 16;
constexpr std::size_t kTailleEmpreinte = 64;

void AjouterU32(std::string& octets, std::uint32_t valeur) {
    for (int i = 0; i < 4; ++i) octets.push_back(static_cast<char>((valeur >> (8 * i)) & 0xFF));
}

std::uint32_t LireU32(const std::string& octets, std::size_t position) {
    std::uint32_t valeur = 0;
    for (int i = 3; i >= 0; --i) valeur = valeur << 8 | static_cast<unsigned char>(octets[position + i]);
    return valeur;
}

std::string Empreinte(const std::string& octets, std::size_t taille) {
    backup::Sha256 sha;
    sha.Update(reinterpret_cast<const std::uint8_t*>(octets.data()), taille);
    return sha.Hex();
}

}  // namespace

CBtrvFile::CBtrvFile(std::string chemin, std::size_t longueurEnregistrement)
    : chemin_(std::move(chemin)), longueur_(longueurEnregistrement) {}

bool CBtrvFile::Existe() const { return std::filesystem::exists(chemin_); }

std::vector<std::string> CBtrvFile::LireTout() const {
    if (!Existe()) return {};
    const std::string octets = ReadWholeFile(chemin_);
    const auto refuser = [&](const std::string& raison) {
        throw FichierEnregistrementsEndommage("Le fichier " + chemin_ + " est endommagé (" + raison + ")");
    };
    if (octets.size() < kTailleEntete + kTailleEmpreinte || octets.compare(0, kTailleSignature, kSignature) != 0)
        refuser("ce n'est pas un fichier d'enregistrements");
    if (LireU32(octets, 8) != longueur_) refuser("longueur d'enregistrement inattendue");
    const std::uint64_t nombre = LireU32(octets, 12);
    if (octets.size() != kTailleEntete + nombre * longueur_ + kTailleEmpreinte) refuser("taille incohérente");
    const std::size_t fin = octets.size() - kTailleEmpreinte;
    if (octets.compare(fin, kTailleEmpreinte, Empreinte(octets, fin)) != 0) refuser("somme de contrôle fausse");
    std::vector<std::string> enregistrements;
    enregistrements.reserve(nombre);
    for (std::size_t i = 0; i < nombre; ++i) enregistrements.push_back(octets.substr(kTailleEntete + i * longueur_, longueur_));
    return enregistrements;
}

void CBtrvFile::EcrireTout(const std::vector<std::string>& enregistrements) const {
    std::string octets(kSignature, kTailleSignature);
    AjouterU32(octets, static_cast<std::uint32_t>(longueur_));
    AjouterU32(octets, static_cast<std::uint32_t>(enregistrements.size()));
    for (const std::string& enregistrement : enregistrements) {
        if (enregistrement.size() != longueur_)
            throw std::invalid_argument("Enregistrement de " + std::to_string(enregistrement.size()) +
                                        " octets pour un fichier de " + std::to_string(longueur_));
        octets += enregistrement;
    }
    octets += Empreinte(octets, octets.size());
    WriteFileAtomically(chemin_, octets);
}

}  // namespace kvarn::host
