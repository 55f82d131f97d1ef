// The checks of a movement as entered, one table of cases over a fixed year and fixed holdings;
// then over a dossier: the holdings before a sale at its date, and the links a movement must
// assign in the loading mode 0, a refused movement writing nothing.
#include "frame/etat_module.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/controle_mouvement.hpp"
#include "movements/saisie_mouvement.hpp"
#include "movements/screens/association_npu.hpp"
#include "support/associe_cree.hpp"
#include "support/requete_sql.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/file_size_limit.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kvarn::movements {
namespace {

constexpr double kDebut = 45658;       // 1 January 2025
constexpr double kSituation = 46022;   // 31 December 2025
using Q = std::vector<std::pair<Colonne, double>>;
using C = Colonne;

LigneDetail Ligne(int id, const Q& quantites) {
    LigneDetail ligne{id, {}, {}, {}, {}, {}, {}};
    for (const auto& [colonne, nombre] : quantites) Quantite(ligne, colonne) = nombre;
    return ligne;
}

struct CasControle {
    std::string nom;
    MouvementSaisi saisie;
    std::string refus;  // a piece of the message; empty when accepted
};

// Associates 1 to 3 are on the grid; 4 is a beneficiary, in the list only.
ContexteControle Contexte() {
    const std::map<int, PartsPPUNP> avant{{1, {100, 10, 10}}, {2, {5, 10, 0}}, {3, {0, 0, 0}}};
    return {kDebut, kSituation, {1, 2, 3}, {1, 2, 3, 4}, [avant](int id) { return avant.at(id); }};
}

class Controle : public testing::TestWithParam<CasControle> {};

TEST_P(Controle, FirstRefusalOrNone) {
    const std::optional<RefusMouvement> refus = ControlerMouvement(GetParam().saisie, Contexte());
    if (GetParam().refus.empty()) {
        EXPECT_FALSE(refus) << refus->message;
    } else {
        ASSERT_TRUE(refus);
        EXPECT_NE(refus->message.find(GetParam().refus), std::string::npos) << refus->message;
    }
}

const double kJour = kDebut + 40;
const std::string kDesequilibre = "Votre mouvement de parts n’est pas équilibré.\nVeuillez modifier votre saisie.";
const double kInfini = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Mouvements, Controle,
    testing::Values(
        CasControle{"Vente10v4Contre10", {kJour, 0, 1, {Ligne(1, {{C::PPDim, 10.4}}), Ligne(2, {{C::PPAug, 10}})}}, ""},
        CasControle{"Vente10v6Contre10", {kJour, 0, 1, {Ligne(1, {{C::PPDim, 10.6}}), Ligne(2, {{C::PPAug, 10}})}},
                    kDesequilibre},
        CasControle{"Vente10v5Contre10PairInferieur",
                    {kJour, 0, 1, {Ligne(1, {{C::PPDim, 10.5}}), Ligne(2, {{C::PPAug, 10}})}}, ""},
        CasControle{"Vente11v5Contre11PairSuperieur",
                    {kJour, 0, 1, {Ligne(1, {{C::PPDim, 11.5}}), Ligne(2, {{C::PPAug, 11}})}}, kDesequilibre},
        CasControle{"Demembrement10Sur10Et10",
                    {kJour, 3, 1, {Ligne(1, {{C::PPDim, 10}}), Ligne(2, {{C::UAug, 10}}), Ligne(3, {{C::NPAug, 10}})}},
                    ""},
        CasControle{"Demembrement10Sur10Et9",
                    {kJour, 3, 1, {Ligne(1, {{C::PPDim, 10}}), Ligne(2, {{C::UAug, 10}}), Ligne(3, {{C::NPAug, 9}})}},
                    kDesequilibre},
        CasControle{"ReconstitutionAuBeneficiaire",
                    {kJour, 6, 3, {Ligne(3, {{C::PPAug, 10}}), Ligne(1, {{C::NPDim, 10}}), Ligne(2, {{C::UDim, 10}})}},
                    ""},
        CasControle{"CessionNPEnPP", {kJour, 1, 1, {Ligne(1, {{C::NPDim, 5}}), Ligne(2, {{C::PPAug, 5}})}},
                    "NbPartsPPAug de l'associé n° 2 ne se saisit pas"},
        CasControle{"CessionUAugmentationDuVendeur", {kJour, 2, 2, {Ligne(2, {{C::UAug, 5}})}},
                    "NbPartsUAug de l'associé n° 2 ne se saisit pas"},
        CasControle{"AugmentationEnDiminution", {kJour, 4, 0, {Ligne(1, {{C::PPDim, 5}})}},
                    "NbPartsPPDim de l'associé n° 1 ne se saisit pas"},
        CasControle{"ReconstitutionPPHorsBeneficiaire", {kJour, 6, 3, {Ligne(1, {{C::PPAug, 5}})}},
                    "NbPartsPPAug de l'associé n° 1 ne se saisit pas"},
        CasControle{"Negatif", {kJour, 4, 0, {Ligne(1, {{C::PPAug, -1}})}}, "positif ou nul"},
        CasControle{"Infini", {kJour, 4, 0, {Ligne(1, {{C::PPAug, kInfini}})}}, "positif ou nul"},
        CasControle{"PasUnNombre", {kJour, 4, 0, {Ligne(1, {{C::PPAug, std::nan("")}})}}, "positif ou nul"},
        CasControle{"DemembrementUEtNPSansPPPerdrait",
                    {kJour, 3, 1, {Ligne(1, {{C::PPDim, 10}}), Ligne(2, {{C::UAug, 10}, {C::NPAug, 10}})}},
                    "NbPartsUAug de l'associé n° 2 ne serait pas prise en compte"},
        CasControle{"ReconstitutionNPEtUSansPPPerdrait",
                    {kJour, 6, 3, {Ligne(3, {{C::PPAug, 10}}), Ligne(1, {{C::NPDim, 10}, {C::UDim, 10}})}},
                    "NbPartsUDim de l'associé n° 1 ne serait pas prise en compte"},
        CasControle{"DiminutionAuDelaDesPartsDetenues",
                    {kJour, 0, 2, {Ligne(2, {{C::PPDim, 6}}), Ligne(1, {{C::PPAug, 6}})}},
                    "Le nombre de parts saisies en diminution doit être inférieur ou égal au nombre de parts "
                    "détenues.\nVeuillez modifier votre saisie."},
        CasControle{"DeuxChampsManquants", {0, 0, 0, {}},
                    "Les champs 'Date', 'Vendeur'  doivent être renseignés.\nVeuillez modifier votre saisie."},
        CasControle{"BeneficiaireManquant", {kJour, 6, 0, {}},
                    "Le champ 'Bénéficiaire'  doit être renseigné.\nVeuillez modifier votre saisie."},
        CasControle{"ReductionSansVendeur", {kJour, 5, 0, {Ligne(1, {{C::PPDim, 3}}), Ligne(2, {{C::PPDim, 5}})}}, ""},
        CasControle{"AugmentationSansVendeur", {kJour, 4, 0, {Ligne(3, {{C::PPAug, 7}})}}, ""},
        CasControle{"AugmentationAvecVendeur", {kJour, 4, 1, {Ligne(3, {{C::PPAug, 7}})}}, "n'a ni vendeur"},
        CasControle{"TypeInconnu", {kJour, 7, 1, {}}, "Le type de mouvement 7 n'existe pas"},
        CasControle{"AuDebutDeLExercice", {kDebut, 4, 0, {Ligne(3, {{C::PPAug, 1}})}}, ""},
        CasControle{"ALaDateDeSituation", {kSituation, 4, 0, {Ligne(3, {{C::PPAug, 1}})}}, ""},
        CasControle{"AvantLExercice", {kDebut - 1, 4, 0, {}}, "(01/01/2025 - 31/12/2025)"},
        CasControle{"ApresLaSituation", {kSituation + 1, 4, 0, {}}, "entre le début de l'exercice"},
        CasControle{"BeneficiaireHorsGrille", {kJour, 4, 0, {Ligne(4, {{C::PPAug, 1}})}},
                    "L'associé n° 4 ne figure pas"},
        CasControle{"VendeurInconnu", {kJour, 0, 9, {}}, "Le vendeur n° 9 n'est pas un associé"}),
    testing_support::NomDuCas());

