#include "ui/new_dossier_dialog.hpp"

#include "common/dates.hpp"
#include "host/boites.hpp"
#include "host/formes_juridiques.hpp"
#include "host/regimes.hpp"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kvarn::ui {
namespace {

QComboBox* Liste(const host::ListeChoix& liste, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const auto& element : liste.elements) combo->addItem(QString::fromStdString(element.texte), element.objet);
    combo->setCurrentIndex(liste.selection);
    return combo;
}

QDateEdit* Date(int annee, int mois, int jour, QWidget* parent) {
    auto* date = new QDateEdit(QDate(annee, mois, jour), parent);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date->setCalendarPopup(true);
    return date;
}

double JourDe(const QDate& date) { return EncodeDate({date.year(), date.month(), date.day()}).value_or(0); }

}  // namespace

DialogueNouveauDossier::DialogueNouveauDossier(double aujourdhui, QWidget* parent)
    : QDialog(parent), repertoire_(new QLineEdit(this)), raisonSociale_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Nouveau dossier"));
    host::ListeChoix formes, categories, regimes;
    host::cFormeJuridique::AffecterComboBox(formes, true, true, 0);
    host::cCategoriesImposition::AffecterComboBox(categories, host::CI_BIC);
    for (const host::CodeLibelle& r : host::cRegimesImposition::Liste()) regimes.elements.push_back({r.libelle, r.code});
    regimes.selection = regimes.IndexDeObjet(host::RI_IS);
    forme_ = Liste(formes, this);
    categorie_ = Liste(categories, this);
    regime_ = Liste(regimes, this);
    const int annee = DecodeDate(aujourdhui).year;
    debut_ = Date(annee, 1, 1, this);
    fin_ = Date(annee, 12, 31, this);

    auto* parcourir = new QPushButton(QStringLiteral("&Parcourir…"), this);
    connect(parcourir, &QPushButton::clicked, this, [this] {
        const QString choisi = QFileDialog::getExistingDirectory(this, QStringLiteral("Répertoire du nouveau dossier"));
        if (!choisi.isEmpty()) repertoire_->setText(choisi);
    });
    auto* ligneRepertoire = new QHBoxLayout;
    ligneRepertoire->addWidget(repertoire_);
    ligneRepertoire->addWidget(parcourir);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("&Répertoire :"), ligneRepertoire);
    formulaire->addRow(QStringLiteral("Raison &sociale :"), raisonSociale_);
    formulaire->addRow(QStringLiteral("&Forme juridique :"), forme_);
    formulaire->addRow(QStringLiteral("&Catégorie d'imposition :"), categorie_);
    formulaire->addRow(QStringLiteral("Régime d'&imposition :"), regime_);
    formulaire->addRow(QStringLiteral("&Début de l'exercice :"), debut_);
    formulaire->addRow(QStringLiteral("Fi&n de l'exercice :"), fin_);

    auto* boutons = new QDialogButtonBox(this);
    boutons->addButton(QStringLiteral("Cré&er"), QDialogButtonBox::AcceptRole)->setDefault(true);
    boutons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    connect(boutons, &QDialogButtonBox::accepted, this, &DialogueNouveauDossier::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(formulaire);
    disposition->addWidget(boutons);
}

NouveauDossier DialogueNouveauDossier::Valeurs() const {
    return {repertoire_->text().trimmed().toStdString(), raisonSociale_->text().trimmed().toStdString(),
            forme_->currentData().toInt(),  categorie_->currentData().toInt(),
            regime_->currentData().toInt(),  JourDe(debut_->date()),
            JourDe(fin_->date())};
}

void DialogueNouveauDossier::accept() {
    const NouveauDossier v = Valeurs();
    if (v.repertoire.empty()) {
        host::ZORAttention("Indiquez le répertoire du nouveau dossier.");
        repertoire_->setFocus();
    } else if (v.raisonSociale.empty()) {
        host::ZORAttention("Indiquez la raison sociale du dossier.");
        raisonSociale_->setFocus();
    } else if (v.finExercice < v.debutExercice) {
        host::ZORAttention("La fin de l'exercice précède son début.");
        fin_->setFocus();
    } else {
        QDialog::accept();
    }
}

}  // namespace kvarn::ui
