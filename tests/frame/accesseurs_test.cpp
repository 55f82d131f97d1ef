// The exported standing-data accessors over a dossier of the standalone host: numbers, dates and
// codes, tax-obligation references and the ROF request, the settings kept as reals, failures.
#include <kvarn/accesseurs.hpp>

#include "common/dates.hpp"
#include "common/nulls.hpp"
#include "exports_fixture.hpp"
#include "environment/ouvreur_num_generaux.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvarn::frame {
namespace {

using standalone::ValeurDossier;

// --- SIREN and SIRET of the dossier ---

struct CasSiren {
    const char* nom;
    const char* siren;  // stored in the identification record
    const char* nic;
    const char* siretAttendu;
    const char* sirenAttendu;
};

class SirenDuDossier : public Exports, public testing::WithParamInterface<CasSiren> {};

TEST_P(SirenDuDossier, IsTheSiretsFirstNineCharacters) {
    ModifierDossier({{"Identification", "Siren", GetParam().siren}, {"Identification", "Nic", GetParam().nic}});
    EXPECT_EQ(GetSiretDossier(), GetParam().siretAttendu);
    EXPECT_EQ(GetSirenDossier(), GetParam().sirenAttendu);
    EXPECT_EQ(DerniereException(), "");
}

INSTANTIATE_TEST_SUITE_P(Frame, SirenDuDossier,
                         testing::Values(CasSiren{"SansSiret", "", "", "", ""},
                                         CasSiren{"Siret14", "732829320", "00074", "73282932000074", "732829320"},
                                         CasSiren{"SirenSansNic", "732829320", "", "732829320", "732829320"}),
                         testing_support::NomDuCas());

TEST_F(Exports, IntraCommunityRecordRoundTripsThroughTheDossier) {
    tagNOINTRACOMM numero{};
    std::memcpy(&numero, "FR44732829320000\0\0", sizeof numero);  // NIC shorter than its width
    SetNoIntraComm(numero);
    tagNOINTRACOMM relu;
    std::memset(&relu, 0x55, sizeof relu);
    GetNoIntraComm(relu);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&relu), sizeof relu),
              std::string("FR44732829320000\0\0\0", 19));
    EXPECT_EQ(GetSirenDossier(), "732829320");
}

// --- Dates, codes and texts: each accessor reads the value of its own place in the record ---

struct CasValeur {
    const char* nom;
    std::vector<ValeurDossier> dossier;
    std::function<std::string()> lire;
    std::string attendu;
};

class ValeurDuDossier : public Exports, public testing::WithParamInterface<CasValeur> {};

TEST_P(ValeurDuDossier, ComesFromItsPlaceInTheRecord) {
    ModifierDossier(GetParam().dossier);
    EXPECT_EQ(GetParam().lire(), GetParam().attendu);
}

std::string Date(double jour) { return FormatDate(jour); }