// A dossier of 2025 with three associates: A holds 10 in full ownership, B and C nothing.
class Saisie : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        ModuleOuvert::SetUp();
        ModifierDossier({{"Exercice", "Debut", "01/01/2025"}, {"Exercice", "Fin", "31/12/2025"},
                         {"Exercice", "Situation", "31/12/2025"}});
        InitKV();
        a = Creer("A", 10), b = Creer("B", 0), c = Creer("C", 0);
    }
    void TearDown() override {
        DesinitKV();
        ModuleOuvert::TearDown();
    }
    static int Creer(const char* nom, double pp, double np = 0) { return testing_support::CreerAssocie(nom, pp, np); }
    static store::TdmKvarn& Module() { return *frame::DataModule(); }
    static int Compter(const char* table) { return testing_support::CompterSql(table); }
    ResultatAjout Ajouter(double date, int type, int cedant, const std::vector<LigneDetail>& lignes,
                          const std::vector<LienNPU>& liens = {}) {
        return AjouterMouvement(Module(), {date, type, cedant, lignes}, liens);
    }
    int a = 0, b = 0, c = 0;
};

TEST_F(Saisie, ASaleIsCoveredByAGainOfTheSameDayNotOfTheNext) {
    ASSERT_FALSE(Ajouter(kJour, 0, a, {Ligne(a, {{C::PPDim, 4}}), Ligne(b, {{C::PPAug, 4}})}).refus);
    const int mouvements = Compter("KOLMIKVM"), lignes = Compter("KOLMIKVP");
    EXPECT_EQ(lignes, 3) << "a row for every associate of the grid";
    const ResultatAjout veille = Ajouter(kJour - 1, 0, b, {Ligne(b, {{C::PPDim, 4}}), Ligne(c, {{C::PPAug, 4}})});
    ASSERT_TRUE(veille.refus);
    EXPECT_NE(veille.refus->message.find("parts saisies en diminution"), std::string::npos);
    EXPECT_EQ(Compter("KOLMIKVM"), mouvements) << "a refused movement writes nothing";
    EXPECT_EQ(Compter("KOLMIKVP"), lignes);
    EXPECT_FALSE(Ajouter(kJour, 0, b, {Ligne(b, {{C::PPDim, 4}}), Ligne(c, {{C::PPAug, 4}})}).refus);
}

