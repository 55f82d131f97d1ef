#include "ui/party_dialog.hpp"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvarn::ui {

DialogueIntervenants::DialogueIntervenants(const QString& titre, std::vector<LigneIntervenant> lignes, QWidget* parent)
    : QDialog(parent), lignes_(std::move(lignes)), filtre_(new QLineEdit(this)), table_(new QTableWidget(this)) {
    setWindowTitle(titre);
    auto* etiquette = new QLabel(QStringLiteral("&Rechercher :"), this);
    etiquette->setBuddy(filtre_);
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({QStringLiteral("Nom"), QStringLiteral("Ville"), QStringLiteral("SIRET")});
    table_->setRowCount(static_cast<int>(lignes_.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const LigneIntervenant& l = lignes_[static_cast<std::size_t>(r)];
        int c = 0;
        for (const std::string* texte : {&l.nom, &l.ville, &l.siret})
            table_->setItem(r, c++, new QTableWidgetItem(QString::fromStdString(*texte)));
    }
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    if (table_->rowCount() > 0) table_->setCurrentCell(0, 0);

    auto* boutons = new QDialogButtonBox(this);
    boutons->addButton(QStringLiteral("&Choisir"), QDialogButtonBox::AcceptRole)->setDefault(true);
    boutons->addButton(QStringLiteral("&Aucun"), QDialogButtonBox::RejectRole);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(filtre_, &QLineEdit::textChanged, this, [this](const QString& texte) { Filtrer(texte); });

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(etiquette);
    disposition->addWidget(filtre_);
    disposition->addWidget(table_);
    disposition->addWidget(boutons);
    resize(560, 360);
}

void DialogueIntervenants::Filtrer(const QString& texte) {
    int premiere = -1;
    for (int r = 0; r < table_->rowCount(); ++r) {
        bool garde = texte.isEmpty();
        for (int c = 0; c < table_->columnCount() && !garde; ++c)
            garde = table_->item(r, c)->text().contains(texte, Qt::CaseInsensitive);
        table_->setRowHidden(r, !garde);
        if (garde && premiere < 0) premiere = r;
    }
    if (premiere < 0) table_->setCurrentCell(-1, -1);
    else if (table_->currentRow() < 0 || table_->isRowHidden(table_->currentRow())) table_->setCurrentCell(premiere, 0);
}

int DialogueIntervenants::Choix() const {
    const int r = table_->currentRow();
    return r < 0 || table_->isRowHidden(r) ? 0 : lignes_[static_cast<std::size_t>(r)].id;
}

int ChoisirIntervenant(const QString& titre, std::vector<LigneIntervenant> lignes, QWidget* parent) {
    DialogueIntervenants dialogue(titre, std::move(lignes), parent ? parent : QApplication::activeWindow());
    return dialogue.exec() == QDialog::Accepted ? dialogue.Choix() : 0;
}

}  // namespace kvarn::ui
