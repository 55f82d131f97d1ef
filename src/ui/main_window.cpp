#include "ui/main_window.hpp"

#include "common/clock.hpp"
#include "common/dates.hpp"
#include "frame/screens/screen_registry.hpp"
#include "host/boites.hpp"
#include "host/host.hpp"
#include "ui/guarded.hpp"
#include "ui/mnemonics.hpp"
#include "ui/new_dossier_dialog.hpp"
#include "ui/screen_cycle.hpp"
#include "ui/screen_dialog.hpp"
#include "ui/view_registry.hpp"
#include "ui/wizard_tree.hpp"

#include <kvarn/kvarn.h>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include <set>

namespace kvarn::ui {
namespace {

constexpr int kNombreGroupes = 15;
constexpr const char* kProduit = "Assistant kvarn";

QLabel* Notice(const QString& texte) {
    auto* notice = new QLabel(texte);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice->setMargin(12);
    return notice;
}

}  // namespace

FenetreAssistant::FenetreAssistant(ServiceDossiers& dossiers, int groupe, QWidget* parent)
    : QMainWindow(parent), dossiers_(dossiers), arbre_(new WizardTree), titre_(new QLabel), zone_(new QScrollArea),
      bloc_{0, groupe} {
    QFont police = titre_->font();
    police.setBold(true);
    police.setPointSizeF(police.pointSizeF() * 1.4);
    titre_->setFont(police);
    titre_->setMargin(6);
    zone_->setWidgetResizable(true);
    zone_->setFrameShape(QFrame::NoFrame);

    auto* droite = new QWidget;
    auto* colonne = new QVBoxLayout(droite);
    colonne->addWidget(titre_);
    colonne->addWidget(zone_, 1);
    auto* partage = new QSplitter;
    partage->addWidget(arbre_);
    partage->addWidget(droite);
    partage->setStretchFactor(1, 1);
    partage->setSizes({380, 720});
    setCentralWidget(partage);

    connect(arbre_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int ecran = WizardTree::ScreenOf(item);
        if (ecran != 0) SelectionnerEcran(ecran);
    });
    connect(arbre_, &QTreeWidget::itemActivated, this, [this] { FocusPremierChamp(); });
    ConstruireMenus();
    ConstruireRaccourcis();
    Remplacer(Notice(QStringLiteral("Aucun dossier ouvert.")));
    MettreAJourTitre();
    resize(1100, 750);
}

FenetreAssistant::~FenetreAssistant() {
    Remplacer(nullptr);
    if (module_) Guarded(kPreparerAssistant, [] { _Run(1); });
}

void FenetreAssistant::ConstruireMenus() {
    QMenu* dossier = menuBar()->addMenu(QStringLiteral("&Dossier"));
    const auto ajouter = [&](const char* texte, QKeySequence touches, void (FenetreAssistant::*action)()) {
        QAction* a = dossier->addAction(QString::fromUtf8(texte));
        a->setShortcut(touches);
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    ajouter("&Nouveau dossier…", QKeySequence::New, &FenetreAssistant::DemanderNouveauDossier);
    ajouter("&Ouvrir un dossier…", QKeySequence::Open, &FenetreAssistant::DemanderOuvrirDossier);
    fermer_ = dossier->addAction(QStringLiteral("&Fermer le dossier"));
    fermer_->setShortcut(QKeySequence::Close);
    connect(fermer_, &QAction::triggered, this, [this] { FermerDossier(); });
    dossier->addSeparator();
    QAction* quitter = dossier->addAction(QStringLiteral("&Quitter"));
    quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitter, &QAction::triggered, this, &QWidget::close);

    QMenu* ecrans = menuBar()->addMenu(QStringLiteral("É&crans"));
    groupes_ = new QActionGroup(this);
    const CTree conception;
    std::set<QChar> prises;
    for (int groupe = 0; groupe < kNombreGroupes; ++groupe) {
        const std::string& libelle = conception.Noeud(frame::EcranDuGroupe(groupe)).libelle;
        QAction* a = ecrans->addAction(WithMnemonic(QString::fromStdString(libelle), prises));
        a->setCheckable(true);
        a->setData(groupe);
        groupes_->addAction(a);
        connect(a, &QAction::triggered, this, [this, groupe] {
            ChangerGroupe(groupe);
            CocherGroupe();
        });
    }
}

