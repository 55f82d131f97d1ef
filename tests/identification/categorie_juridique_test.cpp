#include <kvarn/categorie_juridique.hpp>

#include <gtest/gtest.h>

namespace {

TEST(CategoriesJuridiques, TablesHaveTheirSizes) {
    EXPECT_EQ(CCategorieJuridique::Niveau1().size(), 10u);
    EXPECT_EQ(CCategorieJuridique::Niveau2().size(), 38u);
    EXPECT_EQ(CCategorieJuridique::Niveau3().size(), 271u);
}

struct Row {
    int position;
    const char* code;
    int value;
};

class ValueRule : public testing::TestWithParam<Row> {};

TEST_P(ValueRule, ValueDerivesFromPosition) {
    const auto& row = CCategorieJuridique::Niveau3()[static_cast<std::size_t>(GetParam().position)];
    EXPECT_EQ(row.code, GetParam().code);
    EXPECT_EQ(row.valeur, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Rows, ValueRule,
                         testing::Values(Row{0, "1100", 0}, Row{42, "5309", 42}, Row{43, "5370", 258},
                                         Row{44, "5385", 43}, Row{198, "7344", 265}, Row{267, "9970", 257},
                                         Row{268, "1000", 268}, Row{270, "5310", 270}));

TEST(CategoriesJuridiques, EveryValueIsUsedOnce) {
    std::vector<int> seen(271, 0);
    for (const auto& row : CCategorieJuridique::Niveau3()) {
        ASSERT_GE(row.valeur, 0);
        ASSERT_LT(row.valeur, 271);
        ++seen[static_cast<std::size_t>(row.valeur)];
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 271);
}

TEST(CategoriesJuridiques, LabelOfACode) {
    EXPECT_EQ(CCategorieJuridique::DonneLibelleCategorieJuridique("5710"), "SAS, société par actions simplifiée");
    EXPECT_EQ(CCategorieJuridique::DonneLibelleCategorieJuridique("5710 "), "");
    EXPECT_EQ(CCategorieJuridique::DonneLibelleCategorieJuridique(""), "");
    // The trailing no-break space is part of the published label.
    EXPECT_EQ(CCategorieJuridique::DonneLibelleCategorieJuridique("6511"),
              "Sociétés Interprofessionnelles de Soins Ambulatoires\u00A0");
}

TEST(CategoriesJuridiques, PositionLookups) {
    EXPECT_EQ(CCategorieJuridique::CategorieJuridiqueCode(static_cast<CATEGORIE_JURIDIQUE>(268)), "1000");
    EXPECT_EQ(CCategorieJuridique::CategorieJuridiqueCode(static_cast<CATEGORIE_JURIDIQUE>(8)), "");
    EXPECT_EQ(CCategorieJuridique::CategorieJuridiqueCode(static_cast<CATEGORIE_JURIDIQUE>(271)), "");
    EXPECT_EQ(CCategorieJuridique::CategorieJuridiqueCode(static_cast<CATEGORIE_JURIDIQUE>(9)), "2110");
    EXPECT_EQ(CCategorieJuridique::CategorieJuridiqueLibelle(static_cast<CATEGORIE_JURIDIQUE>(198)), "Métropole");
    EXPECT_EQ(CCategorieJuridique::CategorieJuridiqueLibelle(CJ_AUCUNE), "");
    EXPECT_EQ(CCategorieJuridique::DonneCategorieJuridique("métropole"), 198);
    EXPECT_EQ(CCategorieJuridique::DonneCategorieJuridique("MÉTROPOLE"), 198);
    EXPECT_EQ(CCategorieJuridique::DonneCategorieJuridique(""), CJ_AUCUNE);
    EXPECT_EQ(CCategorieJuridique::DonneCategorieJuridique("Metropole"), CJ_AUCUNE);
}

TEST(CategoriesJuridiques, ComboBoxWorksOnValues) {
    CCategorieJuridique::ListeTextes liste{{"ancien", nullptr}};
    EXPECT_EQ(CCategorieJuridique::AffecterComboBox(liste, true, static_cast<CATEGORIE_JURIDIQUE>(43)), 44);
    EXPECT_EQ(liste.size(), 271u);
    EXPECT_EQ(liste[44].second->code, "5385");
    EXPECT_EQ(CCategorieJuridique::AffecterComboBox(liste, false, static_cast<CATEGORIE_JURIDIQUE>(258)), 43);
    EXPECT_EQ(liste[43].first, liste[43].second->libelle);
    EXPECT_EQ(CCategorieJuridique::AffecterComboBox(liste, false, CJ_AUCUNE), -1);
}

}  // namespace
