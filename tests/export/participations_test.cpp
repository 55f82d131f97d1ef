// The holdings file kolmicfn.dat: what is written reads back the same, every text at its full
// width; a wider text is refused before anything is written; a damaged file is refused whole.
#include "common/atomic_file.hpp"
#include "export/participations.hpp"
#include "host/btrv_file.hpp"
#include "support/bytes.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/file_size_limit.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kvarn::exportisa {
namespace {

namespace fs = std::filesystem;

std::string Chemin() { return (fs::temp_directory_path() / kFichierParticipations).string(); }

// Every text at its full width, in characters of CP1252 beyond ASCII.
ParticipationFiliale PleineLargeur() {
    using L = LargeursParticipation;
    using testing_support::AccentedText;
    return {0xFFFF, AccentedText(L::denomination), "542107651", 100, AccentedText(L::numeroVoie), AccentedText(L::voie),
            AccentedText(L::cp), AccentedText(L::ville), 0xFFFF};
}

TEST(Participations, RelisentCeQuiEstEcrit) {
    fs::remove(Chemin());
    EXPECT_TRUE(LireParticipations(Chemin()).empty()) << "a missing file holds no holding";
    const std::vector<ParticipationFiliale> participations{
        PleineLargeur(), {4, "Foncière", "443061841", 33.335, "7", " quai ", "44000", "Nantes", 76}, {}};
    ASSERT_EQ(RefusParticipation(participations[0]), "");
    EcrireParticipations(Chemin(), participations);
    EXPECT_EQ(fs::file_size(Chemin()), 16 + 3 * kLongueurParticipation + 64);
    auto attendues = participations;
    attendues[2].pays = PAYS_FRANCE;  // a country of 0 reads as France
    EXPECT_EQ(LireParticipations(Chemin()), attendues);

    {  // a disk full before the new file is whole: an error, and the holdings stored stay as they were
        const testing_support::FileSizeLimit disquePlein(100);
        EXPECT_ANY_THROW(EcrireParticipations(Chemin(), {participations[1]}));
    }
    EXPECT_EQ(LireParticipations(Chemin()), attendues);
}

struct CasRefus {
    std::string nom;
    std::function<void(ParticipationFiliale&)> changer;
};

class UneParticipationRefusee : public testing::TestWithParam<CasRefus> {};

TEST_P(UneParticipationRefusee, ParSonMotif) {
    ParticipationFiliale p = PleineLargeur();
    GetParam().changer(p);
    EXPECT_NE(RefusParticipation(p), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cas, UneParticipationRefusee,
    testing::Values(CasRefus{"Denomination", [](auto& p) { p.denomination += "x"; }},
                    CasRefus{"Siren", [](auto& p) { p.siren += "1"; }},
                    CasRefus{"NumeroVoie", [](auto& p) { p.numeroVoie += "x"; }},
                    CasRefus{"Voie", [](auto& p) { p.voie += "x"; }}, CasRefus{"CP", [](auto& p) { p.cp += "1"; }},
                    CasRefus{"Ville", [](auto& p) { p.ville += "x"; }},
                    CasRefus{"PourcentageNegatif", [](auto& p) { p.pourcentage = -0.01; }},
                    CasRefus{"PourcentageAuDelaDeCent", [](auto& p) { p.pourcentage = 100.01; }},
                    CasRefus{"Pays", [](auto& p) { p.pays = 0x10000; }}),
    testing_support::NomDuCas());

// A sound file of two records, damaged one way.
struct CasDommage {
    std::string nom;
    std::function<void(std::string& octets)> endommager;
};

class UnFichierEndommage : public testing::TestWithParam<CasDommage> {};

TEST_P(UnFichierEndommage, EstRefuseEntier) {
    EcrireParticipations(Chemin(), {PleineLargeur(), PleineLargeur()});
    std::string octets = ReadWholeFile(Chemin());
    GetParam().endommager(octets);
    WriteFileAtomically(Chemin(), octets);
    EXPECT_THROW(LireParticipations(Chemin()), host::FichierEnregistrementsEndommage);
}

// Records written through the record file as they are, so that only their content is wrong.
void Enregistrements(std::string& octets, const std::function<void(std::string&)>& changer) {
    std::string enregistrement = EncoderParticipation(PleineLargeur());
    changer(enregistrement);
    host::CBtrvFile(Chemin(), kLongueurParticipation).EcrireTout({enregistrement});
    octets = ReadWholeFile(Chemin());
}

INSTANTIATE_TEST_SUITE_P(
    Cas, UnFichierEndommage,
    testing::Values(CasDommage{"Vide", [](std::string& o) { o.clear(); }},
                    CasDommage{"Tronque", [](std::string& o) { o.pop_back(); }},
                    CasDommage{"OctetEnTrop", [](std::string& o) { o.push_back('\0'); }},
                    CasDommage{"Signature", [](std::string& o) { o[0] = 'X'; }},
                    CasDommage{"LongueurEnregistrement", [](std::string& o) { o[8] = 1; }},
                    CasDommage{"NombreEnregistrements", [](std::string& o) { o[12] = 3; }},
                    CasDommage{"OctetInverse", [](std::string& o) { o[16 + 100] ^= 1; }},
                    CasDommage{"Empreinte", [](std::string& o) { o.back() = o.back() == '0' ? '1' : '0'; }},
                    CasDommage{"TexteSansFin",
                               [](std::string& o) { Enregistrements(o, [](std::string& e) { e[22 + 60] = 'x'; }); }},
                    CasDommage{"PourcentageHorsLimites",
                               [](std::string& o) { Enregistrements(o, [](std::string& e) { e[11] = 0x7F; }); }}),
    testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::exportisa
