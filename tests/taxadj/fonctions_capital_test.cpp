// The C interface over the functions and capital in other companies: the cache by row number with
// its successor, loaded once until asked again, the walk in table order, a function shown only when the associate holds one,
// empty amounts as the null real; an empty table.
#include "common/nulls.hpp"
#include "frame/etat_module.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/requete_sql.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace kvarn::taxadj {
namespace {

class FonctionsCapital : public testing_support::ModuleDemarre {
protected:
    static void Ajouter(const testing_support::Colonnes& colonnes) {
        db::CTable& table = frame::DataModule()->Donnees().Composant("tblFonctionsEtCapital");
        table.Open();
        testing_support::AjouterLigne(table, colonnes);
        table.Close();
    }
};

TEST_F(FonctionsCapital, WalkAndCacheInTableOrder) {
    FONCTIONSETCAPITAL_C r;
    EXPECT_FALSE(KVDonnePremierFonctionsEtCapital_C(&r));
    int32_t suivant = -1;
    EXPECT_FALSE(KVDonnerFonctionsEtCapital(1, &r, &suivant));
    EXPECT_EQ(suivant, 0);
    Ajouter({{"IDAssocie", 3}, {"RaisonSociale", "Société Générale"}, {"AssoFonctionDansEnt", false},
             {"Fonction", "Gérant"}, {"MontantCapital", 1500.0}});
    Ajouter({{"IDAssocie", 4}, {"RaisonSociale", "B"}, {"AssoFonctionDansEnt", true}, {"Fonction", "Gérant"}});
    EXPECT_FALSE(KVDonnerFonctionsEtCapital(1, &r, &suivant));  // the cache, loaded empty, stands
    EXPECT_TRUE(InitFonctionsEtCapital());
    ASSERT_TRUE(KVDonnerFonctionsEtCapital(1, &r, &suivant));
    EXPECT_EQ(suivant, 2);
    EXPECT_STREQ(r.RaisonSociale, "Soci\x82t\x82 G\x82n\x82rale");
    EXPECT_STREQ(r.Fonction, "");  // no function held there
    double montant = 0, droits = 0;
    std::memcpy(&montant, reinterpret_cast<const char*>(&r) + offsetof(FONCTIONSETCAPITAL_C, MontantCapital), 8);
    std::memcpy(&droits, reinterpret_cast<const char*>(&r) + offsetof(FONCTIONSETCAPITAL_C, NbDroitsDeVote), 8);
    EXPECT_EQ(montant, 1500.0);
    EXPECT_EQ(droits, NULL_REEL);
    ASSERT_TRUE(KVDonnerFonctionsEtCapital(2, &r, &suivant));
    EXPECT_EQ(suivant, 0);
    EXPECT_STREQ(r.Fonction, "G\x82rant");
    std::vector<int> associes;
    for (bool encore = KVDonnePremierFonctionsEtCapital_C(&r); encore; encore = KVDonneFonctionsEtCapitalSuivant_C(&r))
        associes.push_back(r.IDAssocie);
    EXPECT_EQ(associes, (std::vector<int>{3, 4}));
    EXPECT_FALSE(KVDonneFonctionsEtCapitalSuivant_C(&r));  // the walk ended
}

}  // namespace
}  // namespace kvarn::taxadj
