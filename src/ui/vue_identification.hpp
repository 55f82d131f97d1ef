// What the views of the identification screens share: widgets made and bound to a field in one
// call, the screen's buttons as push buttons, a grouped SIRET as one row of four entries, a form
// of labelled rows, and a group box that is hidden with the fields it holds.
//
// Each view of src/ui/vue_*.cpp lays its screen out with these and registers itself under its
// form class; what an entry or a button means stays the screen's (src/identification/screens).
#pragma once

#include "identification/screens/ecran_identification.hpp"
#include "identification/screens/groupes_siret.hpp"
#include "ui/screen_view.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvarn::ui {

class VueIdentification : public ScreenView {
public:
    explicit VueIdentification(identification::EcranIdentification& ecran);

protected:
    identification::EcranIdentification& EcranId() const { return ecran_; }

    QLineEdit* Saisie(const std::string& champ);
    // Shows its field's label as its own text.
    QCheckBox* Case(const std::string& champ);
    // An editable list also takes any text typed.
    QComboBox* Liste(const std::string& champ, bool editable = false);
    QPushButton* Bouton(const std::string& nom);
    // The four entries of a grouped SIRET side by side, in a widget with no margin.
    QWidget* Groupes(const identification::GroupesSiret& groupes);

    // A row of `form`: the field's label, then `widget` (made by the calls above) and, after it
    // on the same line, `apres` (a button, for instance).
    void Ligne(QFormLayout* form, const std::string& champ, QWidget* widget, QWidget* apres = nullptr);
    // A row per field, each an entry.
    void Lignes(QFormLayout* form, const std::vector<std::string>& champs);
    // A group box around a form, hidden while the field `temoin` is.
    QGroupBox* Groupe(const QString& titre, const std::string& temoin, QFormLayout*& form);
    // The recipient when it is not the company (destinataire_different.hpp): its name and address.
    QGroupBox* Destinataire();
    // The FRP number's three parts (SIE, file number, key) on one row.
    void LigneFRP(QFormLayout* form);
    // The associates' variants' row naming the associate (sources_associes.hpp), hidden elsewhere.
    QFormLayout* LigneAssocie();
    // An address panel's widgets (address_panel_widget.hpp), hidden while its street is.
    QWidget* Adresse(const QString& titre, const std::string& prefixe);

private:
    identification::EcranIdentification& ecran_;
};

}  // namespace kvarn::ui
