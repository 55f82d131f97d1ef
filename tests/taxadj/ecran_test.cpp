// The screen of the deductions and reintegrations, driven as a user would, in both modes.
#include "divers_fixture.hpp"
#include "frame/etat_module.hpp"
#include "taxadj/divers.hpp"
#include "taxadj/screens/rev_fisc_deduc.hpp"

#include <gtest/gtest.h>

namespace kvarn::taxadj {
namespace {

class Ecran : public DossierDivers {
protected:
    void SetUp() override {
        DossierDivers::SetUp();
        Ecrire({Divers("Loyer", true, 100, 50, rien), Divers("Amende", true, 30, rien, 9),
                Divers("Don", false, 1000, rien, rien)});
        durand_ = Associe("Durand");
    }
    TPartAssocieDiversEvent Rappel(int denominateur, int numerateur) {
        return [=, this](bool deduction, int& d, int& n, int& id, long*& part) {
            ++rappels_;
            EXPECT_TRUE(deduction);
            d = denominateur;
            n = numerateur;
            id = durand_;
            part = &part_;
        };
    }
    std::vector<std::string> Colonne(frame::RowModel& grille, int colonne) {
        std::vector<std::string> cellules;
        for (int r = 0; r < grille.RowCount(); ++r) cellules.push_back(grille.CellText(r, colonne));
        return cellules;
    }
    int durand_ = 0;
    int rappels_ = 0;
    long part_ = -1;
};

TEST_F(Ecran, TheExportedScreenFillsOnlyTheOutputsGiven) {
    long bic = -1, bnc = -1;
    DeductionsReintegrationsDiverses(true, &bic, nullptr, &bnc, {});
    EXPECT_EQ(bic, 130);
    EXPECT_EQ(bnc, 9);
    DeductionsReintegrationsDiverses(true, nullptr, nullptr, nullptr, Rappel(3, 1));
    EXPECT_EQ(rappels_, 1);
    EXPECT_EQ(part_, 33 + 10);  // BIC: Loyer 100/3, Amende 30/3
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(Ecran, LinesAreEditedTotalledAndAnEmptyLineIsNotKept) {
    TfrmRevFiscDeduc ecran(*frame::DataModule(), true, {}, {});
    ecran.Activate();
    frame::RowModel& grille = ecran.Grille();
    EXPECT_EQ(Colonne(grille, 0), (std::vector<std::string>{"Loyer", "Amende"}));
    EXPECT_EQ(ecran.GetField("total-bic").value, "130");
    EXPECT_TRUE(grille.SetCellText(1, 1, "-20"));
    EXPECT_FALSE(grille.SetCellText(1, 3, "douze"));
    EXPECT_EQ(ecran.GetField("total-bic").value, "80");
    ASSERT_TRUE(ecran.InsererLigne());
    EXPECT_EQ(grille.RowCount(), 3);
    ecran.SelectionnerLigne(0);  // left untouched: dropped
    EXPECT_EQ(grille.RowCount(), 2);
    ASSERT_TRUE(ecran.InsererLigne());
    EXPECT_TRUE(grille.SetCellText(2, 0, "Cotisation"));
    EXPECT_TRUE(grille.SetCellText(2, 2, "4"));
    for (int c : {0, 1, 3}) EXPECT_TRUE(grille.SetCellText(1, c, ""));  // Amende emptied: deleted
    EXPECT_EQ(Colonne(grille, 0), (std::vector<std::string>{"Loyer", "Cotisation"}));
    EXPECT_EQ(ecran.GetField("total-ba").value, "54");
    EXPECT_TRUE(ecran.Fermer());
    EXPECT_EQ(RangeesDivers(), (std::vector<RangeeDivers>{{"Loyer", true, 100, 50, rien},
                                                          {"Don", false, 1000, rien, rien},
                                                          {"Cotisation", true, rien, 4, rien}}));
}

TEST_F(Ecran, DeletionAsksFirst) {
    for (const bool oui : {false, true}) {
        boxes_.QueueAnswer(oui);
        TfrmRevFiscDeduc ecran(*frame::DataModule(), false, {}, {});
        ecran.Activate();
        EXPECT_EQ(ecran.Supprimer(), oui);
        EXPECT_EQ(ecran.Grille().RowCount(), oui ? 0 : 1);
        ecran.Fermer();
    }
    ASSERT_EQ(boxes_.shown().size(), 2u);
    EXPECT_EQ(boxes_.shown()[1].texte, kQuestionSuppression);
    EXPECT_EQ(boxes_.shown()[1].titre, "Suppression");
    EXPECT_EQ(RangeesDivers().size(), 2u);
}

TEST_F(Ecran, AnAssociatesSharesAreComputedCheckedAndSummed) {
    long ba = 0;
    TfrmRevFiscDeduc ecran(*frame::DataModule(), true, {nullptr, &ba, nullptr}, Rappel(4, 3));
    EXPECT_EQ(rappels_, 1);
    EXPECT_EQ(ecran.Titre(), "Déductions diverses par associé");
    ecran.Activate();
    frame::RowModel& grille = ecran.Grille();
    EXPECT_EQ(Colonne(grille, 0), std::vector<std::string>{"Loyer"});  // BA output given: the BA shares
    EXPECT_EQ(Colonne(grille, 2), std::vector<std::string>{"37"});     // 50 × 3 ÷ 4
    EXPECT_FALSE(ecran.InsererLigne());
    EXPECT_EQ(grille.RowCount(), 1);
    EXPECT_FALSE(grille.SetCellText(0, 3, "120"));
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].texte, "La part de l'associé ne peut étre supérieure au total");
    EXPECT_EQ(Colonne(grille, 3), std::vector<std::string>{""});
    EXPECT_FALSE(grille.CellEditable(0, 2));
    EXPECT_TRUE(grille.SetCellText(0, 3, "45"));
    EXPECT_TRUE(ecran.Fermer());
    EXPECT_EQ(part_, 45);
    EXPECT_EQ(RangeesParts(durand_)[1], (RangeePart{"Loyer", true, true, 45}));
}

void Marqueur(db::CTable&) {}

TEST_F(Ecran, HandlersFiltersAndOpeningArePutBackEvenAfterAnError) {
    db::CTable& parts = Donnees().Composant("tblDiversFiscPartAssocie");
    db::CTable& lignes = Donnees().Composant("tblDiversFisc");
    parts.OnCalcFields = Marqueur;
    parts.BeforePost = Marqueur;
    lignes.SetFilter("IsDeduction = 'False'");
    lignes.Open();
    {
        TfrmRevFiscDeduc ecran(*frame::DataModule(), true, {}, Rappel(1, 1));
        ecran.Activate();
        EXPECT_EQ(parts.BeforePost.target<void (*)(db::CTable&)>(), nullptr);  // the screen's own
        Sql("DROP TABLE KOLMIKV3");
        EXPECT_ANY_THROW(ecran.Grille().SetCellText(0, 3, "1"));
    }
    EXPECT_EQ(*parts.OnCalcFields.target<void (*)(db::CTable&)>(), &Marqueur);
    EXPECT_EQ(*parts.BeforePost.target<void (*)(db::CTable&)>(), &Marqueur);
    EXPECT_FALSE(parts.BeforeInsert);
    EXPECT_FALSE(parts.Active());
    EXPECT_EQ(lignes.Filter(), "IsDeduction = 'False'");
    EXPECT_FALSE(lignes.Filtered());
}

}  // namespace
}  // namespace kvarn::taxadj
