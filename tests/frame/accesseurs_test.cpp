// The exported standing-data accessors over a dossier of the standalone host: the record's values
// each from its own place, the tax-obligation references and the ROF request, and failures shown
// with the place of the operation.
#include <kvarn/accesseurs.hpp>
#include <kvarn/environnement.hpp>

#include "common/dates.hpp"
#include "common/nulls.hpp"
#include "exports_fixture.hpp"
#include "support/bytes.hpp"
#include "environment/ouvreur_num_generaux.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvarn::frame {
namespace {

using host::TypeBoite;
using standalone::ValeurDossier;

// --- Every dossier accessor reads its own place in the record ---

const std::vector<ValeurDossier> kDossier = {
    {"Exercice", "Debut", "01/07/2024"},         {"Exercice", "Fin", "30/06/2025"},
    {"Exercice", "DebutPrecedent", "01/07/2023"}, {"Exercice", "FinPrecedent", "30/06/2024"},
    {"Exercice", "Situation", "31/03/2025"},      {"Activite", "Debut", "02/01/2010"},
    {"Activite", "Cessation", "31/12/2030"},      {"Dossier", "FormeJuridique", "5"},
    {"Dossier", "RegimeFiscal", "3"},             {"Dossier", "RegimeImposition", "2"},
    {"Dossier", "Categorie", "1"},                {"Activite", "CodeAPE", "6820A"},
    {"Activite", "CodeAPE2008", "6820B"},         {"Activite", "CodeNACE", "68.20"},
    {"Activite", "ActivitePrincipale", "Location"}, {"Identification", "Siren", "732829320"},
    {"Identification", "Nic", "00074"}};

std::string LireDossier() {
    std::string texte;
    for (const double date : {GetDateDebEx(), GetDateFinEx(), GetDateDebExNm1(), GetDateFinExNm1(), GetDateSituation(),
                              GetDateDebActivite(), GetDateCessationActivite()})
        texte += FormatDate(date) + " ";
    for (const int code : {RecupFormeJuridique(), RecupRegimeFiscal(), RecupRegimeImposition(), GetCategorieImposition()})
        texte += std::to_string(code) + " ";
    return texte + (GetDossierEstEntrepriseIndividuel() ? "EI " : "société ") + GetExerciceDossier() + " " +
           GetTenuEn() + "|" + GetCodeAPE() + " " + GetCodeAPE2008() + " " + GetCodeNACE() + " " +
           GetActivitePrincipale() + "|" + GetSiretDossier() + " " + GetSirenDossier();
}

struct CasDossier {
    const char* nom;
    std::vector<ValeurDossier> changes;  // over kDossier
    const char* attendu;
};

class ValeursDuDossier : public Exports, public testing::WithParamInterface<CasDossier> {};

TEST_P(ValeursDuDossier, ComeEachFromItsPlaceInTheRecord) {
    ModifierDossier(kDossier);
    ModifierDossier(GetParam().changes);
    SauvFormeJuridique(9);  // the legal form stays the host's
    EXPECT_EQ(LireDossier(), GetParam().attendu);
    EXPECT_EQ(DerniereException(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Frame, ValeursDuDossier,
    testing::Values(CasDossier{"Societe", {},
                               "01/07/2024 30/06/2025 01/07/2023 30/06/2024 31/03/2025 02/01/2010 31/12/2030 5 3 2 1 "
                               "société 2025 EUR|6820A 6820B 68.20 Location|73282932000074 732829320"},
                    CasDossier{"EntrepriseIndividuelleSansNic",
                               {{"Dossier", "FormeJuridique", "1"}, {"Identification", "Nic", ""},
                                {"Exercice", "Fin", "31/12/2031"}},
                               "01/07/2024 31/12/2031 01/07/2023 30/06/2024 31/03/2025 02/01/2010 31/12/2030 1 3 2 1 "
                               "EI 2031 EUR|6820A 6820B 68.20 Location|732829320 732829320"},
                    CasDossier{"SansSiret",
                               {{"Identification", "Siren", ""}, {"Identification", "Nic", ""}},
                               "01/07/2024 30/06/2025 01/07/2023 30/06/2024 31/03/2025 02/01/2010 31/12/2030 5 3 2 1 "
                               "société 2025 EUR|6820A 6820B 68.20 Location| "}),
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
    EXPECT_EQ(libelle + "|" + saisie + "|" + calculee, std::string(GetParam().libelle) + "|" + GetParam().saisie +
                                                           "|" + GetParam().calculee);
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
    std::optional<TypeBoite> boite;  // the one box shown, if any
    const char* texte;
    std::optional<std::pair<int, bool>> ouverture;  // the screen opened for (type, mandatory)
    bool resultat;
    bool sansEcran = false;  // no screen is there to open
};

class DemandeROF : public Exports, public testing::WithParamInterface<CasSaisie> {
protected:
    void SetUp() override {
        Exports::SetUp();
        precedent_ = environment::DefinirOuvreurNumGeneraux(
            [this](int type, bool obligatoire) { ouvertures_.emplace_back(type, obligatoire); });
    }
    void TearDown() override {
        environment::DefinirOuvreurNumGeneraux(precedent_);
        Exports::TearDown();
    }
    environment::OuvreurNumGeneraux precedent_;
    std::vector<std::pair<int, bool>> ouvertures_;
};

TEST_P(DemandeROF, AsksWhatItMustAndOpensTheScreenOnYes) {
    const CasSaisie& cas = GetParam();
    ModifierDossier(cas.dossier);
    if (cas.sansEcran) environment::DefinirOuvreurNumGeneraux({});
    for (bool reponse : cas.reponses) boxes_.QueueAnswer(reponse);
    EXPECT_EQ(SaisirROF(cas.type, cas.obligatoire), cas.resultat);
    ASSERT_EQ(boxes_.shown().size(), cas.boite ? 1u : 0u);
    if (cas.boite) {
        EXPECT_EQ(boxes_.shown()[0].type, *cas.boite);
        EXPECT_EQ(boxes_.shown()[0].texte, cas.texte);
        EXPECT_EQ(boxes_.shown()[0].titre, "Attention");
    }
    EXPECT_EQ(ouvertures_, (cas.ouverture ? std::vector{*cas.ouverture} : std::vector<std::pair<int, bool>>{}));
    EXPECT_EQ(boxes_.pendingAnswers(), 0u);
}

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
        CasSaisie{"AbsentesOuiSansEcran", {}, 2, false, {true}, TypeBoite::Question, kAbsenteIS, std::nullopt, true,
                  true},
        CasSaisie{"AbsentesNon", {}, 2, false, {false}, TypeBoite::Question, kAbsenteIS, std::nullopt, true},
        CasSaisie{"AbsentesObligatoire", {}, 3, true, {}, TypeBoite::Attention, kObligatoireCVAE, std::pair{3, true},
                  true},
        CasSaisie{"TypeInconnu", {}, 7, true, {}, std::nullopt, "", std::nullopt, false}),
    testing_support::NomDuCas());

// --- Failures: shown with the place of the operation, the failure value returned ---

struct Echec {
    const char* nom;
    std::function<bool()> appelEtResultat;  // true when the function returned its failure value
    unsigned place;
};

class SansModule : public Exports, public testing::WithParamInterface<Echec> {};

TEST_P(SansModule, IsReportedWithItsLocationAndGivesTheFailureValue) {
    DetruireDataModuleKV();
    EXPECT_TRUE(GetParam().appelEtResultat());
    EXPECT_EQ(DerniereException().rfind("2202:" + std::to_string(GetParam().place) + " ", 0), 0u)
        << DerniereException();
}

INSTANTIATE_TEST_SUITE_P(
    Frame, SansModule,
    testing::Values(Echec{"GetRepDossier", [] { return GetRepDossier().empty(); }, 5},
                    Echec{"GetTraitementISAGI", [] { return !GetTraitementISAGI(); }, 12},
                    Echec{"CreateFichierIni", [] { return CreateFichierIni(), true; }, 13},
                    Echec{"GetInteger", [] { return GetInteger("X", 9) == 9; }, 15},
                    Echec{"SetString", [] { return SetString("X", "v"), true; }, 17},
                    Echec{"SetAssString", [] { return SetAssString("CERFA", "X", "v"), true; }, 25},
                    Echec{"GetAssDate", [] { return GetAssDate("KV", "X") == 0; }, 22},
                    Echec{"GetAssInteger", [] { return GetAssInteger("KV", "X", -3) == -3; }, 23},
                    Echec{"SupprimerCleAss", [] { return SupprimerCleAss("KV", "X"), true; }, 29},
                    Echec{"DateDebEx", [] { return GetDateDebEx() == 0; }, 116},
                    Echec{"Siren", [] { return GetSirenDossier().empty(); }, 140},
                    Echec{"SaisirROF", [] { return !SaisirROF(0, true); }, 171},
                    Echec{"Cerfa",
              [] { return testing_support::BytesOf(GetAdresseSiegeSocial_PourCerfa(true)) == std::string(212, '\0'); },
              204},
                    Echec{"NbVirements", [] { return GetNbVirements() == NULL_ENTIER; }, 306},
                    Echec{"AdrDeclar", [] { return !GetAdrDeclarDiffDeAdrDest(); }, 309}),
    testing_support::NomDuCas());

TEST_F(Exports, WithoutADossierTheHostsErrorIsShown) {
    host_.reset();
    host_ = standalone::StandaloneHost::WithoutDossier({&boxes_, &choice_, {}, {}});
    EXPECT_EQ(GetTenuEn(), "");
    EXPECT_NE(DerniereException().find("Aucun dossier n'est ouvert"), std::string::npos) << DerniereException();
}

}  // namespace
}  // namespace kvarn::frame
