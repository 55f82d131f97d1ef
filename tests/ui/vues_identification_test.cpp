// The views of the identification screens in the wizard window, offscreen: each opens bound to its
// screen, a refused close puts the focus on the faulty widget (its tab brought forward), the ROF
// request's form shows its one tab, and the legal-category picker opens expanded on the stored
// code, keeps itself open on a choice it refuses and hands a confirmed one back to the SIRET screen.
#include "ecran_essai.hpp"

#include "frame/preparation_assistant.hpp"
#include "ui/categorie_juridique_dialog.hpp"
#include "ui/screen_dialog.hpp"

#include <kvarn/categorie_juridique.hpp>
#include <kvarn/siret.hpp>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace kvarn::testing_support {
namespace {

struct VueAttendue {
    int ecran;
    const char* champ;  // a field the view must bind
};

int Groupe(int ecran) { return frame::GroupeMontrant(CTree(), ecran); }

TEST_F(FenetreOuverte, EachIdentificationViewOpensBoundToItsScreen) {
    Ouvrir(0);
    for (const VueAttendue& v : {VueAttendue{1, "rof-tdfc"}, VueAttendue{4, "adresse-1er-janvier-ville"},
                                 VueAttendue{5, "gerant-associe-nom"}, VueAttendue{9, "declarant-ville"},
                                 VueAttendue{10, "nb-virements"}, VueAttendue{11, "nom-declarant"},
                                 VueAttendue{19, "siret-n1-nic"}, VueAttendue{20, "siren-associe"}}) {
        ASSERT_TRUE(fenetre_->ChangerGroupe(Groupe(v.ecran))) << v.ecran;
        ASSERT_TRUE(fenetre_->SelectionnerEcran(v.ecran)) << v.ecran;
        ASSERT_NE(fenetre_->Vue(), nullptr) << v.ecran;
        EXPECT_NE(Champ(v.champ), nullptr) << v.ecran << " " << v.champ;
        for (const frame::Field& f : fenetre_->Vue()->Ecran().Fields())
            EXPECT_NE(Champ(f.name), nullptr) << v.ecran << " leaves " << f.name << " unbound";
    }
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(FenetreOuverte, ARefusedSiretScreenFocusesTheFaultyWidget) {
    Ouvrir(Groupe(19));
    ASSERT_TRUE(fenetre_->SelectionnerEcran(19));
    QTest::keyClicks(Champ("pseudo-siret-n1"), "P1234567800002");
    QTest::keyClicks(Champ("siret-n-siren-1"), "5");
    EXPECT_FALSE(Champ("idsp-n")->isEnabled());  // the view follows the screen's rule
    Champ("idsp-n1")->setFocus();
    EXPECT_FALSE(fenetre_->ChangerGroupe(Groupe(20)));
    EXPECT_EQ(fenetre_->EcranCourant(), 19);
    EXPECT_TRUE(Champ("pseudo-siret-n1")->hasFocus());
    EXPECT_EQ(boxes_.shown().size(), 1u);  // the screen's own refusal (its text: the identification tests)
}

TEST_F(FenetreOuverte, ARefusedGeneralNumbersScreenBringsTheFieldsTabForward) {
    standalone::DossierFichier::Ouvrir(dir_)->Modifier(
        std::vector<standalone::ValeurDossier>{{"Dossier", "Categorie", "1"}, {"ROF", "TDFCCalculee", "BIC13"}});
    Ouvrir(0);
    auto* onglets = fenetre_->Vue()->findChild<QTabWidget*>();
    ASSERT_NE(onglets, nullptr);
    EXPECT_FALSE(onglets->isTabVisible(3));  // the wizard hides the activity
    EXPECT_TRUE(onglets->tabBar()->expanding());
    onglets->setCurrentIndex(1);
    QTest::keyClicks(Champ("rof-tdfc"), "12");
    onglets->setCurrentIndex(0);
    boxes_.QueueAnswer(true);  // yes: the user corrects the entry
    EXPECT_FALSE(fenetre_->ChangerGroupe(11));
    EXPECT_EQ(onglets->currentIndex(), 1);
    EXPECT_TRUE(Champ("rof-tdfc")->hasFocus());
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Question);
}

TEST_F(FenetreOuverte, TheRofRequestsFormShowsItsOneTabRaggedRight) {
    Ouvrir(11);
    ui::DialogueEcran dialogue("TfrmNumGeneraux", {2, true}, QStringLiteral("Numéros généraux"));
    ASSERT_NE(dialogue.Vue(), nullptr);
    auto* onglets = dialogue.Vue()->findChild<QTabWidget*>();
    ASSERT_NE(onglets, nullptr);
    for (int i = 0; i < onglets->count(); ++i) EXPECT_EQ(onglets->isTabVisible(i), i == 1) << i;
    EXPECT_FALSE(onglets->tabBar()->expanding());
    dialogue.show();
    dialogue.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogue));
    EXPECT_TRUE(dialogue.Vue()->WidgetOf("rof-is")->isVisible());
    EXPECT_FALSE(dialogue.Vue()->WidgetOf("rof-tva")->isVisible());
    dialogue.accept();  // required and empty: refused, the dialog stays
    EXPECT_TRUE(dialogue.isVisible());
    EXPECT_TRUE(dialogue.Vue()->WidgetOf("rof-is")->hasFocus());
}

