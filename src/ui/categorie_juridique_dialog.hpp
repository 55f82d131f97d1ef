// The legal-category picker's view: TfrmCategorieJuridique in a modal dialog, its nomenclature
// as a read-only tree of labels, wholly expanded, the current code's node selected and in view.
// Selecting a node enters its code into the picker; "OK" (the default button, also Enter) runs
// the picker's checks, whose messages keep the dialog open, then hands the choice back; "Annuler"
// and Escape close it without a choice.
#pragma once

#include "identification/screens/categorie_juridique_picker.hpp"

#include <QDialog>

#include <memory>

class QTreeWidget;

namespace kvarn::ui {

class ScreenView;

class DialogueCategorieJuridique final : public QDialog {
public:
    DialogueCategorieJuridique(identification::EchangeCategorieJuridique& echange, QWidget* parent = nullptr);
    ~DialogueCategorieJuridique() override;

    QTreeWidget* Arbre() const { return arbre_; }
    void accept() override;

private:
    identification::TfrmCategorieJuridique picker_;
    ScreenView* vue_;
    QTreeWidget* arbre_;
};

// Runs the dialog over `echange`; true, the exchange holding the chosen code and label, on OK.
bool ChoisirCategorieJuridique(identification::EchangeCategorieJuridique& echange, QWidget* parent);

}  // namespace kvarn::ui
