// The view of a screen: Qt widgets bound to the fields of a Qt-free screen (frame::Screen).
//
// A view builds its widgets and binds each to a field by name, in its constructor:
//     TfrmSiretView::TfrmSiretView(TfrmSiret& s) : ScreenView(s) { Bind(idspN_, "idsp-n"); }
// A line edit sends each keystroke to Screen::Edit, a list the item chosen (an editable list also
// its typed text), a check box "oui" or "non"; a label only shows its field's value; a push button
// runs its action as an entry would and re-reads whether it is enabled and shown. After every
// entry each bound widget re-reads Fields() (value, enabled, visible, read-only, width, choices)
// and the widget of the field the screen asks for gets the focus. Grids show a row model. The
// view adds nothing but presentation: what an entry means is the screen's business, and what the
// screen throws goes to the exception box (guarded.hpp). Tab order follows the order of Fields().
#pragma once

#include "frame/screens/row_model.hpp"
#include "frame/screens/screen.hpp"

#include <QWidget>

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kvarn::ui {

class RowModelAdapter;

class ScreenView : public QWidget {
public:
    explicit ScreenView(frame::Screen& screen, QWidget* parent = nullptr);

    frame::Screen& Ecran() const { return screen_; }

    void Bind(QLineEdit* edit, std::string field);
    void Bind(QComboBox* list, std::string field);
    void Bind(QCheckBox* box, std::string field);
    void Bind(QLabel* label, std::string field);
    void Bind(QTableView* grid, frame::RowModel& rows);
    struct WidgetState {
        bool enabled = true;
        bool visible = true;
    };
    // A widget that follows the screen without a field of its own (a group around fields, a
    // button): `state` is re-read with the fields.
    void Follow(QWidget* widget, std::function<WidgetState()> state);
    // A button beside the fields: `press` runs guarded, then the view refreshes as after an entry.
    void Bind(QPushButton* button, std::function<void()> press, std::function<WidgetState()> state);
    // A label for a bound widget: the field's label with a mnemonic letter not yet taken in this
    // view, the widget as its buddy; it is hidden and shown with the field.
    QLabel* Label(std::string_view field);

    // Every bound widget re-reads the screen's fields (after Activate, after an entry).
    void Refresh();
    // The widget bound to a field, or nullptr.
    QWidget* WidgetOf(std::string_view field) const;
    // The first bound widget the user can type into, in the order of Fields(); nullptr when none.
    QWidget* FirstField() const;
    // Gives the focus to the field's widget, its tab brought forward; false when no shown widget
    // is bound to it.
    bool FocusField(std::string_view field);
    // Called after each entry, once the view is refreshed (the window re-reads the tree).
    void SetAfterEntry(std::function<void()> afterEntry) { afterEntry_ = std::move(afterEntry); }

private:
    struct Binding {
        std::string field;
        QWidget* widget;
        std::function<void(const frame::Field&)> show;
        QLabel* label = nullptr;
    };
    void Add(QWidget* widget, std::string field, std::function<void(const frame::Field&)> show);
    void Entered(const std::string& field, const std::string& text);
    void AfterEntry(bool followFocus);
    void OrderTabs();
    const Binding* Find(std::string_view field) const;

    frame::Screen& screen_;
    std::vector<Binding> bindings_;
    std::vector<RowModelAdapter*> grids_;
    std::vector<std::pair<QWidget*, std::function<WidgetState()>>> followers_;
    std::set<QChar> mnemonics_;
    std::function<void()> afterEntry_;
    bool tabsOrdered_ = false;
};

}  // namespace kvarn::ui
