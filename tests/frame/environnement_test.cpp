#include <kvarn/environnement.hpp>

#include "exports_fixture.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kvarn::frame {
namespace {

namespace fs = std::filesystem;

TEST_F(Exports, TextFunctionsForwardToTheEnvironment) {
    EXPECT_EQ(GetRepDossier(), dir_.string());
    EXPECT_EQ(GetRaisonSociale(), "SARL Dupont & Fils");
    EXPECT_EQ(GetAliasDossier(), "ZOR_DOSSIER");
    EXPECT_EQ(GetAliasTmp(), "ZOR_TMP");
    EXPECT_EQ(GetAliasCommun(), "ZOR_COMMUN");
    EXPECT_EQ(GetNomSession(), "");
    EXPECT_EQ(GetFichierINI(), "");
    EXPECT_FALSE(GetTraitementISAGI());
    EXPECT_EQ(GererFichierTrp("a", "b"), 0);
    EXPECT_TRUE(boxes_.shown().empty());
}

// --- Settings through the exported functions: what lands in the file, and what reads back ---

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
        Scenario{"CurrentSectionWrites", "[KV]\r\nX=a\r\nY=b\r\n",
                 [] {
                     SetString("X", "");
                     SetInteger("N", 3);
                     SetBool("B", true);
                 },
                 "[KV]\r\nY=b\r\nN=3\r\nB=1\r\n",
                 [] { return GetString("X").empty() && GetInteger("N", 0) == 3 && GetBool("B"); }},
        Scenario{"StoredTwoReadsTrue", "[KV]\r\nX=2\r\n[CERFA]\r\nB=2\r\n", [] {}, "[KV]\r\nX=2\r\n[CERFA]\r\nB=2\r\n",
                 [] { return GetBool("X") && GetAssBool("CERFA", "B") && !GetAssBool("CERFA", "Absent"); }},
        Scenario{"DeletionInTheCurrentSection", "[KV]\r\nX=1\r\n[CERFA]\r\nX=2\r\n", [] { SupprimerCle("X"); },
                 "[KV]\r\n[CERFA]\r\nX=2\r\n", [] { return GetAssString("CERFA", "X") == "2"; }},
        Scenario{"NamedReadLeavesTheCurrentSection", "[CERFA]\r\nNomDecl=Durand\r\n",
                 [] {
                     if (GetAssString("CERFA", "NomDecl") == "Durand") SetString("SignNom", "Martin");
                 },
                 "[CERFA]\r\nNomDecl=Durand\r\n\r\n[KV]\r\nSignNom=Martin\r\n",
                 [] { return GetString("SignNom") == "Martin" && GetString("NomDecl").empty(); }},
        Scenario{"DateRoundTrip", "", [] { SetAssDate("KV", "SignDate", 45731); },
                 "[KV]\r\nSignDate=15/03/2025\r\n",
                 [] { return GetAssDate("KV", "SignDate") == 45731 && GetAssDate("KV", "Absente") == 0; }},
        Scenario{"NamedSectionWrites", "",
                 [] {
                     SetAssString("CERFA", "NomDecl", "Léon");
                     SetAssInteger("CERFA", "Qualite", 2);
                     SetAssBool("DEFAULT", "AdrDeclarDifDest", false);
                 },
                 "[CERFA]\r\nNomDecl=L\xE9on\r\nQualite=2\r\n\r\n[DEFAULT]\r\nAdrDeclarDifDest=0\r\n",
                 [] {
                     return GetAssString("cerfa", "nomdecl") == "Léon" && GetAssInteger("CERFA", "Qualite", 0) == 2 &&
                            !GetAssBool("DEFAULT", "AdrDeclarDifDest");
                 }},
        Scenario{"NamedDeletionAndMarker", "[CERFA]\r\nNomDecl=Durand\r\nQualite=2\r\n",
                 [] {
                     SupprimerCleAss("CERFA", "NomDecl");
                     SetAssInteger("CERFA", "Qualite", -2147483647);
                 },
                 "[CERFA]\r\n", [] { return GetAssInteger("CERFA", "Qualite", 9) == 9; }}),
    testing_support::NomDuCas());

// --- Failures are shown in the exception box and give the failure value ---

struct Echec {
    const char* nom;
    std::function<bool()> appelEtResultat;  // true when the function returned its failure value
    unsigned place;
};

class FailureWithoutEnvironment : public Exports, public testing::WithParamInterface<Echec> {};

TEST_P(FailureWithoutEnvironment, IsReportedWithItsLocationAndGivesTheFailureValue) {
    DetruireDataModuleKV();
    EXPECT_TRUE(GetParam().appelEtResultat());
    EXPECT_EQ(DerniereException().rfind("2202:" + std::to_string(GetParam().place) + " ", 0), 0u)
        << DerniereException();
}

INSTANTIATE_TEST_SUITE_P(
    Frame, FailureWithoutEnvironment,
    testing::Values(Echec{"GetRepDossier", [] { return GetRepDossier().empty(); }, 5},
                    Echec{"GetTraitementISAGI", [] { return !GetTraitementISAGI(); }, 12},
                    Echec{"CreateFichierIni", [] { return CreateFichierIni(), true; }, 13},
                    Echec{"GetInteger", [] { return GetInteger("X", 9) == 9; }, 15},
                    Echec{"SetString", [] { return SetString("X", "v"), true; }, 17},
                    Echec{"GetAssDate", [] { return GetAssDate("KV", "X") == 0; }, 22},
                    Echec{"GetAssInteger", [] { return GetAssInteger("KV", "X", -3) == -3; }, 23},
                    Echec{"SupprimerCleAss", [] { return SupprimerCleAss("KV", "X"), true; }, 29}),
    testing_support::NomDuCas());

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

TEST_F(Exports, WithoutAStoreSettingsAreRefusedAndNothingIsWritten) {
    Env().DetruireFichierIni();
    SetString("X", "v");
    EXPECT_EQ(DerniereException().rfind("2202:17 ", 0), 0u) << DerniereException();
    EXPECT_EQ(GetString("X"), "");
    EXPECT_FALSE(fs::exists(FichierParametres()));
}

}  // namespace
}  // namespace kvarn::frame
