// The lines: MAJ's three statements, the lists and their flags, the sums, the currency, and the
// exported functions' error handling and event.
#include "divers_fixture.hpp"
#include "frame/etat_module.hpp"
#include "taxadj/calculs_divers.hpp"

#include <kvarn/module.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace kvarn::taxadj {
namespace {

using testing_support::NomDuCas;

TEST(Monnaie, KeepsTenThousandthsAndSpellsThemForSqlOrIsRefusedOutOfRange) {
    const std::pair<double, const char*> cas[] = {{12.5, "12.5"}, {-3, "-3"}, {0.0001, "0.0001"}, {-0.00005, "-0.0001"},
                                                  {0, "0"}};
    for (const auto& [valeur, sql] : cas) EXPECT_EQ(CCurrency(valeur).TexteSQL(), sql) << valeur;
    EXPECT_THROW(CCurrency(1e15), std::out_of_range);
    EXPECT_THROW(CCurrency(std::nan("")), std::out_of_range);
}

struct CasMAJ {
    std::string nom;
    std::vector<CDeductionsReintegrationsDiverses> avant;
    CDeductionsReintegrationsDiverses ligne;
    std::vector<RangeeDivers> apres;
};

class MAJ : public DossierDivers, public testing::WithParamInterface<CasMAJ> {};

TEST_P(MAJ, WritesTheLineOfItsDesignation) {
    Ecrire(GetParam().avant);
    GetParam().ligne.MAJ();
    EXPECT_EQ(RangeesDivers(), GetParam().apres);
    EXPECT_TRUE(boxes_.shown().empty());
}

const CDeductionsReintegrationsDiverses kLoyer = Divers("Loyer", true, 100, rien, 7);

INSTANTIATE_TEST_SUITE_P(
    Cas, MAJ,
    testing::Values(
        CasMAJ{"nouvelle_sans_montant", {}, Divers("Loyer", true, rien, rien, rien), {}},
        CasMAJ{"nouvelle", {}, kLoyer, {{"Loyer", true, 100, rien, 7}}},
        CasMAJ{"existante_sans_montant_supprimee", {kLoyer, Divers("Autre", true, 1, rien, rien)},
               Divers("Loyer", false, rien, rien, rien), {{"Autre", true, 1, rien, rien}}},
        CasMAJ{"sens_change", {kLoyer}, Divers("Loyer", false, rien, 50, rien), {{"Loyer", false, rien, 50, rien}}},
        CasMAJ{"apostrophe", {Divers("L'an d'avant", true, 1, rien, rien)}, Divers("L'an d'avant", true, 2, rien, rien),
               {{"L'an d'avant", true, 2, rien, rien}}},
        CasMAJ{"centimes", {}, Divers("Frais", true, 12.5, 12.49, -2.5), {{"Frais", true, 13, 12, -3}}}),
    NomDuCas());

TEST_F(DossierDivers, MAJRefusesAnAmountALongCannotHoldAndWritesNothing) {
    Divers("Enorme", true, 3e9, rien, rien).MAJ();
    EXPECT_TRUE(RangeesDivers().empty());
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].texte.rfind("1015:61 ", 0), 0u) << boxes_.shown()[0].texte;
}

class Listes : public DossierDivers {
protected:
    void SetUp() override {
        DossierDivers::SetUp();
        Ecrire({Divers("Amende", true, 100, rien, 7), Divers("Don", false, rien, 30, rien),
                Divers("Cadeaux", true, 20, 5, rien), Divers("Vide", false, rien, rien, rien)});
    }
};

TEST_F(Listes, LoadInTableOrderPerKindAndStayAsLoaded) {
    EXPECT_TRUE(DonnerListeDeductions()->empty());
    EXPECT_TRUE(InitListeDeductionsReintegrations());
    EXPECT_EQ(*DonnerListeDeductions(), (TListeDeductionsReintegrations{Divers("Amende", true, 100, rien, 7),
                                                                        Divers("Cadeaux", true, 20, 5, rien)}));
    EXPECT_EQ(*DonnerListeReintegrations(), TListeDeductionsReintegrations{Divers("Don", false, rien, 30, rien)});
    Divers("Tardif", false, 1, rien, rien).MAJ();  // MAJ does not refresh the lists
    EXPECT_FALSE(PresenceDeDeductionsReintegrations(true, true, false, false));
    DesinitListeDeductionsReintegrations();
    EXPECT_TRUE(DonnerListeReintegrations()->empty());
    EXPECT_TRUE(PresenceDeDeductionsReintegrations(true, true, false, false));  // loaded again
}

TEST_F(Listes, PresenceLooksAtTheCategoriesAskedFor) {
    const std::tuple<bool, bool, bool, bool, bool> cas[] = {
        {false, true, false, false, true}, {false, false, true, false, true}, {false, false, false, true, true},
        {true, true, false, false, false}, {true, false, true, false, true},  {true, false, false, true, false},
        {true, false, false, false, false}};
    for (const auto& [reintegrations, bic, ba, bnc, attendu] : cas)
        EXPECT_EQ(PresenceDeDeductionsReintegrations(reintegrations, bic, ba, bnc), attendu)
            << reintegrations << bic << ba << bnc;
}

TEST_F(Listes, DiversADeduireSumsTheColumnOfTheIncomeType) {
    EXPECT_EQ(DiversADeduireOuAReintegrer(TA_BNC, true), 7);
    EXPECT_EQ(DiversADeduireOuAReintegrer(TA_BIC, true), 120);
    EXPECT_EQ(DiversADeduireOuAReintegrer(TA_BA, true), 5);
    EXPECT_EQ(DiversADeduireOuAReintegrer(static_cast<TYPE_ASSOCIE>(7), true), 0);
    EXPECT_EQ(DiversADeduireOuAReintegrer(TA_BA, false), 30);
}

TEST_F(DossierDivers, ExoTVAOfAnAssociateAndOfNone) {
    const int id = Associe("Durand");
    SetTouteDepenseExoTVA(true, id);
    EXPECT_TRUE(GetTouteDepenseExoTVA(id));
    SetTouteDepenseExoTVA(true, id + 1);
    EXPECT_FALSE(GetTouteDepenseExoTVA(id + 1));
    SetTouteDepenseExoTVA(false, id);
    EXPECT_FALSE(GetTouteDepenseExoTVA(id));
}

void Ecouter(void*, int, int) {}

TEST_F(DossierDivers, TheEventIsEmptiedWithEachDataModuleAndErrorsGiveNeutralValues) {
    _ToutLesDepenseSontExonereDeTVA = {this, Ecouter};
    DesinitKV();
    DetruireDataModuleKV();
    EXPECT_EQ(_ToutLesDepenseSontExonereDeTVA.Fonction, nullptr);
    EXPECT_EQ(DiversADeduireOuAReintegrer(TA_BIC, true), 0);
    EXPECT_FALSE(InitListeDeductionsReintegrations());
    EXPECT_EQ(DonnerListeDeductions(), nullptr);
    ASSERT_EQ(boxes_.shown().size(), 3u);
    EXPECT_EQ(boxes_.shown()[0].texte.rfind("1015:67 ", 0), 0u) << boxes_.shown()[0].texte;
    _ToutLesDepenseSontExonereDeTVA = {this, Ecouter};
    InitDataModuleKV();
    EXPECT_EQ(_ToutLesDepenseSontExonereDeTVA.Objet, nullptr);
    InitKV();
}

}  // namespace
}  // namespace kvarn::taxadj