INSTANTIATE_TEST_SUITE_P(
    Frame, ValeurDuDossier,
    testing::Values(
        CasValeur{"Exercices",
                  {{"Exercice", "Debut", "01/07/2024"}, {"Exercice", "Fin", "30/06/2025"},
                   {"Exercice", "DebutPrecedent", "01/07/2023"}, {"Exercice", "FinPrecedent", "30/06/2024"},
                   {"Exercice", "Situation", "31/03/2025"}},
                  [] {
                      return Date(GetDateDebEx()) + " " + Date(GetDateFinEx()) + " " + Date(GetDateDebExNm1()) + " " +
                             Date(GetDateFinExNm1()) + " " + Date(GetDateSituation());
                  },
                  "01/07/2024 30/06/2025 01/07/2023 30/06/2024 31/03/2025"},
        CasValeur{"Activite",
                  {{"Activite", "Debut", "02/01/2010"}, {"Activite", "Cessation", "31/12/2030"}},
                  [] { return Date(GetDateDebActivite()) + " " + Date(GetDateCessationActivite()); },
                  "02/01/2010 31/12/2030"},
        CasValeur{"Regimes",
                  {{"Dossier", "FormeJuridique", "5"}, {"Dossier", "RegimeFiscal", "3"},
                   {"Dossier", "RegimeImposition", "2"}, {"Dossier", "Categorie", "1"}},
                  [] {
                      return std::to_string(RecupFormeJuridique()) + std::to_string(RecupRegimeFiscal()) +
                             std::to_string(RecupRegimeImposition()) + std::to_string(GetCategorieImposition()) +
                             (GetDossierEstEntrepriseIndividuel() ? " EI" : " société");
                  },
                  "5321 société"},
        CasValeur{"EntrepriseIndividuelle", {{"Dossier", "FormeJuridique", "1"}},
                  [] {
                      SauvFormeJuridique(5);  // the legal form stays the host's
                      return std::to_string(RecupFormeJuridique()) + (GetDossierEstEntrepriseIndividuel() ? " EI" : "");
                  },
                  "1 EI"},
        CasValeur{"ExerciceEtMonnaie", {{"Exercice", "Fin", "31/12/2031"}},
                  [] { return GetExerciceDossier() + " " + GetTenuEn(); }, "2031 EUR"},
        CasValeur{"CodesActivite",
                  {{"Activite", "CodeAPE", "6820A"}, {"Activite", "CodeAPE2008", "6820B"},
                   {"Activite", "CodeNACE", "68.20"}, {"Activite", "ActivitePrincipale", "Location de terrains"}},
                  [] { return GetCodeAPE() + "|" + GetCodeAPE2008() + "|" + GetCodeNACE() + "|" + GetActivitePrincipale(); },
                  "6820A|6820B|68.20|Location de terrains"},
        CasValeur{"BureauDistributeur", {},
                  [] {
                      SetBureauDistributeurDossier("Sète Cedex");
                      CAdresse adresse;
                      GetAdresseDossier(adresse);
                      return GetBureauDistributeurDossier() + "|" + adresse.BureauDistributeur;
                  },
                  "Sète Cedex|Sète Cedex"}),
    testing_support::NomDuCas());

// --- Tax-obligation references ---

struct CasROF {
    const char* nom;
    std::vector<ValeurDossier> dossier;
    int type;
    bool connu;
    const char* libelle;
    const char* saisie;
    const char* calculee;
    const char* retenue;
};

class ReferencesROF : public Exports, public testing::WithParamInterface<CasROF> {};

TEST_P(ReferencesROF, GiveLabelBothReferencesAndTheRetainedOne) {
    ModifierDossier(GetParam().dossier);
    std::string libelle = "?", saisie = "?", calculee = "?";
    EXPECT_EQ(GetROFSaisieEtCalculee(GetParam().type, libelle, saisie, calculee), GetParam().connu);
    EXPECT_EQ(libelle, GetParam().libelle);
    EXPECT_EQ(saisie, GetParam().saisie);
    EXPECT_EQ(calculee, GetParam().calculee);
    EXPECT_EQ(GetRofRetenue(GetParam().type), GetParam().retenue);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, ReferencesROF,
    testing::Values(
        CasROF{"TVA", {{"ROF", "TVA", "12"}, {"ROF", "TVACalculee", "13"}}, 0, true, "TVA", "12", "13", "13"},
        CasROF{"TDFCJointe", {{"ROF", "TDFC", "BIC12"}}, 1, true, "TDFC", "BIC12", "", "BIC12"},
        CasROF{"ISJointe", {{"ROF", "IS", "IS1"}, {"ROF", "ISCalculee", "IS2"}}, 2, true, "IS", "IS1", "IS2", "IS2"},
        CasROF{"CVAECalculeeSeule", {{"ROF", "CVAECalculee", "CVAE7"}}, 3, true, "CVAE", "", "CVAE7", "CVAE7"},
        CasROF{"RCMVide", {}, 4, true, "RCM", "", "", ""},
        CasROF{"TypeInconnu", {{"ROF", "TVA", "12"}}, 5, false, "?", "?", "?", ""},
        CasROF{"TypeNegatif", {}, -1, false, "?", "?", "?", ""}),
    testing_support::NomDuCas());

TEST_F(Exports, RofSettersChangeTheEnteredReferenceOnly) {
    ModifierDossier({{"ROF", "CVAECalculee", "C9"}});
    SetROF_TDFC("BIC44");
    SetROF_CVAE("C1");
    SetROF_RCM("R2");
    std::string partie1, partie2;
    GetROF_TDFC(partie1, partie2, false);
    EXPECT_EQ(partie1 + "/" + partie2, "BIC/44");
    EXPECT_EQ(GetROF_CVAE(false) + GetROF_CVAE(true) + GetROF_RCM(false), "C1C9R2");
    EXPECT_EQ(GetROF_TVA(false), "");
}

// --- The ROF request: messages word for word, and when the general-numbers screen opens ---

