// The distribution's arithmetic, one table: each share function on the amounts, holdings, entered
// shares and declared number of shares where the rules part.
#include "associates/repartition.hpp"
#include "common/nulls.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

namespace kvarn::associates {
namespace {

enum class Part { Benefice, Deficit, PVLT, PVLTColonne, Exploitation, Abandons };

struct Cas {
    const char* nom;
    Part part;
    long montant;
    int saisi;
    PartsFinExercice detention;
    int n;
    long attendu;
};

long Calculer(const Cas& c) {
    switch (c.part) {
        case Part::Benefice: return BeneficeCalc(static_cast<int>(c.montant), c.saisi, c.detention, c.n);
        case Part::Deficit: return DeficitCalc(static_cast<int>(c.montant), c.saisi, c.detention, c.n);
        case Part::PVLT: return PVLTCalc(static_cast<int>(c.montant), c.saisi, c.detention, c.n);
        case Part::PVLTColonne: return PartProportionnelle(static_cast<double>(c.montant), c.detention.pp, c.n);
        case Part::Exploitation: return ResultatExploitationCalc(c.montant, c.saisi, c.detention, c.n);
        case Part::Abandons: return AbandonsLoyersCalc(c.montant, c.saisi, c.detention, c.n);
    }
    return -1;
}

class Arithmetique : public testing::TestWithParam<Cas> {};

TEST_P(Arithmetique, ShareOfTheAmount) { EXPECT_EQ(Calculer(GetParam()), GetParam().attendu); }

constexpr int kVide = NULL_ENTIER;

INSTANTIATE_TEST_SUITE_P(
    Repartition, Arithmetique,
    testing::Values(
        Cas{"NZeroSansSaisie", Part::Benefice, 1000, kVide, {10, 0, 0}, 0, 0},
        Cas{"NZeroAvecSaisie", Part::Benefice, 1000, 70, {10, 0, 0}, 0, 70},
        Cas{"PerteBICPleinsEtNusProprietaires", Part::Exploitation, -1000, kVide, {10, 0, 5}, 100, -150},
        Cas{"BeneficeBICPleinsProprietairesEtUsufruitiers", Part::Exploitation, 1000, kVide, {10, 0, 5}, 100, 100},
        Cas{"AbandonsPleinsProprietairesEtUsufruitiers", Part::Abandons, 999, kVide, {350, 0, 0}, 1000, 350},
        Cas{"PVLTTronquee", Part::PVLT, 999, kVide, {1, 0, 0}, 2, 499},
        Cas{"PVLTColonneArrondie", Part::PVLTColonne, 999, kVide, {1, 0, 0}, 2, 500},
        Cas{"PVLTInconnue", Part::PVLT, kVide, kVide, {1, 0, 0}, 2, 0},
        Cas{"PVLTSaisieNZero", Part::PVLT, 999, 12, {1, 0, 0}, 0, 12},
        Cas{"SaisieNegativeBenefice", Part::Benefice, 1000, -50, {10, 0, 0}, 100, 0},
        Cas{"SaisieNegativeDeficit", Part::Deficit, 1000, -50, {10, 0, 0}, 100, -50},
        Cas{"BeneficeSurPerte", Part::Benefice, -1000, kVide, {10, 0, 0}, 100, 0},
        Cas{"DemiPositifAuDessus", Part::Benefice, 12346, kVide, {250, 0, 0}, 1000, 3087},
        Cas{"DemiNegatifAuDessous", Part::Deficit, -7778, kVide, {250, 0, 0}, 1000, -1945}),
    testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::associates