TEST_F(Saisie, AFullDiskWritesNoneOfTheMovementItsRowsAndLinks) {
    const std::vector<LigneDetail> demembrement{Ligne(a, {{C::PPDim, 10}}), Ligne(b, {{C::UAug, 10}}),
                                                Ligne(c, {{C::NPAug, 10}})};
    {
        const testing_support::FileSizeLimit disquePlein(512);
        EXPECT_ANY_THROW(Ajouter(kJour, 3, a, demembrement));
    }
    for (const char* table : {"KOLMIKVM", "KOLMIKVP", "KOLMIKVA"}) EXPECT_EQ(Compter(table), 0) << table;
    EXPECT_FALSE(Ajouter(kJour, 3, a, demembrement).refus);
    EXPECT_EQ(Compter("KOLMIKVA"), 1);
}

TEST_F(Saisie, LinksMustAssignEverythingInLoadingModeZero) {
    Module().SetModeChargement(store::kModeSocieteImmobiliere);
    // A dismemberment with one bare owner: its link to the one usufructuary is numbered at once.
    const ResultatAjout demembrement =
        Ajouter(kJour, 3, a, {Ligne(a, {{C::PPDim, 10}}), Ligne(b, {{C::UAug, 10}}), Ligne(c, {{C::NPAug, 10}})});
    ASSERT_FALSE(demembrement.refus) << demembrement.refus->message;
    // C sells its bare ownership to A: nothing says whose usufruct stands behind it.
    const std::vector<LigneDetail> vente{Ligne(c, {{C::NPDim, 10}}), Ligne(a, {{C::NPAug, 10}})};
    const int mouvements = Compter("KOLMIKVM"), liens = Compter("KOLMIKVA");
    const ResultatAjout sansLien = Ajouter(kJour + 1, 1, c, vente);
    ASSERT_TRUE(sansLien.refus);
    EXPECT_TRUE(sansLien.refus->liens);
    EXPECT_EQ(sansLien.refus->message,
              "Le nombre de nues-propriétés de votre mouvement n’est pas égal à votre nombre d’usufruits.\n"
              "Votre déclaration 2072 ne sera pas correctement renseignée.");
    EXPECT_EQ(Compter("KOLMIKVM"), mouvements);
    EXPECT_EQ(Compter("KOLMIKVA"), liens);
    EXPECT_TRUE(MouvementsDePartsAssoNPUSontOK());

    Module().SetModeChargement(store::kModeAutreCategorie);
    const ResultatAjout autreMode = Ajouter(kJour + 1, 1, c, vente);
    ASSERT_FALSE(autreMode.refus);
    EXPECT_FALSE(MouvementsDePartsAssoNPUSontOK()) << "the sale leaves 10 to assign";
    boxes_.QueueAnswer(false);
    EXPECT_FALSE(SupprimerMouvementConfirme(Module(), autreMode.id)) << "answered no";
    boxes_.QueueAnswer(true);
    ASSERT_TRUE(SupprimerMouvementConfirme(Module(), autreMode.id));
    EXPECT_TRUE(MouvementsDePartsAssoNPUSontOK());
    EXPECT_EQ(Compter("KOLMIKVA"), liens) << "its links went with it";

    Module().SetModeChargement(store::kModeSocieteImmobiliere);
    const ResultatAjout lie = Ajouter(kJour + 1, 1, c, vente, {{0, 0, a, b, 10.0}});
    ASSERT_FALSE(lie.refus) << lie.refus->message;
    EXPECT_EQ(LireLiensMouvement(Module(), lie.id).size(), 2u) << "A to B numbered, A to C empty";
}

