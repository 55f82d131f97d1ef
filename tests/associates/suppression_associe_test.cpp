// Deleting an associate: refused while it holds shares in any of the ways the list counts, else
// its row and its usufruct links go after the question, together or not at all.
#include "associates/suppression_associe.hpp"
#include "frame/etat_module.hpp"
#include "support/associe_cree.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/file_size_limit.hpp"
#include "support/requete_sql.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>

#include <string>

namespace kvarn::associates {
namespace {

// A holds 10 shares at the start and sells 4 to B; C is B's usufructuary for 3 shares, D a
// usufructuary of nothing, E takes part in nothing. F gets 1 share in a capital increase (no
// transferor) and gives it back in a reduction.
class Suppression_ : public testing_support::ModuleDemarre {
protected:
    void SetUp() override {
        ModuleDemarre::SetUp();
        a = Creer("A", 10), b = Creer("B", 0), c = Creer("C", 0), d = Creer("D", 0), e = Creer("E", 0);
        f = Creer("F", 0);
        KV_OuvrirMouvementsParts();
        Mouvement(0, a, {{a, 0, -4}, {b, 0, 4}});
        Mouvement(4, 0, {{f, 0, 1}});
        Mouvement(5, 0, {{f, 0, -1}});
        KV_FermerMouvementsParts();
        KV_OuvrirAssoNPU();
        KV_SauverAssoNPU({0, b, c, 3});
        KV_SauverAssoNPU({0, b, d, 0});
        KV_SauverAssoNPU({1, a, d, 0});
        KV_FermerAssoNPU();
    }
    static int Creer(const char* nom, double pp, double np = 0) { return testing_support::CreerAssocie(nom, pp, np); }
    static void Mouvement(int type, int cedant, const std::vector<cDetailMouvementParts>& details) {
        cMouvParts m;
        m.DateMouvement = 45700, m.TypeMouvement = type, m.IDCedant = cedant;
        const int id = KV_SauverMouvementsParts(m);
        for (const cDetailMouvementParts& detail : details) KV_SauverDetailMouvementsParts(detail, id);
    }
    static int Lignes(int id) {
        return testing_support::CompterSql("KOLMIKV1 WHERE SHIDASSOCIE=" + std::to_string(id));
    }
    static int Liens(int id) { return testing_support::CompterSql("KOLMIKVA WHERE IDU=" + std::to_string(id)); }
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
};

TEST_F(Suppression_, RefusedForEveryWayOfHoldingSharesAndAfterANo) {
    const std::string refus = "Impossible de supprimer un associé détenant des parts.";
    // Start-of-year shares; shares gained from a transferor; a usufruct of 3 shares.
    for (const int id : {a, b, c}) {
        EXPECT_EQ(SupprimerAssocie(*frame::DataModule(), id), Suppression::DetientDesParts) << id;
        ASSERT_FALSE(boxes_.shown().empty());
        EXPECT_EQ(boxes_.shown().back().texte, refus);
        EXPECT_EQ(Lignes(id), 1);
    }
    EXPECT_EQ(Liens(c), 1);
    boxes_.QueueAnswer(false);
    EXPECT_EQ(SupprimerAssocie(*frame::DataModule(), e), Suppression::Abandonnee);
    EXPECT_EQ(boxes_.shown().back().texte, "Etes-vous sûr de supprimer cet associé ?");
    EXPECT_EQ(Lignes(e), 1);
    EXPECT_EQ(SupprimerAssocie(*frame::DataModule(), 99), Suppression::Inconnu);
}

TEST_F(Suppression_, WithoutSharesTheRowAndItsUsufructLinksGo) {
    // D is a usufructuary of 0 shares twice; F's movements have no transferor and net to 0.
    for (const int id : {d, f}) {
        boxes_.QueueAnswer(true);
        EXPECT_EQ(SupprimerAssocie(*frame::DataModule(), id), Suppression::Supprime) << id;
        EXPECT_EQ(Lignes(id), 0);
        EXPECT_EQ(Liens(id), 0);
    }
    EXPECT_EQ(testing_support::CompterSql("KOLMIKVA"), 1) << "the other associates' links stay";
}

TEST_F(Suppression_, AFullDiskDeletesNeitherTheRowNorItsLinks) {
    boxes_.QueueAnswer(true);
    {
        const testing_support::FileSizeLimit disquePlein(512);
        EXPECT_ANY_THROW(SupprimerAssocie(*frame::DataModule(), d));
    }
    EXPECT_EQ(boxes_.pendingAnswers(), 0u) << "the write failed, not the reading before the question";
    EXPECT_EQ(Lignes(d), 1);
    EXPECT_EQ(Liens(d), 2);
}

}  // namespace
}  // namespace kvarn::associates
