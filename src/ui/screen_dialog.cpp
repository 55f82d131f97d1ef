#include "ui/screen_dialog.hpp"

#include "ui/guarded.hpp"
#include "ui/screen_cycle.hpp"
#include "ui/view_registry.hpp"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvarn::ui {

DialogueEcran::DialogueEcran(const std::string& formClass, const frame::ScreenRequest& request, const QString& caption,
                             QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* disposition = new QVBoxLayout(this);
    Guarded(kCreerEcran, [&] {
        screen_ = frame::CreateScreen(formClass, request);
        if (screen_) view_ = CreateView(formClass, *screen_).release();
    });
    auto* boutons = new QDialogButtonBox(this);
    if (view_) {
        disposition->addWidget(view_);
        boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
        boutons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
        ActivateScreen(*screen_, *view_);
    } else {
        screen_.reset();
        disposition->addWidget(new QLabel(QString::fromUtf8(kEcranIndisponible), this));
        boutons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole)->setDefault(true);
    }
    disposition->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &DialogueEcran::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

DialogueEcran::~DialogueEcran() {
    delete view_;  // the view holds the screen: it goes first
}

void DialogueEcran::accept() {
    if (!screen_ || LeaveAndSave(*screen_, *view_) == Departure::Saved) QDialog::accept();
}

bool ExecuterEcran(const std::string& formClass, const frame::ScreenRequest& request, const QString& caption,
                   QWidget* parent) {
    DialogueEcran dialogue(formClass, request, caption, parent ? parent : QApplication::activeWindow());
    return dialogue.exec() == QDialog::Accepted;
}

environment::OuvreurNumGeneraux OuvreurNumGenerauxQt() {
    return [](int typeRof, bool obligatoire) {
        ExecuterEcran("TfrmNumGeneraux", {typeRof, obligatoire}, QStringLiteral("Numéros généraux"), nullptr);
    };
}

}  // namespace kvarn::ui
