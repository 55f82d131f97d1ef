// The view of the general-numbers screen (TfrmNumGeneraux): its four tabs, each shown as the
// screen says, the ROF rows as a grid (label, reference shown, reference entered), and the
// " Juridique " group under the identification numbers. When the ROF tab is the only one (the
// ROF request), its tab is drawn to its text's width rather than stretched.
#include "identification/screens/general_numbers_screen.hpp"
#include "ui/view_registry.hpp"
#include "ui/vue_identification.hpp"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kvarn::ui {
namespace {

using identification::TfrmNumGeneraux;

constexpr const char* kLignesROF[] = {"rof-tva", "rof-tdfc", "rof-cvae", "rof-is", "rof-rcm"};

class VueNumGeneraux final : public VueIdentification {
public:
    explicit VueNumGeneraux(TfrmNumGeneraux& ecran) : VueIdentification(ecran) {
        auto* onglets = new QTabWidget(this);
        onglets->addTab(Identification(), TfrmNumGeneraux::LibelleOnglet(TfrmNumGeneraux::kOngletIdentification));
        onglets->addTab(ROF(), TfrmNumGeneraux::LibelleOnglet(TfrmNumGeneraux::kOngletROF));
        onglets->addTab(InformationTVA(), TfrmNumGeneraux::LibelleOnglet(TfrmNumGeneraux::kOngletInformationTVA));
        onglets->addTab(Activite(), TfrmNumGeneraux::LibelleOnglet(TfrmNumGeneraux::kOngletActivite));
        for (int onglet = 0; onglet < onglets->count(); ++onglet)
            onglets->setTabVisible(onglet, ecran.OngletVisible(static_cast<TfrmNumGeneraux::Onglet>(onglet)));
        onglets->tabBar()->setExpanding(!ecran.SeulOngletROF());
        auto* colonne = new QVBoxLayout(this);
        colonne->setContentsMargins(0, 0, 0, 0);
        colonne->addWidget(onglets);
    }

private:
    QWidget* Identification() {
        auto* page = new QWidget(this);
        auto* form = new QFormLayout;
        Ligne(form, "prefixe", Saisie("prefixe"));
        Ligne(form, "siren-1", Groupes(identification::GroupesSiret()));
        Lignes(form, {"ape", "ape-2008", "nace"});
        auto* juridique = new QGroupBox(QStringLiteral(" Juridique "), page);
        auto* dedans = new QVBoxLayout(juridique);
        dedans->addWidget(Case("pme"));
        Follow(juridique, [this] { return WidgetState{true, Ecran().GetField("pme").visible}; });
        auto* colonne = new QVBoxLayout(page);
        colonne->addLayout(form);
        colonne->addWidget(juridique);
        colonne->addStretch(1);
        return page;
    }

    QWidget* ROF() {
        auto* page = new QWidget(this);
        auto* grille = new QGridLayout(page);
        grille->addWidget(new QLabel(QStringLiteral("ROF affichée"), page), 0, 1);
        grille->addWidget(new QLabel(QStringLiteral("ROF saisie"), page), 0, 2);
        int rang = 1;
        for (const std::string ligne : kLignesROF) {
            auto* libelle = new QLabel(page);
            libelle->setMinimumWidth(libelle->fontMetrics().horizontalAdvance(QStringLiteral("ISGROUPE")) + 8);
            Bind(libelle, ligne + "-libelle");
            grille->addWidget(libelle, rang, 0);
            grille->addWidget(Saisie(ligne + "-calculee"), rang, 1);
            grille->addWidget(Saisie(ligne), rang, 2);
            ++rang;
        }
        grille->setColumnStretch(3, 1);
        grille->setRowStretch(rang, 1);
        return page;
    }

    QWidget* InformationTVA() {
        auto* page = new QWidget(this);
        auto* form = new QFormLayout(page);
        Ligne(form, "regime-tva", Liste("regime-tva"));
        Lignes(form, {"code-service", "cdi"});
        LigneFRP(form);
        return page;
    }

    QWidget* Activite() {
        auto* page = new QWidget(this);
        auto* form = new QFormLayout(page);
        Lignes(form, {"designation", "debut-activite", "cessation-activite"});
        return page;
    }
};

const ViewRegistration kVue = ViewRegistration::Of<VueNumGeneraux, TfrmNumGeneraux>("TfrmNumGeneraux");

}  // namespace
}  // namespace kvarn::ui