void FenetreAssistant::ConstruireRaccourcis() {
    const auto raccourci = [this](QKeySequence touches, auto action) {
        connect(new QShortcut(touches, this), &QShortcut::activated, this, action);
    };
    raccourci(QKeySequence(Qt::Key_F6), [this] { BasculerFocus(); });
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { EcranVoisin(+1); });
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { EcranVoisin(-1); });
}

void FenetreAssistant::CocherGroupe() {
    groupes_->setEnabled(DossierOuvert());
    fermer_->setEnabled(DossierOuvert());
    for (QAction* a : groupes_->actions()) a->setChecked(DossierOuvert() && a->data().toInt() == Groupe());
}

bool FenetreAssistant::OuvrirDossier(const std::filesystem::path& repertoire, int groupe) {
    if (!FermerDossier()) return false;
    try {
        dossiers_.Ouvrir(repertoire);
    } catch (const std::exception& refus) {
        host::ZORErreur(refus.what());
        return false;
    }
    module_.reset(TFenMainAssistant::CreateInstance(nullptr));
    module_->Tag = reinterpret_cast<std::intptr_t>(&bloc_);
    arbre_->Build(module_->tvKV);
    PreparerGroupe(groupe);
    MettreAJourTitre();
    return true;
}

bool FenetreAssistant::FermerDossier() {
    if (!DossierOuvert()) return true;
    if (!QuitterEcran(true)) return false;
    Remplacer(Notice(QStringLiteral("Aucun dossier ouvert.")));
    courant_ = 0;
    titre_->clear();
    Guarded(kPreparerAssistant, [] { _Run(1); });
    module_.reset();
    arbre_->Empty();
    Guarded(kPreparerAssistant, [this] { dossiers_.Fermer(); });
    CocherGroupe();
    MettreAJourTitre();
    return true;
}

bool FenetreAssistant::ChangerGroupe(int groupe) {
    if (!DossierOuvert() || !QuitterEcran(false)) return false;
    Remplacer(nullptr);
    courant_ = 0;
    Guarded(kPreparerAssistant, [] { _Run(1); });
    PreparerGroupe(groupe);
    return true;
}

// _Run(0) for the group, then the tree as the module left it and the group's first screen.
void FenetreAssistant::PreparerGroupe(int groupe) {
    bloc_.groupeEcrans = groupe;
    Guarded(kPreparerAssistant, [] { _Run(0); });
    arbre_->Synchronise(module_->tvKV);
    CocherGroupe();
    const std::vector<int> ecrans = arbre_->SelectableScreens();
    if (ecrans.empty()) {
        titre_->clear();
        Remplacer(Notice(QStringLiteral("Aucun écran dans ce groupe.")));
    } else {
        Montrer(ecrans.front());
    }
}

bool FenetreAssistant::SelectionnerEcran(int ecran) {
    if (!DossierOuvert()) return false;
    if (ecran == courant_) return true;
    const bool possible = arbre_->ItemOf(ecran) && (lookOnly_ || arbre_->Selectable(ecran));
    if (!possible || !QuitterEcran(false)) {
        arbre_->ShowCurrent(courant_);
        return false;
    }
    Montrer(ecran);
    return true;
}

bool FenetreAssistant::EcranVoisin(int sens) {
    const int voisin = arbre_->Neighbour(courant_, sens);
    return voisin != 0 && SelectionnerEcran(voisin);
}

