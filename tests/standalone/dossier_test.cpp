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
    host::CAdresse a;
    a.Complement1 = "Bâtiment B";
    a.Complement2 = "Escalier 3";
    a.NoVoie = "12";
    a.CmplNoVoie = "B";
    a.NomVoie = "rue de l'Église";
    a.BP = "BP 7";
    a.CP = "34200";
    a.Ville = town;
    a.BureauDistributeur = "SÈTE CEDEX";
    a.Telephone = "04 67 00 00 00";
    a.Fax = "04 67 00 00 01";
    a.Email = "contact@exemple.fr";
    a.IDPays = 76;
    a.CodeInsee = "34301";
    return a;
}

void FillAdministrativeData(tagDONNEES_ADM& adm) {
    adm = {.CodeSIE = "341", .NoDossier = "123456", .Cle = "78", .RegimeTVA = "RM", .CodeCDI = "340",
           .CodeInspection = "012", .NoService = "003"};
}

// Every value a user or the module sets, written and then read back from a fresh object.
TEST(DossierFichier, EveryValueSurvivesReopening) {
    const fs::path dir = FreshDirectory("dossier-roundtrip");
    {
        auto dossier = DossierFichier::Creer(dir, {{"Dossier", "Libelle", "SCI Les Tilleuls"},
                                                   {"Dossier", "Nom", "Tilleuls"},
                                                   {"Dossier", "Prenom", "Élise"},
                                                   {"Dossier", "RaisonSociale", "SCI LES TILLEULS"},
                                                   {"Dossier", "FormeJuridique", "12"},
                                                   {"Dossier", "RegimeFiscal", "3"},
                                                   {"Dossier", "RegimeImposition", "2"},
                                                   {"Dossier", "Categorie", "5"},
                                                   {"Dossier", "IdentifiantISA", "ISA-42"},
                                                   {"Dossier", "DernierExportISACOMPTA", "15/03/2025"},
                                                   {"Exercice", "Debut", "01/07/2024"},
                                                   {"Exercice", "Fin", "30/06/2025"},
                                                   {"Exercice", "DebutPrecedent", "01/07/2023"},
                                                   {"Exercice", "FinPrecedent", "30/06/2024"},
                                                   {"Exercice", "Situation", "31/03/2025"},
                                                   {"InfoEtendue", "DateEngagement", "02/01/2020"},
                                                   {"Hote", "LanceParISAGI", "1"},
                                                   {"Hote", "AssistantsInstalles", "12, 148"}});
        dossier->SetDateDebutActivite(D("01/02/2010"));
        dossier->SetDateCessation(D("31/12/2030"));
        dossier->SetROF_TVA("TVA1", true);
        dossier->SetROF_TDFC("BIC12", true);
        dossier->SetROF_IS("IS3", true);
        dossier->SetROF_CVAE("CVAE1", true);
        dossier->SetROF_RCM("RCM2", true);
        dossier->Modifier({{"ROF", "TDFCCalculee", "BIC13"}});
        dossier->SetCodeAPE("6820A");
        dossier->SetCodeAPE_2008("6820B");
        dossier->SetCodeNACE("68.20");
        dossier->SetActivitePrincipale("Location de biens immobiliers");
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
    EXPECT_EQ((std::vector<std::string>{dossier->GetLibelle(), dossier->GetNom(), dossier->GetPrenom(),
                                        dossier->GetRaisonSociale(), dossier->GetIdentifiantISA(),
                                        dossier->GetDossierPropStrDyn(0), dossier->GetTenuEn(),
                                        dossier->GetROF_TVA(false), dossier->GetROF_TVA(true), tdfc1 + "|" + tdfc2,
                                        calc1 + "|" + calc2, is1 + "|" + is2, dossier->GetROF_CVAE(false),
                                        dossier->GetROF_RCM(false), dossier->GetRofRetenue(host::TypeROF::TDFC),
                                        dossier->GetRofRetenue(host::TypeROF::TVA), dossier->GetCodeAPE(),
                                        dossier->GetCodeAPE_2008(), dossier->GetCodeNACE(),
                                        dossier->GetActivitePrincipale(), dossier->GetBureauDistributeur(),
                                        dossier->GetSIRET()}),
              (std::vector<std::string>{"SCI Les Tilleuls", "Tilleuls", "Élise", "SCI LES TILLEULS", "ISA-42", "2025",
                                        "EUR", "TVA1", "", "BIC|12", "BIC|13", "IS|3", "CVAE1", "RCM2",
                                        "BIC13",  // the computed reference wins
                                        "TVA1",   // else the entered one
                                        "6820A", "6820B", "68.20", "Location de biens immobiliers", "SÈTE",
                                        "55208131766522"}));
    EXPECT_EQ((std::vector<int>{dossier->GetFormeJuridique(), dossier->GetRegimeFiscal(), dossier->GetRegimeImposition(),
                                dossier->GetCategorie(), dossier->LanceParISAGI(), dossier->AssistantInstalle(148),
                                dossier->AssistantInstalle(14), dossier->GetIntervenantAttache(0),
                                dossier->GetIntervenantAttache(10), dossier->GetIntervenantAttache(1)}),
              (std::vector<int>{12, 3, 2, 5, true, true, false, 3, 7, 0}));
    EXPECT_EQ((std::vector<double>{dossier->GetDernierExportVersISACOMPTA(), dossier->GetDateDebutExercice(),
                                   dossier->GetDateFinExercice(), dossier->GetDateDebutExercicePrecedent(),
                                   dossier->GetDateFinExercicePrecedent(), dossier->GetDateSituation(),
                                   dossier->GetDateDebutActivite(), dossier->GetDateCessation()}),
              (std::vector<double>{D("15/03/2025"), D("01/07/2024"), D("30/06/2025"), D("01/07/2023"), D("30/06/2024"),
                                   D("31/03/2025"), D("01/02/2010"), D("31/12/2030")}));
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
