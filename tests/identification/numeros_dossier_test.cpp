// The dossier's identification numbers after a user's entry, and the rule that binds the VAT
// number's key to the SIREN.
#include "identification/numeros_dossier.hpp"

#include <gtest/gtest.h>

namespace kvarn::identification {
namespace {

struct Entry {
    const char* nom;
    NumerosIdentification actuels;
    SaisieIdentification saisie;
    NumerosIdentification attendus;  // when accepted
    const char* refus;               // a part of the reason, when refused
};

class Entries : public testing::TestWithParam<Entry> {};

TEST_P(Entries, GiveTheNumbersOrTheReason) {
    const Entry& e = GetParam();
    if (e.refus) {
        try {
            AppliquerSaisie(e.actuels, e.saisie);
            FAIL() << "accepted";
        } catch (const NumeroRefuse& refus) {
            EXPECT_NE(std::string(refus.what()).find(e.refus), std::string::npos) << refus.what();
        }
        return;
    }
    const NumerosIdentification n = AppliquerSaisie(e.actuels, e.saisie);
    EXPECT_EQ(n.prefixe, e.attendus.prefixe);
    EXPECT_EQ(n.siren, e.attendus.siren);
    EXPECT_EQ(n.nic, e.attendus.nic);
}

const NumerosIdentification kEdf{"FR03", "552081317", "66522"};
const NumerosIdentification kVide{};

INSTANTIATE_TEST_SUITE_P(
    Rule, Entries,
    testing::Values(
        Entry{"SiretGivesSirenAndNic", kVide, {"55208131766522", {}}, {"", "552081317", "66522"}, nullptr},
        Entry{"SirenAloneClearsTheNic", kEdf, {"552081317", {}}, {"FR03", "552081317", ""}, nullptr},
        Entry{"VatGivesTheSirenToADossierWithout", kVide, {{}, "FR59542051180"}, {"FR59", "542051180", ""}, nullptr},
        Entry{"VatWithItsSiret", kVide, {"54205118000066", "FR59542051180"}, {"FR59", "542051180", "00066"}, nullptr},
        Entry{"EmptyVatClearsThePrefix", kEdf, {{}, ""}, {"", "552081317", "66522"}, nullptr},
        Entry{"EmptySiretClearsSirenAndNic", {"", "552081317", "66522"}, {"", {}}, {"", "", ""}, nullptr},
        Entry{"WrongSiretKey", kVide, {"55208131766523", {}}, {}, "clé du SIRET"},
        Entry{"WrongVatKey", kVide, {{}, "FR04552081317"}, {}, "ne correspond pas"},
        Entry{"VatOfAnotherSiret", kVide, {"55208131766522", "FR59542051180"}, {}, "ne porte pas le SIREN du SIRET"},
        Entry{"VatOfAnotherCompany", kEdf, {{}, "FR59542051180"}, {}, "ne convient pas au SIREN du dossier"},
        Entry{"NewSirenUnderTheOldPrefix", kEdf, {"54205118000066", {}}, {}, "ne convient pas au SIREN du dossier"}),
    [](const testing::TestParamInfo<Entry>& cas) { return std::string(cas.param.nom); });

TEST(Coherence, NothingToCheckUntilBothPartsAreThere) {
    EXPECT_TRUE(VerifierCoherence("", "552081317"));
    EXPECT_TRUE(VerifierCoherence("FR04", ""));
    EXPECT_TRUE(VerifierCoherence("FR03", "552081317"));
    const Verdict refus = VerifierCoherence("FR04", "552081317");
    EXPECT_FALSE(refus);
    EXPECT_EQ(refus.raison, "La clé 04 du numéro de TVA ne correspond pas au SIREN 552081317");
}

}  // namespace
}  // namespace kvarn::identification
