#include "support/dossier_ouvert.hpp"

#include <kvarn/associe.hpp>

#include <gtest/gtest.h>

#include <string>

namespace {

using kvarn::testing_support::NomDuCas;

struct Naissance {
    std::string nom;
    bool personnePhysique;
    int pays;
    std::string cp, insee, departement;
};

class BirthDepartment : public testing::TestWithParam<Naissance> {};

TEST_P(BirthDepartment, FollowsTheRulesInOrder) {
    Associe associe;
    associe.PersonnePhysique = GetParam().personnePhysique;
    associe.IDPaysNaissance = GetParam().pays;
    associe.CPNaissance = GetParam().cp;
    associe.CodeInseeNaissance = GetParam().insee;
    EXPECT_EQ(associe.GetDeptNaissance(), GetParam().departement);
}

INSTANTIATE_TEST_SUITE_P(Regles, BirthDepartment,
                         testing::Values(Naissance{"PersonneMorale", false, 76, "75008", "", ""},
                                         Naissance{"Etranger", true, 99, "75008", "", "99"},
                                         Naissance{"Corse200", true, 76, "20090", "", "2A"},
                                         Naissance{"Corse201", true, 76, "20137", "", "2A"},
                                         Naissance{"Corse20223", true, 76, "20223", "", "2A"},
                                         Naissance{"Corse202", true, 76, "20224", "", "2B"},
                                         Naissance{"Corse206", true, 76, "20600", "", "2B"},
                                         Naissance{"Monaco", true, 76, "98000", "", ""},
                                         Naissance{"Reunion", true, 76, "97400", "", "974"},
                                         Naissance{"Paris", true, 76, "75008", "", "75"},
                                         Naissance{"CodeInseeSansCodePostal", true, 76, "", "69123", "69"},
                                         Naissance{"CodePostalAvantCodeInsee", true, 76, "13001", "69123", "13"},
                                         Naissance{"RienDeConnu", true, 76, "", "", ""}),
                         NomDuCas());

struct Titre {
    std::string nom;
    bool personnePhysique;
    int titre;
    std::string texte, texteEDI;
    int codeSexe;
};

class TitleTexts : public testing::TestWithParam<Titre> {};

TEST_P(TitleTexts, CivilityOrLegalFormAndSexCode) {
    Associe associe;
    associe.PersonnePhysique = GetParam().personnePhysique;
    associe.Titre = GetParam().titre;
    EXPECT_EQ(associe.GetTextTitre(), GetParam().texte);
    EXPECT_EQ(associe.GetTextTitreEDI(), GetParam().texteEDI);
    EXPECT_EQ(associe.GetCodeSexe(), GetParam().codeSexe);
}

INSTANTIATE_TEST_SUITE_P(Titres, TitleTexts,
                         testing::Values(Titre{"M", true, 0, "M", "M", 1}, Titre{"MME", true, 1, "MME", "MME", 2},
                                         Titre{"MLE", true, 2, "MLE", "MLE", 2},
                                         Titre{"SansCivilite", true, -1, "", "", 0},
                                         Titre{"HorsTable", true, 4, "", "", 0},
                                         Titre{"Association", false, 27, "Association", "ASSOCIATION", 0},
                                         Titre{"SansForme", false, -1, "", "", 0},
                                         Titre{"FormeInconnue", false, 98, "", "", 0}),
                         NomDuCas());

TEST(AssocieTexts, ShortCodesOfTheTaxRegimes) {
    const char* codes[] = {"", "BIC", "IS", "BA", "RF", "BNC", ""};
    Associe associe;
    for (int regime = -1; regime <= 5; ++regime) {
        associe.RegimeImpositionSCI = regime;
        EXPECT_EQ(associe.GetTextRegimeImpositionSCI(), codes[regime + 1]) << regime;
    }
}

}  // namespace
