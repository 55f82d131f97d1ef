// The host's services in Qt: the message boxes' buttons, defaults and titles, the party dialog's
// filter and choice, the progress dialog.
#include "ui/message_boxes.hpp"
#include "ui/party_dialog.hpp"
#include "ui/progress_bar.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace kvarn::ui {
namespace {

struct CasBoite {
    const char* nom;
    host::TypeBoite type;
    const char* titre;
    int drapeaux;
    const char* titreMontre;
    const char* boutons;      // the buttons' texts, mnemonics kept
    const char* parDefaut;
    bool reponseEntree;       // what Enter answers
};

class BoitesQtTest : public testing::TestWithParam<CasBoite> {};

TEST_P(BoitesQtTest, ButtonsDefaultAndTitleAsTheHostAsks) {
    const CasBoite& cas = GetParam();
    QString titre, boutons, parDefaut;
    QTimer::singleShot(0, [&] {
        auto* boite = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(boite, nullptr);
        titre = boite->windowTitle();
        for (QAbstractButton* b : boite->buttons()) boutons += b->text() + QLatin1Char(' ');
        parDefaut = boite->defaultButton() ? boite->defaultButton()->text() : QString();
        QTest::keyClick(boite, Qt::Key_Return);
    });
    EXPECT_EQ(BoitesQt().Show(cas.type, "Texte", cas.titre, cas.drapeaux), cas.reponseEntree);
    EXPECT_EQ(titre.toStdString(), cas.titreMontre);
    EXPECT_EQ(boutons.trimmed().toStdString(), cas.boutons);
    EXPECT_EQ(parDefaut.toStdString(), cas.parDefaut);
}

INSTANTIATE_TEST_SUITE_P(
    Boites, BoitesQtTest,
    testing::Values(CasBoite{"Question", host::TypeBoite::Question, "Attention", 0, "Attention", "&Oui &Non", "&Oui", true},
                    CasBoite{"QuestionNonParDefaut", host::TypeBoite::Question, "", 256, "Question", "&Oui &Non", "&Non", false},
                    CasBoite{"OkAnnuler", host::TypeBoite::OkAnnuler, "Suppression", 0, "Suppression", "OK &Annuler", "OK", true},
                    CasBoite{"AnnulerParDefaut", host::TypeBoite::OkAnnuler, "Suppression", 256, "Suppression", "OK &Annuler",
                             "&Annuler", false},
                    CasBoite{"Erreur", host::TypeBoite::Erreur, "", 0, "Erreur", "OK", "", true},
                    CasBoite{"Attention", host::TypeBoite::Attention, "", 0, "Attention", "OK", "", true},
                    CasBoite{"Information", host::TypeBoite::Information, "", 0, "Information", "OK", "", true}),
    [](const testing::TestParamInfo<CasBoite>& cas) { return std::string(cas.param.nom); });

TEST(BoitesQt, TheExceptionBoxShowsTheLocationAndTheMessage) {
    QString texte;
    QTimer::singleShot(0, [&] {
        auto* boite = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(boite, nullptr);
        texte = boite->text();
        boite->accept();
    });
    BoitesQt boites;
    boites.Show(host::TypeBoite::Exception, "3010:4 disque plein", "Erreur", 3010 * 65536 + 4);
    EXPECT_EQ(texte, QStringLiteral("Erreur interne 3010:4\n\ndisque plein"));
}

TEST(DialogueIntervenants, TheFilterKeepsMatchingRowsAndNoneGivesZero) {
    DialogueIntervenants dialogue(QStringLiteral("Choisir"), {{4, "Cabinet Martin", "Lyon", "12345678900011"},
                                                              {9, "Fiduciaire du Rhône", "Villeurbanne", ""},
                                                              {12, "Conseil Durand", "Paris", "98765432100019"}});
    EXPECT_EQ(dialogue.Choix(), 4);
    QTest::keyClicks(&dialogue.Filtre(), "VILLE");
    EXPECT_EQ(dialogue.Choix(), 9);
    dialogue.Filtrer(QStringLiteral("rhône"));
    EXPECT_EQ(dialogue.Choix(), 9);
    dialogue.Filtrer(QStringLiteral("987654"));
    EXPECT_EQ(dialogue.Choix(), 12);
    EXPECT_TRUE(dialogue.Table().isRowHidden(0));
    dialogue.Filtrer(QStringLiteral("Marseille"));
    EXPECT_EQ(dialogue.Choix(), 0);
}

TEST(BarreQt, ShowsTheTextAndFollowsThePosition) {
    QWidget fenetre;
    fenetre.show();
    BarreQt barre("Clôture de l'exercice");
    EXPECT_TRUE(barre.Dialogue().isVisible());
    EXPECT_EQ(barre.Dialogue().windowModality(), Qt::WindowModal);
    barre.SetMax(10);
    barre.SetPosition(4);
    barre.Avancer();
    EXPECT_EQ(barre.Dialogue().value(), 5);
    barre.SetPosition(40);
    EXPECT_EQ(barre.Dialogue().value(), 10);
    barre.SetTexte("Écriture des tables");
    EXPECT_EQ(barre.Dialogue().labelText(), QStringLiteral("Écriture des tables"));
}

}  // namespace
}  // namespace kvarn::ui
