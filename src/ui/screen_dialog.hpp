// A screen run in a modal dialog, outside the wizard's tree: the screen registered for a form
// class, created with what the caller asks of it (frame::ScreenRequest), activated on opening.
// "OK" (the default button) leaves the screen and saves it, and stays open when a check refuses;
// "Annuler" (also Escape) closes without saving. A form class without a screen or a view shows
// the notice that the screen is not available in this version.
//
// The ROF request of the standing-data accessors opens the general-numbers screen this way: the
// assistant installs OuvreurNumGenerauxQt as the environment's opener at start-up.
#pragma once

#include "environment/ouvreur_num_generaux.hpp"
#include "frame/screens/screen_registry.hpp"

#include <QDialog>

#include <memory>
#include <string>

namespace kvarn::ui {

class ScreenView;

inline constexpr const char* kEcranIndisponible = "Écran non disponible dans cette version.";

class DialogueEcran final : public QDialog {
public:
    DialogueEcran(const std::string& formClass, const frame::ScreenRequest& request, const QString& caption,
                  QWidget* parent = nullptr);
    ~DialogueEcran() override;

    frame::Screen* Ecran() const { return screen_.get(); }
    ScreenView* Vue() const { return view_; }
    void accept() override;

private:
    std::unique_ptr<frame::Screen> screen_;
    ScreenView* view_ = nullptr;  // owned by the dialog's widgets, deleted before the screen
};

// Runs the dialog; true when the screen was saved.
bool ExecuterEcran(const std::string& formClass, const frame::ScreenRequest& request, const QString& caption,
                   QWidget* parent);

// The opener of the general-numbers screen for the ROF request, over the active window.
environment::OuvreurNumGeneraux OuvreurNumGenerauxQt();

}  // namespace kvarn::ui
