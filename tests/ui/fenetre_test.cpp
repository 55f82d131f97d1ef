// The wizard window over a real dossier: groups, the 21 pages, the screen cycle with a test screen
// standing in for a form class's own, the keyboard, and the ROF request's dialog.
#include "ecran_essai.hpp"

#include "common/dates.hpp"
#include "environment/ouvreur_num_generaux.hpp"
#include "frame/preparation_assistant.hpp"
#include "ui/screen_dialog.hpp"
#include "ui/wizard_tree.hpp"

#include <kvarn/accesseurs.hpp>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <set>

namespace kvarn::testing_support {
namespace {

int WizardTreeCurrent(const ui::WizardTree& arbre) { return ui::WizardTree::ScreenOf(arbre.currentItem()); }

TEST_F(FenetreOuverte, OpensOnGroupZeroAndEveryScreenShowsItsPageUnderItsCaption) {
    Ouvrir(0);
    EXPECT_EQ(fenetre_->Groupe(), 0);
    EXPECT_EQ(fenetre_->Arbre().SelectableScreens(), std::vector<int>{1});
    EXPECT_EQ(fenetre_->windowTitle(), QStringLiteral("SARL Dupont – exercice 2025 – Assistant kvarn"));
    const CTree conception;
    for (int ecran = 1; ecran <= 21; ++ecran) {
        ASSERT_TRUE(fenetre_->ChangerGroupe(frame::GroupeMontrant(conception, ecran))) << ecran;
        ASSERT_TRUE(fenetre_->SelectionnerEcran(ecran)) << ecran;
        EXPECT_EQ(fenetre_->EcranCourant(), ecran);
        EXPECT_EQ(fenetre_->TitreEcran().toStdString(), conception.Noeud(ecran).libelle);
        EXPECT_EQ(WizardTreeCurrent(fenetre_->Arbre()), ecran);
        if (std::set<int>{1, 4, 5, 9, 10, 11, 19, 20}.contains(ecran)) {  // the screens whose views have landed
            EXPECT_NE(fenetre_->Vue(), nullptr) << ecran;
            continue;
        }
        const auto* notice = dynamic_cast<QLabel*>(fenetre_->Page());
        ASSERT_NE(notice, nullptr) << ecran;
        EXPECT_EQ(notice->text(), QString::fromUtf8(ui::kEcranIndisponible));
    }
    ASSERT_TRUE(fenetre_->FermerDossier());
    EXPECT_EQ(fenetre_->windowTitle(), QStringLiteral("Assistant kvarn"));
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(FenetreOuverte, ANewDossierOpensOnItsGroupAndADirectoryWithoutOneIsRefusedInABox) {
    const std::filesystem::path nouveau = dir_.string() + "-nouveau";
    std::filesystem::remove_all(nouveau);
    session_->Creer({nouveau, "SCI Les Tilleuls", 11, 5, 1, *EncodeDate({2024, 7, 1}), *EncodeDate({2025, 6, 30})});
    ASSERT_TRUE(fenetre_->OuvrirDossier(nouveau, 12));
    EXPECT_EQ(fenetre_->windowTitle(), QStringLiteral("SCI Les Tilleuls – exercice 2025 – Assistant kvarn"));
    EXPECT_EQ(fenetre_->Arbre().SelectableScreens(), (std::vector<int>{6, 7, 8}));
    const host::CDossier& dossier = *session_->Hote().Dossier();
    EXPECT_EQ(dossier.GetFormeJuridique(), 11);
    EXPECT_EQ(dossier.GetCategorie(), 5);
    EXPECT_EQ(dossier.GetRegimeImposition(), 1);
    EXPECT_EQ(dossier.GetDateDebutExercice(), *EncodeDate({2024, 7, 1}));

    EXPECT_FALSE(fenetre_->OuvrirDossier(nouveau / "vide"));
    EXPECT_FALSE(fenetre_->DossierOuvert());
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Erreur);
    EXPECT_EQ(boxes_.shown()[0].texte.rfind("Aucun dossier dans le répertoire", 0), 0u);
}

TEST_F(FenetreOuverte, EntriesRunTheScreensRulesAndEveryWidgetFollows) {
    JournalEssai journal;
    EcranRemplace remplace("TfrmAssocies", journal);
    Ouvrir(1);
    auto* nom = dynamic_cast<QLineEdit*>(Champ("nom"));
    ASSERT_NE(nom, nullptr);
    EXPECT_FALSE(Champ("adresse-telephone")->isEnabled());
    nom->setFocus();
    QTest::keyClicks(nom, "Dup");
    EXPECT_EQ(fenetre_->Vue()->Ecran().GetField("nom").value, "Dup");
    EXPECT_TRUE(Champ("adresse-telephone")->isEnabled());
    EXPECT_TRUE(Champ("adresse-ville")->hasFocus());
    QTest::keyClicks(nom, "ontel-Merignac");  // cut at the field's width
    EXPECT_EQ(nom->text(), QStringLiteral("Dupontel-M"));
    auto* pays = dynamic_cast<QComboBox*>(Champ("adresse-pays"));
    EXPECT_EQ(pays->currentText(), QStringLiteral("France"));
    QTest::keyClicks(pays, "Esp");  // type-ahead in the country list
    EXPECT_EQ(fenetre_->Vue()->Ecran().GetField("adresse-pays").value, "Espagne");
    EXPECT_EQ(Champ("nom")->nextInFocusChain(), Champ("adresse-complement-1"));  // the order of Fields()
}

TEST_F(FenetreOuverte, ARefusedLeaveKeepsTheSelectionAndFocusesTheFieldAnAcceptedOneSavesOnce) {
    JournalEssai journal;
    EcranRemplace remplace("TfrmAssocies", journal);
    Ouvrir(1);
    QTest::keyClicks(Champ("adresse-code-postal"), "7500");
    Champ("nom")->setFocus();
    EXPECT_FALSE(fenetre_->SelectionnerEcran(3));
    EXPECT_EQ(fenetre_->EcranCourant(), 2);
    EXPECT_EQ(WizardTreeCurrent(fenetre_->Arbre()), 2);
    EXPECT_TRUE(Champ("adresse-code-postal")->hasFocus());
    EXPECT_EQ(boxes_.shown().size(), 1u);  // the panel's refusal (its text: the frame's tests)
    EXPECT_EQ(journal.sauvegardes, 0);

    QTest::keyClicks(Champ("adresse-code-postal"), "1");
    QTest::keyClicks(Champ("adresse-ville"), "Paris");
    EXPECT_TRUE(fenetre_->SelectionnerEcran(3));
    EXPECT_EQ(journal.sauvegardes, 1);
    EXPECT_EQ(journal.adresse.CP, "75001");
    EXPECT_EQ(journal.adresse.Ville, "Paris");
    EXPECT_EQ(fenetre_->EcranCourant(), 3);
}

TEST_F(FenetreOuverte, TheTreeFollowsWhatAScreenChangesAndADisabledNodeCannotBeSelected) {
    JournalEssai journal;
    EcranRemplace remplace("TfrmAssocies", journal);
    Ouvrir(1);
    EXPECT_EQ(fenetre_->Arbre().ItemOf(3)->text(0), QStringLiteral("Identité"));
    EXPECT_FALSE(fenetre_->Arbre().ItemOf(4)->flags() & Qt::ItemIsEnabled);
    EXPECT_FALSE(fenetre_->SelectionnerEcran(4));
    fenetre_->Arbre().setCurrentItem(fenetre_->Arbre().ItemOf(4));  // as a click would try
    EXPECT_EQ(fenetre_->EcranCourant(), 2);
    EXPECT_EQ(fenetre_->Arbre().SelectableScreens(), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(journal.sauvegardes, 0);
}

TEST_F(FenetreOuverte, AnExceptionFromAScreenGoesToTheExceptionBoxAndTheWindowGoesOn) {
    JournalEssai journal;
    journal.activationEchoue = true;
    EcranRemplace remplace("TfrmAssocies", journal);
    Ouvrir(1);
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Exception);
    EXPECT_EQ(boxes_.shown()[0].texte, "3010:1 lecture impossible");
    EXPECT_NE(fenetre_->Vue(), nullptr);
    EXPECT_TRUE(fenetre_->SelectionnerEcran(5));
    EXPECT_EQ(journal.sauvegardes, 1);
}

TEST_F(FenetreOuverte, KeyboardMovesBetweenScreensAndBetweenTreeAndScreen) {
    JournalEssai journal;
    EcranRemplace remplace("TfrmAssocies", journal);
    Ouvrir(1);
    fenetre_->Arbre().setFocus();
    QTest::keyClick(&fenetre_->Arbre(), Qt::Key_F6);
    EXPECT_TRUE(Champ("nom")->hasFocus());
    QTest::keyClick(Champ("nom"), Qt::Key_F6);
    EXPECT_TRUE(fenetre_->Arbre().hasFocus());
    QTest::keyClick(&fenetre_->Arbre(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(fenetre_->EcranCourant(), 3);
    QTest::keyClick(&fenetre_->Arbre(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(fenetre_->EcranCourant(), 5);  // 4 is disabled
    QTest::keyClick(&fenetre_->Arbre(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(fenetre_->EcranCourant(), 3);
    QTest::keyClick(&fenetre_->Arbre(), Qt::Key_PageUp, Qt::ControlModifier);
    fenetre_->Arbre().setFocus();
    QTest::keyClick(&fenetre_->Arbre(), Qt::Key_Return);
    EXPECT_TRUE(Champ("nom")->hasFocus());
}

// Runs `action` on the modal dialog the next event loop shows.
void SurLeDialogue(std::function<void(ui::DialogueEcran&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialogue = dynamic_cast<ui::DialogueEcran*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        action(*dialogue);
    });
}

TEST_F(FenetreOuverte, TheRofRequestOpensTheGeneralNumbersScreenWithItsTypeAndFlag) {
    JournalEssai journal;
    EcranRemplace remplace("TfrmNumGeneraux", journal);
    const auto precedent = environment::DefinirOuvreurNumGeneraux(ui::OuvreurNumGenerauxQt());
    Ouvrir(11);
    boxes_.QueueAnswer(true);
    SurLeDialogue([](ui::DialogueEcran& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Numéros généraux"));
        ASSERT_NE(d.Vue(), nullptr);
        d.reject();
    });
    EXPECT_TRUE(SaisirROF(1, false));
    SurLeDialogue([](ui::DialogueEcran& d) {
        QTest::keyClicks(d.Vue()->WidgetOf("adresse-ville"), "Lyon");
        d.accept();
    });
    EXPECT_TRUE(SaisirROF(3, true));
    environment::DefinirOuvreurNumGeneraux(precedent);

    ASSERT_EQ(journal.demandes.size(), 2u);
    EXPECT_EQ(journal.demandes[0].typeRof, 1);
    EXPECT_FALSE(journal.demandes[0].rofObligatoire);
    EXPECT_EQ(journal.demandes[1].typeRof, 3);
    EXPECT_TRUE(journal.demandes[1].rofObligatoire);
    EXPECT_EQ(journal.activations, 2);
    EXPECT_EQ(journal.sauvegardes, 1);  // Annuler saves nothing, OK saves
    EXPECT_EQ(journal.adresse.Ville, "Lyon");
    ASSERT_EQ(boxes_.shown().size(), 2u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Question);
    EXPECT_EQ(boxes_.shown()[1].type, host::TypeBoite::Attention);
}

}  // namespace
}  // namespace kvarn::testing_support