constexpr const char* kAbsenteIS =
    "Vous n'avez pas renseigné la ROF (Référence Obligation Fiscale) IS.\nNous vous conseillons de saisir "
    "cette information avant de poursuivre la préparation EDI de votre dossier afin d'éviter un rejet de "
    "télétransmission et d'anticiper l'obligation 2016.\nSouhaitez-vous mettre à jour la ROF ?";
constexpr const char* kObligatoireCVAE =
    "La ROF (Référence Obligation Fiscale) CVAE du dossier n'est pas renseignée.\nVeuillez la renseigner.";
constexpr const char* kDifferenteTDFC =
    "La ROF (Référence Obligation Fiscale) TDFC saisie est différente de celle affichée dans les comptes "
    "rendus ARS.\nVoulez-vous modifier votre saisie ?";

struct CasSaisie {
    const char* nom;
    std::vector<ValeurDossier> dossier;
    int type;
    bool obligatoire;
    std::vector<bool> reponses;
    std::optional<host::TypeBoite> boite;  // the one box shown, if any
    const char* texte;
    std::optional<std::pair<int, bool>> ouverture;  // the screen opened for (type, mandatory)
    bool resultat;
};

class DemandeROF : public Exports, public testing::WithParamInterface<CasSaisie> {
protected:
    void SetUp() override {
        Exports::SetUp();
        precedent_ = DefinirOuvreurNumGeneraux([this](int type, bool obligatoire) {
            ouvertures_.emplace_back(type, obligatoire);
        });
    }
    void TearDown() override {
        DefinirOuvreurNumGeneraux(precedent_);
        Exports::TearDown();
    }
    OuvreurNumGeneraux precedent_;
    std::vector<std::pair<int, bool>> ouvertures_;
};

TEST_P(DemandeROF, AsksWhatItMustAndOpensTheScreenOnYes) {
    const CasSaisie& cas = GetParam();
    ModifierDossier(cas.dossier);
    for (bool reponse : cas.reponses) boxes_.QueueAnswer(reponse);
    EXPECT_EQ(SaisirROF(cas.type, cas.obligatoire), cas.resultat);
    if (cas.boite) {
        ASSERT_EQ(boxes_.shown().size(), 1u);
        EXPECT_EQ(boxes_.shown()[0].type, *cas.boite);
        EXPECT_EQ(boxes_.shown()[0].texte, cas.texte);
        EXPECT_EQ(boxes_.shown()[0].titre, "Attention");
    } else {
        EXPECT_TRUE(boxes_.shown().empty());
    }
    std::vector<std::pair<int, bool>> attendues;
    if (cas.ouverture) attendues.push_back(*cas.ouverture);
    EXPECT_EQ(ouvertures_, attendues);
    EXPECT_EQ(boxes_.pendingAnswers(), 0u);
}

using host::TypeBoite;

INSTANTIATE_TEST_SUITE_P(
    Frame, DemandeROF,
    testing::Values(
        CasSaisie{"EgalesRienDemande", {{"ROF", "TVA", "12"}, {"ROF", "TVACalculee", "12"}}, 0, true, {},
                  std::nullopt, "", std::nullopt, true},
        CasSaisie{"UneSeuleRenseignee", {{"ROF", "RCM", "5"}}, 4, false, {}, std::nullopt, "", std::nullopt, true},
        CasSaisie{"DifferentesOui", {{"ROF", "TDFC", "BIC12"}, {"ROF", "TDFCCalculee", "BIC13"}}, 1, false, {true},
                  TypeBoite::Question, kDifferenteTDFC, std::pair{1, false}, true},
        CasSaisie{"DifferentesObligatoireOui", {{"ROF", "TDFC", "BIC12"}, {"ROF", "TDFCCalculee", "BIC13"}}, 1, true,
                  {true}, TypeBoite::Question, kDifferenteTDFC, std::pair{1, true}, true},
        CasSaisie{"DifferentesNon", {{"ROF", "TDFC", "BIC12"}, {"ROF", "TDFCCalculee", "BIC13"}}, 1, false, {false},
                  TypeBoite::Question, kDifferenteTDFC, std::nullopt, true},
        CasSaisie{"AbsentesOui", {}, 2, false, {true}, TypeBoite::Question, kAbsenteIS, std::pair{2, false}, true},
        CasSaisie{"AbsentesNon", {}, 2, false, {false}, TypeBoite::Question, kAbsenteIS, std::nullopt, true},
        CasSaisie{"AbsentesObligatoire", {}, 3, true, {}, TypeBoite::Attention, kObligatoireCVAE, std::pair{3, true},
                  true},
        CasSaisie{"TypeInconnu", {}, 7, true, {}, std::nullopt, "", std::nullopt, false}),
    testing_support::NomDuCas());

