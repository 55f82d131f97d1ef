#include "ui/screen_view.hpp"

#include "ui/guarded.hpp"
#include "ui/mnemonics.hpp"
#include "ui/row_model_adapter.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>

namespace kvarn::ui {
namespace {

constexpr const char* kOui = "oui";
constexpr const char* kNon = "non";
constexpr int kLargeurCourte = 20;
constexpr int kMargesSaisie = 8;  // the entry's frame and inner margins, in pixels

QString Texte(const std::string& texte) { return QString::fromStdString(texte); }

}  // namespace

ScreenView::ScreenView(frame::Screen& screen, QWidget* parent) : QWidget(parent), screen_(screen) {}

void ScreenView::Add(QWidget* widget, std::string field, std::function<void(const frame::Field&)> show) {
    bindings_.push_back({std::move(field), widget, std::move(show)});
}

void ScreenView::Bind(QLineEdit* edit, std::string field) {
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& texte) { Entered(field, texte.toStdString()); });
    Add(edit, std::move(field), [edit](const frame::Field& f) {
        edit->setMaxLength(f.width > 0 ? f.width : 32767);
        // A short entry is drawn to its width rather than across the whole screen.
        // Digits and capitals are wider than the font's average character: a full entry of
        // them must show whole.
        if (f.width > 0 && f.width <= kLargeurCourte) {
            const QFontMetrics mesure = edit->fontMetrics();
            const int caractere = std::max(mesure.averageCharWidth(), mesure.horizontalAdvance(QLatin1Char('0')));
            edit->setMaximumWidth(caractere * (f.width + 3) + kMargesSaisie);
        }
        if (const QString valeur = Texte(f.value); edit->text() != valeur) {
            const int curseur = edit->cursorPosition();
            edit->setText(valeur);
            edit->setCursorPosition(std::min(curseur, static_cast<int>(valeur.size())));
        }
        edit->setReadOnly(f.readOnly);
        edit->setEnabled(f.enabled);
    });
}

void ScreenView::Bind(QComboBox* list, std::string field) {
    connect(list, &QComboBox::activated, this, [this, list, field](int index) { Entered(field, list->itemText(index).toStdString()); });
    if (list->isEditable())
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, field](const QString& texte) { Entered(field, texte.toStdString()); });
    Add(list, std::move(field), [list](const frame::Field& f) {
        QStringList choix;
        for (const std::string& c : f.choices) choix << Texte(c);
        QStringList presents;
        for (int i = 0; i < list->count(); ++i) presents << list->itemText(i);
        if (choix != presents) {
            list->clear();
            list->addItems(choix);
        }
        if (list->isEditable()) {
            if (list->currentText() != Texte(f.value)) list->setEditText(Texte(f.value));
        } else {
            list->setCurrentIndex(list->findText(Texte(f.value)));
        }
        list->setEnabled(f.enabled && !f.readOnly);
    });
}

void ScreenView::Bind(QCheckBox* box, std::string field) {
    connect(box, &QCheckBox::clicked, this, [this, field](bool coche) { Entered(field, coche ? kOui : kNon); });
    Add(box, std::move(field), [box](const frame::Field& f) {
        box->setChecked(f.value == kOui);
        box->setEnabled(f.enabled && !f.readOnly);
    });
}

void ScreenView::Bind(QLabel* label, std::string field) {
    Add(label, std::move(field), [label](const frame::Field& f) {
        label->setText(Texte(f.value));
        label->setEnabled(f.enabled);
    });
}

void ScreenView::Bind(QTableView* grid, frame::RowModel& rows) {
    auto* adapter = new RowModelAdapter(rows, [this] { AfterEntry(false); }, grid);
    grid->setModel(adapter);
    grids_.push_back(adapter);
}

void ScreenView::Follow(QWidget* widget, std::function<WidgetState()> state) {
    followers_.emplace_back(widget, std::move(state));
}

void ScreenView::Bind(QPushButton* button, std::function<void()> press, std::function<WidgetState()> state) {
    connect(button, &QPushButton::clicked, this, [this, press = std::move(press)] {
        Guarded(kSaisirChamp, press);
        AfterEntry(true);
    });
    Follow(button, std::move(state));
}

QLabel* ScreenView::Label(std::string_view field) {
    const auto found = std::find_if(bindings_.begin(), bindings_.end(), [&](const Binding& b) { return b.field == field; });
    if (found == bindings_.end()) return nullptr;
    if (!found->label) found->label = new QLabel(this);
    found->label->setText(WithMnemonic(Texte(screen_.GetField(field).label), mnemonics_));
    found->label->setBuddy(found->widget);
    return found->label;
}

void ScreenView::Refresh() {
    for (const Binding& b : bindings_) {
        const frame::Field& f = screen_.GetField(b.field);
        b.show(f);
        b.widget->setHidden(!f.visible);
        if (b.label) {
            b.label->setHidden(!f.visible);
            b.label->setEnabled(f.enabled);
        }
    }
    for (RowModelAdapter* grid : grids_) grid->Refresh();
    for (const auto& [widget, state] : followers_) {
        const WidgetState now = state();
        widget->setEnabled(now.enabled);
        widget->setHidden(!now.visible);
    }
    if (!tabsOrdered_) OrderTabs();
}

void ScreenView::OrderTabs() {
    tabsOrdered_ = true;
    QWidget* precedent = nullptr;
    for (const frame::Field& f : screen_.Fields()) {
        const Binding* b = Find(f.name);
        if (!b || b->widget->focusPolicy() == Qt::NoFocus) continue;
        if (precedent) setTabOrder(precedent, b->widget);
        precedent = b->widget;
    }
}

const ScreenView::Binding* ScreenView::Find(std::string_view field) const {
    const auto found = std::find_if(bindings_.begin(), bindings_.end(), [&](const Binding& b) { return b.field == field; });
    return found == bindings_.end() ? nullptr : &*found;
}

QWidget* ScreenView::WidgetOf(std::string_view field) const {
    const Binding* b = Find(field);
    return b ? b->widget : nullptr;
}

QWidget* ScreenView::FirstField() const {
    for (const frame::Field& f : screen_.Fields()) {
        const Binding* b = Find(f.name);
        if (b && f.visible && f.enabled && !f.readOnly && b->widget->focusPolicy() != Qt::NoFocus) return b->widget;
    }
    return nullptr;
}

bool ScreenView::FocusField(std::string_view field) {
    QWidget* widget = WidgetOf(field);
    if (!widget) return false;
    // A field on a tab not in front brings its tab forward first.
    for (QWidget* w = widget; w && w != this; w = w->parentWidget())
        if (auto* pile = qobject_cast<QStackedWidget*>(w->parentWidget()))
            if (auto* onglets = qobject_cast<QTabWidget*>(pile->parentWidget())) onglets->setCurrentWidget(w);
    if (!widget->isEnabled() || !widget->isVisibleTo(this)) return false;
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

void ScreenView::Entered(const std::string& field, const std::string& text) {
    Guarded(kSaisirChamp, [&] { screen_.Edit(field, text); });
    AfterEntry(true);
}

void ScreenView::AfterEntry(bool followFocus) {
    Guarded(kSaisirChamp, [this] { Refresh(); });
    if (followFocus && !screen_.Focus().empty()) FocusField(screen_.Focus());
    if (afterEntry_) afterEntry_();
}

}  // namespace kvarn::ui