QTreeWidgetItem* Noeud(QTreeWidget& arbre, const QString& code) {
    for (QTreeWidgetItemIterator it(&arbre); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == code) return *it;
    return nullptr;
}

TEST_F(FenetreOuverte, ThePickerOpensExpandedOnTheStoredCodeAndRefusesAnUpperLevel) {
    Ouvrir(14);
    identification::EchangeCategorieJuridique echange{"", "9220", ""};
    ui::DialogueCategorieJuridique dialogue(echange);
    dialogue.show();
    QTreeWidget& arbre = *dialogue.Arbre();
    ASSERT_NE(arbre.currentItem(), nullptr);
    EXPECT_EQ(arbre.currentItem()->text(0).toStdString(), CCategorieJuridique::DonneLibelleCategorieJuridique("9220"));
    int noeuds = 0;
    for (QTreeWidgetItemIterator it(&arbre); *it; ++it, ++noeuds)
        if ((*it)->childCount() > 0) {
            EXPECT_TRUE((*it)->isExpanded()) << (*it)->text(0).toStdString();
        }
    EXPECT_GT(noeuds, 200);

    arbre.setCurrentItem(Noeud(arbre, "92"));
    QTest::keyClick(&arbre, Qt::Key_Return);  // the default button
    EXPECT_TRUE(dialogue.isVisible());
    EXPECT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);

    arbre.setCurrentItem(Noeud(arbre, "5710"));
    QTest::keyClick(&arbre, Qt::Key_Return);
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    EXPECT_EQ(echange.code, "5710");
    EXPECT_EQ(echange.libelle, CCategorieJuridique::DonneLibelleCategorieJuridique("5710"));
}

TEST_F(FenetreOuverte, TheSiretScreensButtonStoresTheConfirmedCategory) {
    Ouvrir(Groupe(19));
    ASSERT_TRUE(fenetre_->SelectionnerEcran(19));
    QPushButton* choisir = nullptr;
    for (auto* bouton : fenetre_->Vue()->findChildren<QPushButton*>())
        if (bouton->text() == QStringLiteral("&Choisir…")) choisir = bouton;
    ASSERT_NE(choisir, nullptr);
    for (const bool confirmer : {false, true}) {
        QTimer::singleShot(0, [confirmer] {
            auto* dialogue = dynamic_cast<ui::DialogueCategorieJuridique*>(QApplication::activeModalWidget());
            ASSERT_NE(dialogue, nullptr);
            dialogue->Arbre()->setCurrentItem(Noeud(*dialogue->Arbre(), "6540"));
            if (confirmer) QTest::keyClick(dialogue->Arbre(), Qt::Key_Return);
            else QTest::keyClick(dialogue->Arbre(), Qt::Key_Escape);
        });
        choisir->click();
        EXPECT_EQ(CSiret::GetCategorieJuridique(), confirmer ? "6540" : "") << confirmer;
    }
    const auto* libelle = qobject_cast<QLabel*>(Champ("categorie-juridique"));
    ASSERT_NE(libelle, nullptr);
    EXPECT_EQ(libelle->text().toStdString(), CCategorieJuridique::DonneLibelleCategorieJuridique("6540"));
}

}  // namespace
}  // namespace kvarn::testing_support