TEST_F(Exports, RofRequestWithoutAnOpenerStillAnswersTrue) {
    const OuvreurNumGeneraux precedent = DefinirOuvreurNumGeneraux({});
    boxes_.QueueAnswer(true);
    EXPECT_TRUE(SaisirROF(0, false));
    EXPECT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(DerniereException(), "");
    DefinirOuvreurNumGeneraux(precedent);
}

// --- Settings kept as reals, and the flags of the host's settings file ---

struct CasParametres {
    const char* nom;
    const char* fichier;  // the settings file's bytes
    std::function<std::string()> lire;
    std::string attendu;
};

class ParametresLus : public Exports, public testing::WithParamInterface<CasParametres> {};

TEST_P(ParametresLus, GiveTheStoredValueOrTheirDefault) {
    PlanterParametres(GetParam().fichier);
    EXPECT_EQ(GetParam().lire(), GetParam().attendu);
    EXPECT_EQ(DerniereException(), "");
}

std::string Virements() { return std::to_string(GetNbVirements()) + "/" + std::to_string(GetModePaiement()); }

INSTANTIATE_TEST_SUITE_P(
    Frame, ParametresLus,
    testing::Values(
        CasParametres{"VirementsAbsents", "", Virements, "-2147483647/0"},
        CasParametres{"VirementsTronques", "[KV]\r\nNbVirementsCRL=2.9\r\nModePaiementCRL=-1.5\r\n", Virements, "2/-1"},
        CasParametres{"VirementsHorsLimites", "[KV]\r\nNbVirementsCRL=99999999999\r\nModePaiementCRL=-2147483649\r\n",
                      Virements, "-2147483647/-2147483647"},
        CasParametres{"VirementsIllisibles", "[KV]\r\nNbVirementsCRL=1e20\r\nModePaiementCRL=deux\r\n", Virements,
                      "0/0"},
        CasParametres{"Capital", "[KV]\r\nMontantCapital=1500.5\r\nMontantCapitalDebEx=1000\r\nNbPartsDebEx=100\r\n",
                      [] {
                          return std::to_string(GetMontantCapital()) + "/" + std::to_string(GetMontantCapitalDebEx()) +
                                 "/" + std::to_string(GetNombrePartsDebEx());
                      },
                      "1500.500000/1000.000000/100.000000"},
        CasParametres{"CapitalAbsent", "", [] { return std::to_string(GetMontantCapital() + GetNombrePartsDebEx()); },
                      "0.000000"},
        CasParametres{"SirenAssocie", "[KV]\r\nSirentSocieteSiAssocieSCM_SEP_SCP=443061841\r\n",
                      [] { return GetSiretSEP_SCP_SCM_Dossier(); }, "443061841"},
        CasParametres{"PME", "[KV]\r\nPMEAuSensCommunautaire=1\r\n",
                      [] { return std::string(GetEstPMEAuSensCommunautaire() ? "PME" : "non"); }, "PME"},
        CasParametres{"PMEAbsente", "[DEFAUT]\r\nPMEAuSensCommunautaire=1\r\n",
                      [] { return std::string(GetEstPMEAuSensCommunautaire() ? "PME" : "non"); }, "non"},
        CasParametres{"AdrDeclarEnDEFAULT", "[DEFAULT]\r\nAdrDeclarDifDest=1\r\n",
                      [] { return std::string(GetAdrDeclarDiffDeAdrDest() ? "oui" : "non"); }, "oui"},
        CasParametres{"AdrDeclarEnDEFAUTIgnoree", "[DEFAUT]\r\nAdrDeclarDifDest=1\r\n",
                      [] { return std::string(GetAdrDeclarDiffDeAdrDest() ? "oui" : "non"); }, "non"}),
    testing_support::NomDuCas());

