// The accessors that keep their values in the settings store: what lands in the file, what reads
// back, and what a closed store leaves. (The exported settings functions only forward to the store,
// whose own tests are in tests/environment; their failures are in accesseurs_test.cpp.)
#include <kvarn/accesseurs.hpp>
#include <kvarn/environnement.hpp>

#include "common/nulls.hpp"
#include "exports_fixture.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace kvarn::frame {
namespace {

// Every accessor of the settings store at once.
std::string LireParametres() {
    std::ostringstream texte;
    texte << GetNbVirements() << ' ' << GetModePaiement() << ' ' << GetMontantCapital() << ' '
          << GetMontantCapitalDebEx() << ' ' << GetNombrePartsDebEx() << ' ' << GetSiretSEP_SCP_SCM_Dossier() << ' '
          << (GetEstPMEAuSensCommunautaire() ? "PME" : "-") << ' ' << (GetAdrDeclarDiffDeAdrDest() ? "AdrDeclar" : "-");
    return texte.str();
}

struct Lus {
    const char* nom;
    const char* fichier;  // the settings file's bytes
    const char* attendu;
};

class ParametresLus : public Exports, public testing::WithParamInterface<Lus> {};

TEST_P(ParametresLus, GiveTheStoredValueOrTheirDefault) {
    PlanterParametres(GetParam().fichier);
    EXPECT_EQ(LireParametres(), GetParam().attendu);
    EXPECT_EQ(DerniereException(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Frame, ParametresLus,
    testing::Values(
        Lus{"Absents", "", "-2147483647 0 0 0 0  - -"},
        Lus{"Renseignes",
            "[KV]\r\nNbVirementsCRL=2.9\r\nModePaiementCRL=-1.5\r\nMontantCapital=1500.5\r\nMontantCapitalDebEx=1000\r\n"
            "NbPartsDebEx=100\r\nSirentSocieteSiAssocieSCM_SEP_SCP=443061841\r\nPMEAuSensCommunautaire=1\r\n"
            "[DEFAULT]\r\nAdrDeclarDifDest=1\r\n",
            "2 -1 1500.5 1000 100 443061841 PME AdrDeclar"},
        Lus{"HorsLimites", "[KV]\r\nNbVirementsCRL=99999999999\r\nModePaiementCRL=-2147483649\r\n",
            "-2147483647 -2147483647 0 0 0  - -"},
        Lus{"Illisibles", "[KV]\r\nNbVirementsCRL=1e20\r\nModePaiementCRL=deux\r\n", "0 0 0 0 0  - -"},
        Lus{"AutresSections", "[DEFAUT]\r\nPMEAuSensCommunautaire=1\r\nAdrDeclarDifDest=1\r\n",
            "-2147483647 0 0 0 0  - -"}),
    testing_support::NomDuCas());

// --- Writes through the accessors: the file's bytes afterwards, and the reads that agree ---

TEST_F(Exports, AccessorsWriteTheirKeysAndReadThemBack) {
    PlanterParametres("[DEFAUT]\r\nAdrDeclarDifDest=0\r\n[KV]\r\nModePaiementCRL=2\r\nNbVirementsCRL=7\r\n");
    SetNbVirements(NULL_ENTIER);  // the unset marker removes the key
    SetModePaiement(1);
    SetMontantCapital(2500, true);
    SetMontantCapital(3000.5, false);
    SetAdrDeclarDiffDeAdrDest(true);
    EXPECT_EQ(OctetsParametres(), "[DEFAUT]\r\nAdrDeclarDifDest=0\r\n[KV]\r\nModePaiementCRL=1\r\nMontantCapitalDebEx=2500\r\n"
                                  "MontantCapital=3000.5\r\n\r\n[DEFAULT]\r\nAdrDeclarDifDest=1\r\n");
    EXPECT_EQ(LireParametres(), "-2147483647 1 3000.5 2500 0  - AdrDeclar");
    EXPECT_EQ(Env().GestIni()->Section(), "KV");
    EXPECT_EQ(DerniereException(), "");
}

// The store's accessors then read "nothing stored" without a word; the settings functions refuse.
TEST_F(Exports, WithoutAStoreNothingIsReadOrWritten) {
    const std::string avant = "[KV]\r\nNbVirementsCRL=3\r\nModePaiementCRL=2\r\nMontantCapital=10\r\nX=w\r\n"
                              "[DEFAULT]\r\nAdrDeclarDifDest=1\r\n";
    PlanterParametres(avant);
    Env().DetruireFichierIni();
    EXPECT_EQ(LireParametres(), "-2147483647 -2147483647 0 0 0  - -");
    SetNbVirements(9);
    SetMontantCapital(1, false);
    EXPECT_EQ(DerniereException(), "");
    SetString("X", "v");
    EXPECT_EQ(DerniereException().rfind("2202:17 ", 0), 0u) << DerniereException();
    EXPECT_EQ(GetString("X"), "");
    EXPECT_EQ(OctetsParametres(), avant);
}

}  // namespace
}  // namespace kvarn::frame
