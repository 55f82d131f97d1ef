// The host's progress window in the assistant: one window-modal progress dialog per CBarre, over
// the active window, shown at once and repainted at each step (the module works on the window's
// thread, so the dialog is painted from inside SetPosition). The module cannot cancel a task, so
// the dialog has no cancel button; it closes when the CBarre goes.
#pragma once

#include "host/barre.hpp"

#include <memory>
#include <string>

class QProgressDialog;

namespace kvarn::ui {

class BarreQt final : public host::CBarre {
public:
    explicit BarreQt(const std::string& texte);
    ~BarreQt() override;

    void SetTexte(const std::string& texte) override;
    void SetMax(long maximum) override;
    void SetPosition(long position) override;
    void Avancer() override;

    QProgressDialog& Dialogue() { return *dialogue_; }

private:
    std::unique_ptr<QProgressDialog> dialogue_;
};

// The factory the assistant gives the standalone host (HostOptions::barres).
std::unique_ptr<host::CBarre> OuvrirBarreQt(const std::string& texte);

}  // namespace kvarn::ui
