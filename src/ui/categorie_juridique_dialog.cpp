#include "ui/categorie_juridique_dialog.hpp"

#include "ui/guarded.hpp"
#include "ui/screen_cycle.hpp"
#include "ui/screen_view.hpp"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvarn::ui {
namespace {

constexpr const char* kChamp = "categorie";

// `item` (already in the tree) shows `noeud`'s label and keeps its code; its children follow.
void Remplir(QTreeWidgetItem* item, const identification::NoeudCategorie& noeud) {
    item->setText(0, QString::fromStdString(noeud.ligne->libelle));
    item->setData(0, Qt::UserRole, QString::fromStdString(noeud.ligne->code));
    for (const auto& enfant : noeud.enfants) Remplir(new QTreeWidgetItem(item), enfant);
    item->setExpanded(noeud.deploye);
}

QTreeWidgetItem* Chercher(QTreeWidgetItem* item, const QString& code) {
    if (item->data(0, Qt::UserRole).toString() == code) return item;
    for (int i = 0; i < item->childCount(); ++i)
        if (QTreeWidgetItem* trouve = Chercher(item->child(i), code)) return trouve;
    return nullptr;
}

// The tree shows the picker's one field: the selected node is that of its code.
class VueCategorieJuridique final : public ScreenView {
public:
    VueCategorieJuridique(identification::TfrmCategorieJuridique& picker, QTreeWidget* arbre, QWidget* parent)
        : ScreenView(picker, parent), arbre_(arbre) {
        arbre_->setHeaderHidden(true);
        arbre_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (const auto& racine : picker.Arbre()) Remplir(new QTreeWidgetItem(arbre_), racine);
        connect(arbre_, &QTreeWidget::currentItemChanged, this, [this, &picker](QTreeWidgetItem* item) {
            if (suivre_) return;
            const std::string code = item ? item->data(0, Qt::UserRole).toString().toStdString() : std::string();
            Guarded(kSaisirChamp, [&] { picker.Edit(kChamp, code); });
        });
        auto* colonne = new QVBoxLayout(this);
        colonne->setContentsMargins(0, 0, 0, 0);
        colonne->addWidget(arbre_);
    }

    // After the picker's activation: its code's node becomes the current one.
    void Montrer() {
        const QString code = QString::fromStdString(Ecran().GetField(kChamp).value);
        QTreeWidgetItem* trouve = nullptr;
        for (int i = 0; i < arbre_->topLevelItemCount() && !trouve; ++i) trouve = Chercher(arbre_->topLevelItem(i), code);
        suivre_ = true;
        arbre_->setCurrentItem(trouve);
        suivre_ = false;
        if (trouve) arbre_->scrollToItem(trouve, QAbstractItemView::PositionAtCenter);
    }

private:
    QTreeWidget* arbre_;
    bool suivre_ = false;
};

}  // namespace

DialogueCategorieJuridique::DialogueCategorieJuridique(identification::EchangeCategorieJuridique& echange,
                                                       QWidget* parent)
    : QDialog(parent), picker_(echange), arbre_(new QTreeWidget) {
    setWindowTitle(QStringLiteral("Catégorie juridique"));
    resize(620, 520);
    auto* vue = new VueCategorieJuridique(picker_, arbre_, this);
    vue_ = vue;
    auto* boutons = new QDialogButtonBox(this);
    boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    boutons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    connect(boutons, &QDialogButtonBox::accepted, this, &DialogueCategorieJuridique::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(vue);
    colonne->addWidget(boutons);
    ActivateScreen(picker_, *vue);
    vue->Montrer();
    arbre_->setFocus();
}

DialogueCategorieJuridique::~DialogueCategorieJuridique() {
    delete vue_;  // the view holds the picker: it goes first
}

void DialogueCategorieJuridique::accept() {
    if (LeaveAndSave(picker_, *vue_) == Departure::Saved) QDialog::accept();
}

bool ChoisirCategorieJuridique(identification::EchangeCategorieJuridique& echange, QWidget* parent) {
    DialogueCategorieJuridique dialogue(echange, parent);
    return dialogue.exec() == QDialog::Accepted;
}

}  // namespace kvarn::ui