TEST_F(Saisie, AssociationOfTheStartOfTheYearAndItsClosing) {
    const int d = Creer("D", 0, 10);
    CarteParts carte{{a, 0}, {b, 0}};
    screens::TfrmAssociationNPU ecran(Module(), true, carte, cMouvParts());
    ecran.Ouvrir();
    EXPECT_EQ(ecran.Caption(), "Association nu-propriétaire / usufruitier en début d'exercice");
    EXPECT_EQ(Compter("KOLMIKVA"), 2) << "D linked to A and to B, without numbers";
    EXPECT_EQ(ecran.AAffecter(), 10);
    EXPECT_EQ(ecran.TotalAffecte(), 0) << "a link without a number counts for nothing";
    EXPECT_FALSE(ecran.SaisirNbU(a, b, 1)) << "A is no bare owner";
    ASSERT_TRUE(ecran.SaisirNbU(d, b, 6));
    EXPECT_EQ(ecran.ResteAAffecter(), 4);
    Module().SetModeChargement(store::kModeSocieteImmobiliere);
    boxes_.QueueAnswer(true);
    EXPECT_FALSE(ecran.Fermer()) << "the user corrects the links";
    ASSERT_TRUE(ecran.SaisirNbU(d, a, 4));
    EXPECT_TRUE(ecran.Fermer());
    EXPECT_EQ(carte, (CarteParts{{a, 4}, {b, 6}}));
    EXPECT_EQ(Compter("KOLMIKVA"), 2);
}

TEST_F(Saisie, AssociationTextsOfAUsufructSaleAndOfTheOtherTypes) {
    CarteParts carte;
    cMouvParts vente;
    vente.TypeMouvement = kCessionU;
    const screens::TextesAssociation u = screens::TfrmAssociationNPU(Module(), false, carte, vente).Textes();
    EXPECT_EQ(std::vector<std::string>({u.colonneHaute, u.colonneBasse, u.groupeHaut, u.libelleAAffecter}),
              std::vector<std::string>({"Nombre U", "Nombre NP", "Usufuitiers", "Nombre de nues-propriétés à affecter"}));
    vente.TypeMouvement = kDemembrement;
    const screens::TextesAssociation np = screens::TfrmAssociationNPU(Module(), false, carte, vente).Textes();
    EXPECT_EQ(std::vector<std::string>({np.colonneHaute, np.colonneBasse, np.groupeHaut, np.libelleAAffecter}),
              std::vector<std::string>({"Nombre NP", "Nombre U", "Nus-propriétaires", "Nombre d'usufruits à affecter"}));
}

}  // namespace
}  // namespace kvarn::movements
