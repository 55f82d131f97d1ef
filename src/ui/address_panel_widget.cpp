#include "ui/address_panel_widget.hpp"

#include "ui/country_selector.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kvarn::ui {
namespace {

// Where each member goes: its row, its label's column (the entry follows it) and the columns the
// entry spans, on a grid of two label-and-entry pairs.
struct Place {
    const char* member;
    int row, column, span;
};
constexpr Place kPlaces[] = {
    {"complement-1", 0, 0, 3},      {"complement-2", 1, 0, 3}, {"numero-voie", 2, 0, 1},
    {"indice-repetition", 2, 2, 1}, {"voie", 3, 0, 3},        {"bp", 4, 0, 1},
    {"code-postal", 4, 2, 1},       {"ville", 5, 0, 3},        {"pays", 6, 0, 1},
    {"telephone", 6, 2, 1},
};

}  // namespace

AddressPanelWidget::AddressPanelWidget(const QString& title, const frame::AddressPanel& panel, ScreenView& view,
                                       QWidget* parent)
    : QGroupBox(title, parent) {
    auto* grille = new QGridLayout(this);
    for (const Place& p : kPlaces) {
        const std::string nom = panel.Name(p.member);
        QWidget* saisie;
        if (nom == panel.Name("pays")) {
            auto* pays = new SelecteurPays(PAYS_FRANCE, this);
            view.Bind(pays, nom);
            saisie = pays;
        } else {
            auto* ligne = new QLineEdit(this);
            view.Bind(ligne, nom);
            saisie = ligne;
        }
        grille->addWidget(view.Label(nom), p.row, p.column);
        grille->addWidget(saisie, p.row, p.column + 1, 1, p.span);
    }
    grille->setColumnStretch(3, 1);
}

}  // namespace kvarn::ui