TEST_F(Exports, TransferCountMarkerRemovesTheKey) {
    PlanterParametres("[KV]\r\nModePaiementCRL=2\r\n");
    SetNbVirements(3);
    EXPECT_EQ(OctetsParametres(), "[KV]\r\nModePaiementCRL=2\r\nNbVirementsCRL=3\r\n");
    SetNbVirements(NULL_ENTIER);
    EXPECT_EQ(OctetsParametres(), "[KV]\r\nModePaiementCRL=2\r\n");
    EXPECT_EQ(GetNbVirements(), static_cast<int>(0x80000001u));
    SetModePaiement(1);
    SetMontantCapital(2500, true);
    SetMontantCapital(3000, false);
    EXPECT_EQ(GetModePaiement(), 1);
    EXPECT_EQ(GetMontantCapitalDebEx(), 2500);
    EXPECT_EQ(GetMontantCapital(), 3000);
}

TEST_F(Exports, DeclarantFlagIsWrittenUnderDefaultAndReadBackThroughTheStore) {
    PlanterParametres("[DEFAUT]\r\nAdrDeclarDifDest=0\r\n");
    SetAdrDeclarDiffDeAdrDest(true);
    EXPECT_EQ(OctetsParametres(), "[DEFAUT]\r\nAdrDeclarDifDest=0\r\n\r\n[DEFAULT]\r\nAdrDeclarDifDest=1\r\n");
    EXPECT_TRUE(GetAdrDeclarDiffDeAdrDest());
    EXPECT_EQ(Env().GestIni()->Section(), "KV");
}

TEST_F(Exports, WithoutAStoreTheStoreReadersGiveTheirUnsetValueAndWritersDoNothing) {
    PlanterParametres("[KV]\r\nNbVirementsCRL=3\r\nModePaiementCRL=2\r\nMontantCapital=10\r\n"
                      "[DEFAULT]\r\nAdrDeclarDifDest=1\r\n");
    Env().DetruireFichierIni();
    EXPECT_EQ(GetNbVirements(), NULL_ENTIER);
    EXPECT_EQ(GetModePaiement(), NULL_ENTIER);
    EXPECT_EQ(GetMontantCapital(), 0);
    EXPECT_FALSE(GetAdrDeclarDiffDeAdrDest());
    SetNbVirements(9);
    SetMontantCapital(1, false);
    EXPECT_EQ(OctetsParametres(), "[KV]\r\nNbVirementsCRL=3\r\nModePaiementCRL=2\r\nMontantCapital=10\r\n"
                                  "[DEFAULT]\r\nAdrDeclarDifDest=1\r\n");
    EXPECT_EQ(DerniereException(), "");
}

// --- Failures: shown with the place of the operation, the failure value returned ---

struct EchecAccesseur {
    const char* nom;
    std::function<bool()> appelEtResultat;  // true when the function returned its failure value
    unsigned place;
};

class AccesseurSansModule : public Exports, public testing::WithParamInterface<EchecAccesseur> {};

TEST_P(AccesseurSansModule, IsReportedWithItsLocationAndGivesTheFailureValue) {
    DetruireDataModuleKV();
    EXPECT_TRUE(GetParam().appelEtResultat());
    EXPECT_EQ(DerniereException().rfind("2202:" + std::to_string(GetParam().place) + " ", 0), 0u)
        << DerniereException();
}

INSTANTIATE_TEST_SUITE_P(
    Frame, AccesseurSansModule,
    testing::Values(
        EchecAccesseur{"DateDebEx", [] { return GetDateDebEx() == 0; }, 116},
        EchecAccesseur{"Siren", [] { return GetSirenDossier().empty(); }, 140},
        EchecAccesseur{"SaisirROF", [] { return !SaisirROF(0, true); }, 171},
        EchecAccesseur{"Cerfa",
                       [] {
                           const ADRESSE_CERFA_KV cerfa = GetAdresseSiegeSocial_PourCerfa(true);
                           const auto* octets = reinterpret_cast<const char*>(&cerfa);
                           return std::all_of(octets, octets + sizeof cerfa, [](char c) { return c == 0; });
                       },
                       204},
        EchecAccesseur{"NbVirements", [] { return GetNbVirements() == NULL_ENTIER; }, 306},
        EchecAccesseur{"AdrDeclar", [] { return !GetAdrDeclarDiffDeAdrDest(); }, 309}),
    testing_support::NomDuCas());

TEST_F(Exports, WithoutADossierTheHostsErrorIsShown) {
    host_.reset();
    host_ = standalone::StandaloneHost::WithoutDossier({&boxes_, &choice_, {}, {}});
    EXPECT_EQ(GetTenuEn(), "");
    EXPECT_NE(DerniereException().find("Aucun dossier n'est ouvert"), std::string::npos) << DerniereException();
}

}  // namespace
}  // namespace kvarn::frame
