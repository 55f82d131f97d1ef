// The choice of an outside party in the assistant: a dialog listing the parties of one kind with
// their town and SIRET, a filter over the three, "Choisir" (the default button, or a double click
// on a row) and "Aucun" (also Escape), which chooses none. The program turns the directory's
// parties into rows and the chosen row back into an identifier.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QTableWidget;

namespace kvarn::ui {

struct LigneIntervenant {
    int id = 0;
    std::string nom;
    std::string ville;
    std::string siret;
};

class DialogueIntervenants final : public QDialog {
public:
    DialogueIntervenants(const QString& titre, std::vector<LigneIntervenant> lignes, QWidget* parent = nullptr);

    // Keeps the rows whose name, town or SIRET contains the text, without regard to case.
    void Filtrer(const QString& texte);
    // The identifier of the current row among those shown; 0 when there is none.
    int Choix() const;
    QLineEdit& Filtre() { return *filtre_; }
    QTableWidget& Table() { return *table_; }

private:
    std::vector<LigneIntervenant> lignes_;
    QLineEdit* filtre_;
    QTableWidget* table_;
};

// Runs the dialog; the chosen party's identifier, or 0 for none.
int ChoisirIntervenant(const QString& titre, std::vector<LigneIntervenant> lignes, QWidget* parent);

}  // namespace kvarn::ui
