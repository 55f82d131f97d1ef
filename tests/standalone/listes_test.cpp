#include "host/formes_juridiques.hpp"
#include "host/pays.hpp"
#include "host/regimes.hpp"

#include <gtest/gtest.h>

#include <set>

namespace kvarn::host {
namespace {

// Codes are stored in dossiers: these pins fail when someone renumbers a list.
TEST(HostLists, LegalFormCodesArePinned) {
    const std::pair<int, const char*> pins[] = {{1, "EI"},  {3, "EURL"}, {4, "SARL"}, {5, "SA"},   {6, "SAS"},
                                                {7, "SASU"}, {8, "SNC"}, {11, "SCI"}, {12, "SCM"}, {13, "SCP"},
                                                {14, "SEP"}, {15, "SELARL"}, {19, "GAEC"}, {20, "EARL"}, {27, "ASSO"}};
    for (const auto& [code, abbreviation] : pins) {
        std::string found;
        ASSERT_TRUE(cFormeJuridique::DonnerInfos(code, nullptr, nullptr, &found, nullptr)) << code;
        EXPECT_EQ(found, abbreviation) << code;
    }
    std::string label = "x", edi = "x";
    EXPECT_FALSE(cFormeJuridique::DonnerInfos(101, &label, &edi, nullptr, nullptr));
    EXPECT_EQ(label + edi, "");
    std::set<int> codes;
    for (const auto& forme : cFormeJuridique::Liste()) {
        EXPECT_TRUE(codes.insert(forme.code).second) << "code used twice: " << forme.code;
        EXPECT_GE(forme.code, 1);
        EXPECT_LE(forme.code, 100);
    }
}

TEST(HostLists, LegalFormComboCarriesCodesAndSelects) {
    ListeChoix liste;
    cFormeJuridique::AffecterComboBox(liste, true, true, FJ_SCI);
    ASSERT_EQ(liste.elements.size(), cFormeJuridique::Liste().size() + 1);
    EXPECT_EQ(liste.elements[0].texte, "");
    EXPECT_EQ(liste.elements[0].objet, 0);
    EXPECT_EQ(liste.elements[1].texte, "Association");  // sorted by label
    ASSERT_GE(liste.selection, 0);
    EXPECT_EQ(liste.elements[static_cast<std::size_t>(liste.selection)].objet, FJ_SCI);
    cFormeJuridique::AffecterComboBox(liste, false, false, 999);
    EXPECT_EQ(liste.elements[0].objet, FJ_ENTREPRISE_INDIVIDUELLE);
    EXPECT_EQ(liste.selection, -1);
}

TEST(HostLists, TaxCategoriesAndRegimes) {
    const std::pair<int, const char*> categories[] = {{1, "BIC"}, {2, "BA"}, {3, "BNC"}, {4, "RF"},
                                                      {5, "RF 2072"}, {6, "ISGROUPE"}, {8, "2036"}};
    for (const auto& [code, abbreviation] : categories) {
        std::string found;
        ASSERT_TRUE(cCategoriesImposition::DonnerInfos(code, nullptr, &found)) << code;
        EXPECT_EQ(found, abbreviation);
    }
    EXPECT_FALSE(cCategoriesImposition::DonnerInfos(7, nullptr, nullptr));
    std::string is;
    ASSERT_TRUE(cRegimesImposition::DonnerInfos(RI_IS, nullptr, &is));
    EXPECT_EQ(is, "IS");
    EXPECT_EQ(RI_IS, 2);
}

TEST(HostLists, CountryIdentifiersArePinned) {
    const std::tuple<int, const char*, const char*> pins[] = {
        {76, "FR", "France"}, {31, "BR", "Brésil"}, {57, "DE", "Allemagne"}, {138, "MC", "Monaco"}, {225, "TR", "Turquie"}};
    for (const auto& [id, iso, label] : pins) {
        const Pays* pays = TListePays::Trouver(id);
        ASSERT_NE(pays, nullptr) << id;
        EXPECT_STREQ(pays->codeIso, iso);
        EXPECT_STREQ(pays->libelle, label);
        EXPECT_EQ(TListePays::TrouverCodeIso(iso), pays);
    }
    EXPECT_EQ(TListePays::TrouverCodeIso("fr")->id, PAYS_FRANCE);
    EXPECT_EQ(TListePays::Trouver(0), nullptr);
    EXPECT_EQ(TListePays::Liste().size(), 249u);
    std::set<int> ids;
    for (const Pays& p : TListePays::Liste()) EXPECT_TRUE(ids.insert(p.id).second) << p.id;
}

TEST(HostLists, CountrySelectorStartsInFranceAndRefusesUnknown) {
    CPays selector;
    EXPECT_EQ(selector.DonnerPays(), 76);
    EXPECT_TRUE(selector.ChoisirPays(57));
    EXPECT_FALSE(selector.ChoisirPays(9999));
    EXPECT_EQ(selector.DonnerPays(), 57);
    ListeChoix liste;
    TListePays::AffecterComboBox(liste, 76);
    EXPECT_EQ(liste.elements[0].texte, "Afghanistan");
    EXPECT_EQ(liste.elements[static_cast<std::size_t>(liste.selection)].texte, "France");
    // French order: É sorts with E, not after Z.
    const auto position = [&](const char* name) {
        for (std::size_t i = 0; i < liste.elements.size(); ++i)
            if (liste.elements[i].texte == name) return i;
        return liste.elements.size();
    };
    EXPECT_LT(position("Égypte"), position("Espagne"));
    EXPECT_GT(position("Égypte"), position("Danemark"));
}

}  // namespace
}  // namespace kvarn::host