bool FenetreAssistant::QuitterEcran(bool fermeture) {
    if (!ecran_ || lookOnly_) return true;
    switch (LeaveAndSave(*ecran_, *vue_)) {
        case Departure::Saved: return true;
        case Departure::Refused: return false;
        case Departure::Failed: return fermeture;
    }
    return false;
}

void FenetreAssistant::Montrer(int ecran) {
    Remplacer(nullptr);
    module_->tvKV.SelectScreen(ecran);  // a form serving several nodes asks which one it plays
    courant_ = ecran;
    const NoeudEcran& noeud = module_->tvKV.Noeud(ecran);
    titre_->setText(QString::fromStdString(noeud.libelle));
    Guarded(kCreerEcran, [&] {
        ecran_ = frame::CreateScreen(noeud.classeFormulaire);
        if (ecran_) vue_ = CreateView(noeud.classeFormulaire, *ecran_).release();
    });
    if (!vue_) {
        ecran_.reset();
        Remplacer(Notice(QString::fromUtf8(kEcranIndisponible)));
    } else {
        vue_->SetAfterEntry([this] { ApresChangement(); });
        // The view keeps its own height at the top of the area, which scrolls when it is taller.
        auto* page = new QWidget;
        auto* colonne = new QVBoxLayout(page);
        colonne->addWidget(vue_);
        colonne->addStretch(1);
        zone_->setWidget(page);
        ActivateScreen(*ecran_, *vue_);
    }
    arbre_->ShowCurrent(ecran);
    ApresChangement();
}

void FenetreAssistant::Remplacer(QWidget* page) {
    delete zone_->takeWidget();
    vue_ = nullptr;
    ecran_.reset();
    if (page) zone_->setWidget(page);
}

void FenetreAssistant::ApresChangement() {
    if (module_) arbre_->Synchronise(module_->tvKV);
}

QString FenetreAssistant::TitreEcran() const { return titre_->text(); }

QWidget* FenetreAssistant::Page() const { return zone_->widget(); }

void FenetreAssistant::MettreAJourTitre() {
    const host::CDossier* dossier = host::InstalledHost().dossier;
    if (!DossierOuvert() || !dossier) {
        setWindowTitle(QString::fromUtf8(kProduit));
        return;
    }
    std::string libelle = dossier->GetLibelle();
    if (libelle.empty()) libelle = dossier->GetRaisonSociale();
    setWindowTitle(QStringLiteral("%1 – exercice %2 – %3")
                       .arg(QString::fromStdString(libelle))
                       .arg(DecodeDate(dossier->GetDateFinExercice()).year)
                       .arg(QString::fromUtf8(kProduit)));
}

void FenetreAssistant::DemanderNouveauDossier() {
    DialogueNouveauDossier dialogue(Today(), this);
    if (dialogue.exec() != QDialog::Accepted) return;
    const NouveauDossier valeurs = dialogue.Valeurs();
    try {
        dossiers_.Creer(valeurs);
    } catch (const std::exception& refus) {
        host::ZORErreur(refus.what());
        return;
    }
    OuvrirDossier(valeurs.repertoire, 0);
}

void FenetreAssistant::DemanderOuvrirDossier() {
    const QString repertoire = QFileDialog::getExistingDirectory(this, QStringLiteral("Ouvrir un dossier"));
    if (!repertoire.isEmpty()) OuvrirDossier(repertoire.toStdString(), Groupe());
}

void FenetreAssistant::BasculerFocus() {
    if (arbre_->hasFocus()) FocusPremierChamp();
    else arbre_->setFocus(Qt::ShortcutFocusReason);
}

void FenetreAssistant::FocusPremierChamp() {
    if (!vue_) return;
    QWidget* champ = vue_->FirstField();
    (champ ? champ : static_cast<QWidget*>(vue_))->setFocus(Qt::ShortcutFocusReason);
}

void FenetreAssistant::closeEvent(QCloseEvent* event) {
    if (FermerDossier()) event->accept();
    else event->ignore();
}

}  // namespace kvarn::ui
