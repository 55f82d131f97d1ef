// The companies the dossier holds shares in: the holdings file "kolmicfn.dat" of the dossier
// directory, read by the exchange file and kept by the command line.
//
// Each holding is one fixed record of 187 bytes in the host's record file (host/btrv_file.hpp,
// which adds its header and checksum around the records). Integers are little-endian, texts
// CP1252, each NUL-terminated within its width (so a field keeps one character fewer than its
// bytes), zero bytes after the text:
//   offset   0  uint16    legal-form code of the host's list (0: none)
//   offset   2  uint16    country identifier of the host's list (76 France; 0 reads as France)
//   offset   4  float64   percentage held, IEEE 754, 0 to 100
//   offset  12  char[10]  SIREN, 9 digits
//   offset  22  char[61]  company name, 60 characters
//   offset  83  char[11]  street number, 10 characters
//   offset  94  char[41]  street label, 40 characters
//   offset 135  char[11]  postcode, 10 characters
//   offset 146  char[41]  town, 40 characters
// A record whose percentage is not a number in 0-100, or whose text runs to its field's last byte,
// is damaged: the whole file is refused (host::FichierEnregistrementsEndommage) rather than read
// in part. A missing file holds no holding.
#pragma once

#include "common/nulls.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace kvarn::exportisa {

inline constexpr const char* kFichierParticipations = "kolmicfn.dat";
inline constexpr std::size_t kLongueurParticipation = 187;

struct ParticipationFiliale {
    int formeJuridique = 0;
    std::string denomination;
    std::string siren;
    double pourcentage = 0;
    std::string numeroVoie;
    std::string voie;
    std::string cp;
    std::string ville;
    int pays = PAYS_FRANCE;
    bool operator==(const ParticipationFiliale&) const = default;
};

// The widths of the text fields, in characters, for the checks of what a user enters.
struct LargeursParticipation {
    static constexpr std::size_t denomination = 60, siren = 9, numeroVoie = 10, voie = 40, cp = 10, ville = 40;
};

// Why a holding cannot be stored as given (a text wider than its field, a percentage outside
// 0-100, a code beyond 16 bits), empty when it can. The SIREN's own check is the caller's.
std::string RefusParticipation(const ParticipationFiliale& participation);

// One record's bytes, and back; Decoder throws host::FichierEnregistrementsEndommage.
std::string EncoderParticipation(const ParticipationFiliale& participation);
ParticipationFiliale DecoderParticipation(const std::string& octets);

// The holdings file of a dossier directory.
std::string CheminParticipations(const std::string& repertoireDossier);
// The holdings file of the open dossier (the host's dossier directory).
std::string CheminParticipationsDossier();

std::vector<ParticipationFiliale> LireParticipations(const std::string& chemin);
void EcrireParticipations(const std::string& chemin, const std::vector<ParticipationFiliale>& participations);

}  // namespace kvarn::exportisa
