#include "common/atomic_file.hpp"
#include "common/clock.hpp"
#include "common/dates.hpp"
#include "common/ini_document.hpp"
#include "standalone/dossier_fichier.hpp"
#include "support/bytes.hpp"
#include "support/files.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace kvarn::standalone {
namespace {

namespace fs = std::filesystem;

using testing_support::FreshDirectory;

double D(const char* text) { return *ParseDate(text); }

host::CAdresse Address(const std::string& town) {
    return {"Bâtiment B", "Escalier 3", "12", "B", "rue de l'Église", "BP 7", "34200", town, "SÈTE CEDEX",
            "04 67 00 00 00", "04 67 00 00 01", "contact@exemple.fr", 76, "34301"};
}

void FillAdministrativeData(tagDONNEES_ADM& adm) {
    adm = {.CodeSIE = "341", .NoDossier = "123456", .Cle = "78", .RegimeTVA = "RM", .CodeCDI = "340",
           .CodeInspection = "012", .NoService = "003"};
}

// What the record stores by more than a key of its own, written and then read back from a fresh
// object: the addresses and the fixed records key by key, the ROF split into letters and number and
// the retained one, the engagement date as a DOS word, the installed modules' list, the parties
// attached. (A plain text, code or date setter writes one key: the getters are read from the keys
// in the frame's tests, the setters' keys are in the exchange file's byte-for-byte tests.)
TEST(DossierFichier, EveryValueSurvivesReopening) {
    const fs::path dir = FreshDirectory("dossier-roundtrip");
    {
        auto dossier = DossierFichier::Creer(dir, {{"Exercice", "Fin", "30/06/2025"},
                                                   {"InfoEtendue", "DateEngagement", "02/01/2020"},
                                                   {"Hote", "AssistantsInstalles", "12, 148"}});
        dossier->SetROF_TVA("TVA1", true);
        dossier->SetROF_TDFC("BIC12", true);
        dossier->SetROF_IS("IS3", true);
        dossier->Modifier({{"ROF", "TDFCCalculee", "BIC13"}});
        dossier->MAJAdresse(Address("Sète"));
        dossier->SetAdresseSiegeSocial(Address("Montpellier"));
        dossier->SetAdresseSiegeSocialNm1(Address("Nîmes"));
        dossier->SetBureauDistributeur("SÈTE");
        tagDONNEES_ADM adm{};
        FillAdministrativeData(adm);
        dossier->SetDonneesAdministratives(adm);
        tagNOINTRACOMM numero;
        std::memcpy(&numero, "FR0355208131766522", 18);
        numero.Terminateur = 0;
        dossier->SetNoIntraComm(numero);
        dossier->SetIntervenantAttache(0, 3);
        dossier->SetIntervenantAttache(10, 7);
    }
    const auto dossier = DossierFichier::Ouvrir(dir);
    std::string tdfc1, tdfc2, calc1, calc2, is1, is2;
    dossier->GetROF_TDFC(tdfc1, tdfc2, false);
    dossier->GetROF_TDFC(calc1, calc2, true);
    dossier->GetROF_IS(is1, is2, false);
    EXPECT_EQ((std::vector<std::string>{dossier->GetDossierPropStrDyn(0), dossier->GetTenuEn(), tdfc1 + "|" + tdfc2,
                                        calc1 + "|" + calc2, is1 + "|" + is2,
                                        dossier->GetRofRetenue(host::TypeROF::TDFC),
                                        dossier->GetRofRetenue(host::TypeROF::TVA), dossier->GetSIRET()}),
              (std::vector<std::string>{"2025", "EUR", "BIC|12", "BIC|13", "IS|3",
                                        "BIC13",  // the computed reference wins
                                        "TVA1",   // else the entered one
                                        "55208131766522"}));
    EXPECT_EQ((std::vector<int>{dossier->AssistantInstalle(148), dossier->AssistantInstalle(14),
                                dossier->GetIntervenantAttache(0), dossier->GetIntervenantAttache(10),
                                dossier->GetIntervenantAttache(1)}),
              (std::vector<int>{true, false, 3, 7, 0}));
    host::CAdresse expected = Address("Sète");
    expected.BureauDistributeur = "SÈTE";
    EXPECT_EQ(dossier->GetAdresse(), expected);
    EXPECT_EQ(dossier->GetAdresseSiegeSocial(), Address("Montpellier"));
    EXPECT_EQ(dossier->GetAdresseSiegeSocialNm1(), Address("Nîmes"));

    tagDONNEES_ADM written{}, read{};
    FillAdministrativeData(written);
    dossier->GetDonneesAdministratives(read);
    EXPECT_EQ(testing_support::BytesOf(read), testing_support::BytesOf(written));
    tagNOINTRACOMM numero;
    dossier->GetNoIntraComm(numero);
    EXPECT_EQ(0, std::memcmp(&numero, "FR0355208131766522\0", 19));
    host::tagDONNEES_DOSSIER info;
    dossier->ReadExtendedInfo(info);
    EXPECT_EQ(info.DateEngagementDOS, (2020 - 1980) << 9 | 1 << 5 | 2);
}

TEST(DossierFichier, ShortSirenIsZeroPaddedInTheRecord) {
    const fs::path dir = FreshDirectory("dossier-short-siren");
    auto dossier = DossierFichier::Creer(dir, {{"Identification", "Siren", "123"}, {"Identification", "Nic", "12"}});
    tagNOINTRACOMM numero;
    dossier->GetNoIntraComm(numero);
    EXPECT_EQ(0, std::memcmp(&numero, "\0\0\0\0" "123\0\0\0\0\0\0" "12\0\0\0" "\0", 19));
    EXPECT_EQ(dossier->GetSIRET(), "123");
}

TEST(DossierFichier, NewDossierTakesTheCalendarYearOfTheLocalDay) {
    SetClockForTests([] { return std::time_t{1956526200}; });  // 31/12/2031 23:30 UTC, 2032 in France
    const auto dossier = DossierFichier::Creer(FreshDirectory("dossier-defaults"), std::vector<ValeurDossier>{});
    SetClockForTests(nullptr);
    EXPECT_EQ(dossier->GetDateDebutExercice(), *EncodeDate({2032, 1, 1}));
    EXPECT_EQ(dossier->GetDateFinExercice(), *EncodeDate({2032, 12, 31}));
    EXPECT_EQ(dossier->GetDateSituation(), dossier->GetDateFinExercice());
    EXPECT_EQ(dossier->GetDateFinExercicePrecedent(), *EncodeDate({2031, 12, 31}));
}

TEST(DossierFichier, RefusesASecondDossierAndAMissingOne) {
    const fs::path dir = FreshDirectory("dossier-twice");
    DossierFichier::Creer(dir, {{"Dossier", "Nom", "Premier"}});
    EXPECT_THROW(DossierFichier::Creer(dir, {{"Dossier", "Nom", "Second"}}), std::runtime_error);
    EXPECT_EQ(DossierFichier::Ouvrir(dir)->GetNom(), "Premier");
    EXPECT_THROW(DossierFichier::Ouvrir(FreshDirectory("dossier-none")), std::runtime_error);
}

TEST(DossierFichier, RefusedValueWritesNothing) {
    const fs::path dir = FreshDirectory("dossier-refused");
    auto dossier = DossierFichier::Creer(dir, {{"Dossier", "Nom", "Avant"}});
    const std::string before = ReadWholeFile(dir / kFichierDossier);
    EXPECT_THROW(dossier->Modifier({{"Dossier", "Nom", "Après"}, {"Exercice", "Fin", "31/02/2025"}}),
                 std::runtime_error);
    EXPECT_THROW(dossier->Modifier({{"Dossier", "Categorie", "cinq"}}), std::runtime_error);
    EXPECT_EQ(ReadWholeFile(dir / kFichierDossier), before);
}

TEST(DossierFichier, ChangesThroughTheSettersAreWrittenTogetherOrNotAtAll) {
    const fs::path dir = FreshDirectory("dossier-changes");
    auto dossier = DossierFichier::Creer(dir, [](DossierFichier& d) {
        d.SetDateDebutExercice(D("01/01/2025"));
        d.SetDateFinExercice(D("31/12/2025"));
    });
    // The next year starts after the current one ends: only both dates together are coherent.
    dossier->Modifier([](DossierFichier& d) {
        d.SetDateDebutExercice(D("01/01/2026"));
        d.SetDateFinExercice(D("31/12/2026"));
        EXPECT_EQ(d.GetDateFinExercice(), D("31/12/2025"));  // still the stored value
    });
    EXPECT_EQ(dossier->GetDateDebutExercice(), D("01/01/2026"));
    const std::string before = ReadWholeFile(dir / kFichierDossier);
    EXPECT_THROW(dossier->Modifier([](DossierFichier& d) {
        d.SetNom("Après");
        throw std::runtime_error("option refusée");
    }), std::runtime_error);
    EXPECT_THROW(dossier->Modifier([](DossierFichier& d) {
        d.SetNom("Après");
        d.SetNumerosIdentification({"FR04", "552081317", ""});
    }), identification::NumeroRefuse);
    EXPECT_EQ(ReadWholeFile(dir / kFichierDossier), before);
}

struct DamagedRecord {
    const char* line;
    int lineNumber;
};

class DamagedDossier : public testing::TestWithParam<DamagedRecord> {};

TEST_P(DamagedDossier, IsReportedWithItsLineAndKeptAsItIs) {
    const fs::path dir = FreshDirectory("dossier-damaged");
    const std::string damaged = std::string("[Exercice]\nFin=31/12/2025\n\n[Dossier]\nNom=X\n") + GetParam().line + "\n";
    testing_support::WriteBytes(dir / kFichierDossier, damaged);
    const int expectedLine = GetParam().lineNumber;
    try {
        DossierFichier::Ouvrir(dir);
        FAIL() << "opened a damaged record";
    } catch (const IniSyntaxError& e) {
        EXPECT_EQ(e.line(), expectedLine) << e.what();
        EXPECT_NE(std::string(e.what()).find("dossier.ini"), std::string::npos);
    }
    EXPECT_EQ(ReadWholeFile(dir / kFichierDossier), damaged);
}

INSTANTIATE_TEST_SUITE_P(Lines, DamagedDossier,
                         testing::Values(DamagedRecord{"Categorie=cinq", 6}, DamagedRecord{"une ligne perdue", 6},
                                         DamagedRecord{"DernierExportISACOMPTA=2025-03-15", 6},
                                         DamagedRecord{"[Exercice", 6}));

TEST(DossierFichier, InterruptedWriteLeavesThePreviousRecord) {
    const fs::path dir = FreshDirectory("dossier-interrupted");
    auto dossier = DossierFichier::Creer(dir, {{"Dossier", "Nom", "Avant"}});
    SetBeforeRenameHookForTests([](const fs::path&) { throw std::runtime_error("panne simulée"); });
    EXPECT_THROW(dossier->SetCodeAPE("6820A"), std::runtime_error);
    SetBeforeRenameHookForTests(nullptr);
    const auto reopened = DossierFichier::Ouvrir(dir);
    EXPECT_EQ(reopened->GetNom(), "Avant");
    EXPECT_EQ(reopened->GetCodeAPE(), "");
}

}  // namespace
}  // namespace kvarn::standalone
