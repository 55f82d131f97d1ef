// The "Nouveau dossier" dialog: the directory, the company name, the legal form, the tax
// category, the imposition regime and the financial year. "Créer" (the default button) refuses,
// in a box, an empty directory or name and a year that ends before it starts; the program then
// creates the dossier from Valeurs().
#pragma once

#include "ui/dossier_service.hpp"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace kvarn::ui {

class DialogueNouveauDossier final : public QDialog {
public:
    // The financial year offered is the calendar year of `aujourdhui` (a day count).
    DialogueNouveauDossier(double aujourdhui, QWidget* parent = nullptr);

    NouveauDossier Valeurs() const;
    void accept() override;

private:
    QLineEdit* repertoire_;
    QLineEdit* raisonSociale_;
    QComboBox* forme_;
    QComboBox* categorie_;
    QComboBox* regime_;
    QDateEdit* debut_;
    QDateEdit* fin_;
};

}  // namespace kvarn::ui
