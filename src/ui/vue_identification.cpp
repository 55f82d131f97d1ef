#include "ui/vue_identification.hpp"

#include "frame/screens/address_panel.hpp"
#include "identification/screens/sources_associes.hpp"
#include "ui/address_panel_widget.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kvarn::ui {

VueIdentification::VueIdentification(identification::EcranIdentification& ecran) : ScreenView(ecran), ecran_(ecran) {}

QLineEdit* VueIdentification::Saisie(const std::string& champ) {
    auto* saisie = new QLineEdit(this);
    Bind(saisie, champ);
    return saisie;
}

QCheckBox* VueIdentification::Case(const std::string& champ) {
    auto* coche = new QCheckBox(QString::fromStdString(Ecran().GetField(champ).label), this);
    Bind(coche, champ);
    return coche;
}

QComboBox* VueIdentification::Liste(const std::string& champ, bool editable) {
    auto* liste = new QComboBox(this);
    liste->setEditable(editable);
    liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Bind(liste, champ);
    return liste;
}

QPushButton* VueIdentification::Bouton(const std::string& nom) {
    auto* bouton = new QPushButton(QString::fromStdString(ecran_.GetBouton(nom).label), this);
    bouton->setAutoDefault(false);
    Bind(
        bouton, [this, nom] { ecran_.Appuyer(nom); },
        [this, nom] {
            const identification::Bouton& b = ecran_.GetBouton(nom);
            return WidgetState{b.enabled, b.visible};
        });
    return bouton;
}

QWidget* VueIdentification::Groupes(const identification::GroupesSiret& groupes) {
    auto* rangee = new QWidget(this);
    auto* disposition = new QHBoxLayout(rangee);
    disposition->setContentsMargins(0, 0, 0, 0);
    for (const std::string& nom : groupes.Noms()) {
        auto* saisie = new QLineEdit(rangee);
        Bind(saisie, nom);
        disposition->addWidget(saisie);
    }
    disposition->addStretch(1);
    const std::string premier = groupes.Noms().front();
    Follow(rangee, [this, premier] { return WidgetState{true, Ecran().GetField(premier).visible}; });
    return rangee;
}

void VueIdentification::Ligne(QFormLayout* form, const std::string& champ, QWidget* widget, QWidget* apres) {
    if (!apres) {
        form->addRow(Label(champ), widget);
        return;
    }
    auto* rangee = new QHBoxLayout;
    rangee->addWidget(widget, 1);
    rangee->addWidget(apres);
    form->addRow(Label(champ), rangee);
}

void VueIdentification::Lignes(QFormLayout* form, const std::vector<std::string>& champs) {
    for (const std::string& champ : champs) Ligne(form, champ, Saisie(champ));
}

QGroupBox* VueIdentification::Groupe(const QString& titre, const std::string& temoin, QFormLayout*& form) {
    auto* groupe = new QGroupBox(titre, this);
    form = new QFormLayout(groupe);
    Follow(groupe, [this, temoin] { return WidgetState{true, Ecran().GetField(temoin).visible}; });
    return groupe;
}

QGroupBox* VueIdentification::Destinataire() {
    QFormLayout* form = nullptr;
    QGroupBox* groupe = Groupe(QStringLiteral("Destinataire si différent de la société"), "nom-destinataire", form);
    Lignes(form, {"nom-destinataire"});
    form->addRow(Adresse(QStringLiteral("Adresse"), "destinataire-"));
    return groupe;
}

void VueIdentification::LigneFRP(QFormLayout* form) {
    auto* frp = new QHBoxLayout;
    for (const char* champ : {"frp-sie", "frp-dossier", "frp-cle"}) {
        QLineEdit* saisie = Saisie(champ);
        frp->addWidget(Label(champ));
        frp->addWidget(saisie);
    }
    frp->addStretch(1);
    form->addRow(QStringLiteral("N° FRP :"), frp);
}

QFormLayout* VueIdentification::LigneAssocie() {
    auto* form = new QFormLayout;
    Ligne(form, identification::kChampAssocie, Saisie(identification::kChampAssocie));
    return form;
}

QWidget* VueIdentification::Adresse(const QString& titre, const std::string& prefixe) {
    const frame::AddressPanel panneau(prefixe);
    auto* widget = new AddressPanelWidget(titre, panneau, *this, this);
    const std::string voie = panneau.Name("voie");
    Follow(widget, [this, voie] { return WidgetState{true, Ecran().GetField(voie).visible}; });
    return widget;
}

}  // namespace kvarn::ui
