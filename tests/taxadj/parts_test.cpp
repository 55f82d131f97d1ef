// The associates' shares: their rows kept in line with the lines, the computed share, and an
// associate's total.
#include "divers_fixture.hpp"
#include "taxadj/calculs_divers.hpp"
#include "taxadj/divers.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace kvarn::taxadj {
namespace {

using testing_support::NomDuCas;

class Parts : public DossierDivers {
protected:
    void SetUp() override {
        DossierDivers::SetUp();
        Ecrire({Divers("Loyer", true, 100, 50, rien), Divers("Amende", true, 30, rien, 9),
                Divers("Don", false, rien, 70, rien)});
        durand_ = Associe("Durand");
        SynchroniserPartsAssocie(Donnees(), durand_);
    }
    int durand_ = 0;
};

struct CasSynchro {
    std::string nom;
    std::function<void(Parts&)> changement;
    std::vector<RangeePart> apres;
};

class Synchronisation : public Parts, public testing::WithParamInterface<CasSynchro> {
public:
    void SaisirLoyerBA() { SaisirPart(durand_, "Loyer", true, 12); }
};

TEST_P(Synchronisation, OneRowPerLineAndCategoryWithAnAmount) {
    GetParam().changement(*this);
    SynchroniserPartsAssocie(Donnees(), durand_);
    EXPECT_EQ(RangeesParts(durand_), GetParam().apres);
    EXPECT_TRUE(RangeesParts(durand_ + 1).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Synchronisation,
    testing::Values(
        CasSynchro{"rien_ne_change", [](Parts&) {},
                   {{"Loyer", false, true, rien}, {"Loyer", true, true, rien}, {"Amende", false, true, rien},
                    {"Don", true, false, rien}}},
        CasSynchro{"ba_efface", [](Parts&) { Divers("Loyer", true, 100, rien, rien).MAJ(); },
                   {{"Loyer", false, true, rien}, {"Amende", false, true, rien}, {"Don", true, false, rien}}},
        CasSynchro{"bic_efface", [](Parts&) { Divers("Loyer", true, rien, 50, rien).MAJ(); },
                   {{"Loyer", true, true, rien}, {"Amende", false, true, rien}, {"Don", true, false, rien}}},
        CasSynchro{"ligne_supprimee", [](Parts&) { Divers("Amende", true, rien, rien, rien).MAJ(); },
                   {{"Loyer", false, true, rien}, {"Loyer", true, true, rien}, {"Don", true, false, rien}}},
        CasSynchro{"ba_ajoute", [](Parts&) { Divers("Amende", true, 30, 4, 9).MAJ(); },
                   {{"Loyer", false, true, rien}, {"Loyer", true, true, rien}, {"Amende", false, true, rien},
                    {"Amende", true, true, rien}, {"Don", true, false, rien}}},
        CasSynchro{"sens_change_garde_la_saisie",
                   [](Parts& p) {
                       static_cast<Synchronisation&>(p).SaisirLoyerBA();
                       Divers("Loyer", false, 100, 50, rien).MAJ();
                   },
                   {{"Loyer", false, false, rien}, {"Loyer", true, false, 12}, {"Amende", false, true, rien},
                    {"Don", true, false, rien}}}),
    NomDuCas());

TEST(ValeurCalculee, WholeNumbersTruncatedTowardZero) {
    EXPECT_EQ(ValeurCalculee(100, 1, 3), 33);
    EXPECT_EQ(ValeurCalculee(-100, 1, 3), -33);
    EXPECT_EQ(ValeurCalculee(2000000000, 3, 2), 3000000000L);  // beyond 32 bits on the way
    EXPECT_EQ(ValeurCalculee(std::nullopt, 1, 3), std::nullopt);
    EXPECT_EQ(ValeurCalculee(100, 1, 0), std::nullopt);
}

struct CasTotal {
    std::string nom;
    bool deduction;
    double numerateur, denominateur;
    bool ba;
    std::vector<std::pair<std::string, long>> saisies;  // BIC shares entered, or BA ones when `ba`
    int attendu;
};

class Total : public Parts, public testing::WithParamInterface<CasTotal> {};

TEST_P(Total, SumsEnteredSharesAndTruncatesComputedOnes) {
    const CasTotal& cas = GetParam();
    Divers("Remise", true, -50, rien, rien).MAJ();
    Divers("Sans BIC", true, rien, 8, 8).MAJ();
    for (const auto& [designation, valeur] : cas.saisies) {
        SynchroniserPartsAssocie(Donnees(), durand_);
        SaisirPart(durand_, designation, cas.ba, valeur);
    }
    EXPECT_EQ(GetTotalDeductionReintegrationsDiverses(cas.deduction, durand_, cas.numerateur, cas.denominateur, cas.ba),
              cas.attendu);
}

// BIC deductions: Loyer 100, Amende 30, Remise -50; at 1/3: 33.3 → 33, +10 → 43, -16.7 → 26.
INSTANTIATE_TEST_SUITE_P(
    Cas, Total,
    testing::Values(CasTotal{"bic_calcule", true, 1, 3, false, {}, 26},
                    CasTotal{"bic_saisi", true, 1, 3, false, {{"Loyer", 60}}, 53},
                    CasTotal{"denominateur_nul", true, 1, 0, false, {{"Amende", 5}}, 5},
                    CasTotal{"ba_deductions", true, 1, 2, true, {}, 29},
                    CasTotal{"ba_reintegrations", false, 1, 2, true, {}, 35},
                    CasTotal{"bic_reintegrations_sans_part", false, 1, 2, false, {}, 0}),
    NomDuCas());

}  // namespace
}  // namespace kvarn::taxadj
