// The dossier's settings through the exported functions, and the accessors that keep their values
// in the settings store: what lands in the file, what reads back, and what a damaged file, a value
// the file cannot hold or a closed store leave.
#include <kvarn/accesseurs.hpp>
#include <kvarn/environnement.hpp>

#include "common/nulls.hpp"
#include "exports_fixture.hpp"

#include <gtest/gtest.h>

#include <functional>
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

// --- Writes: the file's bytes afterwards, and the reads that agree ---

struct Scenario {
    const char* nom;
    const char* avant;  // the file's bytes before
    std::function<void()> ecritures;
    const char* apres;  // the file's bytes after
    std::function<bool()> lectures;
};

class SettingsScenario : public Exports, public testing::WithParamInterface<Scenario> {};

TEST_P(SettingsScenario, FileAndReadsAgree) {
    PlanterParametres(GetParam().avant);
    GetParam().ecritures();
    EXPECT_EQ(OctetsParametres(), GetParam().apres);
    EXPECT_TRUE(GetParam().lectures());
    EXPECT_EQ(Env().GestIni()->Section(), "KV");
    EXPECT_EQ(DerniereException(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Frame, SettingsScenario,
    testing::Values(
        Scenario{"CurrentSection", "[KV]\r\nX=a\r\nY=b\r\n[CERFA]\r\nX=2\r\nY=3\r\n",
                 [] {
                     SetString("X", "");
                     SupprimerCle("Y");
                     SetInteger("N", 3);
                     SetBool("B", true);
                 },
                 "[KV]\r\nN=3\r\nB=1\r\n[CERFA]\r\nX=2\r\nY=3\r\n",
                 [] { return GetString("X").empty() && GetInteger("N", 0) == 3 && GetBool("B"); }},
        Scenario{"NamedSections", "[CERFA]\r\nNomDecl=Durand\r\nQualite=2\r\nAncien=1\r\n",
                 [] {
                     SetAssString("CERFA", "NomDecl", "Léon");
                     SetAssInteger("CERFA", "Qualite", NULL_ENTIER);  // the unset marker removes the key
                     SupprimerCleAss("CERFA", "Ancien");
                     SetAssInteger("CERFA", "Rang", 2);
                     SetAssBool("DEFAULT", "AdrDeclarDifDest", true);
                     SetAssDate("KV", "SignDate", 45731);
                 },
                 "[CERFA]\r\nNomDecl=L\xE9on\r\nRang=2\r\n\r\n[DEFAULT]\r\nAdrDeclarDifDest=1\r\n\r\n[KV]\r\n"
                 "SignDate=15/03/2025\r\n",
                 [] {
                     return GetAssString("cerfa", "nomdecl") == "Léon" && GetAssInteger("CERFA", "Qualite", 9) == 9 &&
                            GetAssInteger("CERFA", "Rang", 0) == 2 && GetAssBool("DEFAULT", "AdrDeclarDifDest") &&
                            GetAssDate("KV", "SignDate") == 45731 && GetAssDate("KV", "Absente") == 0 &&
                            GetString("NomDecl").empty() && GetString("SignDate") == "15/03/2025";
                 }},
        Scenario{"Accesseurs", "[DEFAUT]\r\nAdrDeclarDifDest=0\r\n[KV]\r\nModePaiementCRL=2\r\nNbVirementsCRL=7\r\n",
                 [] {
                     SetNbVirements(NULL_ENTIER);
                     SetModePaiement(1);
                     SetMontantCapital(2500, true);
                     SetMontantCapital(3000.5, false);
                     SetAdrDeclarDiffDeAdrDest(true);
                 },
                 "[DEFAUT]\r\nAdrDeclarDifDest=0\r\n[KV]\r\nModePaiementCRL=1\r\nMontantCapitalDebEx=2500\r\n"
                 "MontantCapital=3000.5\r\n\r\n[DEFAULT]\r\nAdrDeclarDifDest=1\r\n",
                 [] { return LireParametres() == "-2147483647 1 3000.5 2500 0  - AdrDeclar"; }}),
    testing_support::NomDuCas());

// --- What is refused leaves the file as it was ---

TEST_F(Exports, LineWithoutEqualsIsSkippedAndKept) {
    PlanterParametres("[KV]\r\nNbParts=100\r\nligne sans \xE9gal\r\n");
    EXPECT_EQ(GetInteger("NbParts", 7), 100);
    SetString("NbParts", "200");
    EXPECT_TRUE(boxes_.shown().empty());
    EXPECT_EQ(OctetsParametres(), "[KV]\r\nNbParts=200\r\nligne sans \xE9gal\r\n");
}

TEST_F(Exports, ValueTheFileCannotHoldIsRefusedAndTheStoreStaysUsable) {
    SetString("Y", "garde");
    const std::string avant = OctetsParametres();
    SetString("X", "ligne 1\nligne 2");
    EXPECT_EQ(DerniereException().rfind("2202:17 ", 0), 0u) << DerniereException();
    SetAssString("CERFA", "Nom=Decl", "Durand");
    EXPECT_EQ(DerniereException().rfind("2202:25 ", 0), 0u) << DerniereException();
    EXPECT_EQ(OctetsParametres(), avant);
    EXPECT_EQ(GetString("Y"), "garde");
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
