// The assistant's main window: the wizard's tree beside the screen area, the "Dossier" and
// "Écrans" menus, and the screen cycle.
//
// Opening a dossier (through the program's ServiceDossiers) creates the module's main window
// (TFenMainAssistant::CreateInstance), points its Tag at the two-word block {0, group} and runs
// _Run(0); the tree shows the group's screens and the first one opens. Choosing a group in
// "Écrans" runs _Run(1) then _Run(0) with the new group. Selecting a node, changing group or
// dossier, closing: the current screen's Leave runs first; refused, the selection stays and the
// focus goes to the field it names; accepted, Deactivate saves, then the new screen is created
// (its form class's screen and view), activated and shown under its caption. A form class whose
// view has not landed shows its caption and a notice. After each entry and activation the tree
// re-reads the module's CTree (a screen may enable, disable or rename nodes).
//
// Where a screen throws, the exception box shows it and the window goes on: an Activate that fails
// leaves the screen shown as it is; a Leave or a Deactivate that fails keeps the user on the
// screen, with what was typed, unless the dossier or the window is being closed, which goes on
// (the failure has been shown; keeping the user from ever closing would lose more).
//
// In look-only mode (the capture) leaving a screen neither checks nor saves, and a disabled node
// can be shown too.
//
// Keyboard: F6 moves between the tree and the screen; Ctrl+PgDown / Ctrl+PgUp go to the next /
// previous selectable screen; Enter on a node puts the focus in the screen's first field.
#pragma once

#include "frame/preparation_assistant.hpp"
#include "ui/dossier_service.hpp"

#include <kvarn/assistant.hpp>

#include <QMainWindow>

#include <filesystem>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QScrollArea;

namespace kvarn::frame {
class Screen;
}

namespace kvarn::ui {

class ScreenView;
class WizardTree;

class FenetreAssistant final : public QMainWindow {
public:
    // `groupe`: the group a dossier opened from the menu shows first.
    explicit FenetreAssistant(ServiceDossiers& dossiers, int groupe = 0, QWidget* parent = nullptr);
    ~FenetreAssistant() override;

    // Closes the dossier open, opens that of `repertoire` on `groupe`; false when it is refused
    // (the reason shown) or the current screen cannot be left.
    bool OuvrirDossier(const std::filesystem::path& repertoire, int groupe = 0);
    // False when the current screen refused to be left.
    bool FermerDossier();
    bool ChangerGroupe(int groupe);
    // Shows the node's screen; false when the node cannot be selected or the current screen
    // refused to be left.
    bool SelectionnerEcran(int ecran);
    // Goes to the next (+1) or previous (-1) selectable screen.
    bool EcranVoisin(int sens);
    void SetLookOnly(bool lookOnly) { lookOnly_ = lookOnly; }

    bool DossierOuvert() const { return module_ != nullptr; }
    int Groupe() const { return bloc_.groupeEcrans; }
    int EcranCourant() const { return courant_; }
    // The view shown, or nullptr (no dossier, or the notice of a screen not available); Page() is
    // what the screen area holds: the view's page, or the notice.
    ScreenView* Vue() const { return vue_; }
    QString TitreEcran() const;
    QWidget* Page() const;
    WizardTree& Arbre() const { return *arbre_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConstruireMenus();
    void CocherGroupe();
    void ConstruireRaccourcis();
    bool QuitterEcran(bool fermeture);
    void Montrer(int ecran);
    // Deletes the page shown (the view before its screen), then shows `page` (none when null).
    void Remplacer(QWidget* page);
    void PreparerGroupe(int groupe);
    void ApresChangement();
    void MettreAJourTitre();
    void DemanderNouveauDossier();
    void DemanderOuvrirDossier();
    void BasculerFocus();
    void FocusPremierChamp();

    ServiceDossiers& dossiers_;
    WizardTree* arbre_;
    QLabel* titre_;
    QScrollArea* zone_;
    QActionGroup* groupes_ = nullptr;
    QAction* fermer_ = nullptr;
    std::unique_ptr<TFenMainAssistant> module_;
    frame::BlocParametres bloc_{0, 0};
    std::unique_ptr<frame::Screen> ecran_;
    ScreenView* vue_ = nullptr;  // on the page of the screen area, which owns it
    int courant_ = 0;
    bool lookOnly_ = false;
};

}  // namespace kvarn::ui
