#include "ui/progress_bar.hpp"

#include <QApplication>
#include <QProgressDialog>

#include <algorithm>
#include <climits>

namespace kvarn::ui {

BarreQt::BarreQt(const std::string& texte)
    : dialogue_(std::make_unique<QProgressDialog>(QApplication::activeWindow())) {
    dialogue_->setWindowTitle(QStringLiteral("Traitement en cours"));
    dialogue_->setWindowModality(Qt::WindowModal);
    dialogue_->setCancelButton(nullptr);
    dialogue_->setAutoClose(false);
    dialogue_->setAutoReset(false);
    dialogue_->setMinimumDuration(0);
    dialogue_->setRange(0, 0);  // busy until the task says how far it goes
    dialogue_->setLabelText(QString::fromStdString(texte));
    dialogue_->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BarreQt::~BarreQt() = default;

void BarreQt::SetTexte(const std::string& texte) {
    dialogue_->setLabelText(QString::fromStdString(texte));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BarreQt::SetMax(long maximum) { dialogue_->setMaximum(static_cast<int>(std::clamp(maximum, 0L, long{INT_MAX}))); }

// QProgressDialog repaints a modal dialog from setValue itself.
void BarreQt::SetPosition(long position) {
    dialogue_->setValue(static_cast<int>(std::clamp(position, 0L, long{dialogue_->maximum()})));
}

void BarreQt::Avancer() { SetPosition(dialogue_->value() + 1L); }

std::unique_ptr<host::CBarre> OuvrirBarreQt(const std::string& texte) { return std::make_unique<BarreQt>(texte); }

}  // namespace kvarn::ui
