// The view of the SIRET screen (TfrmSiret): the dossier's SIRET, then the numbers at the closings
// of N and N-1 in two columns, and the legal category's label with the button that opens its
// picker (categorie_juridique_dialog.hpp); a confirmed choice goes back to the screen.
#include "identification/screens/siret_screen.hpp"
#include "ui/categorie_juridique_dialog.hpp"
#include "ui/view_registry.hpp"
#include "ui/vue_identification.hpp"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvarn::ui {
namespace {

using identification::GroupesSiret;
using identification::TfrmSiret;

class VueSiret final : public VueIdentification {
public:
    explicit VueSiret(TfrmSiret& ecran) : VueIdentification(ecran), ecran_(ecran) {
        auto* principal = new QFormLayout;
        Ligne(principal, "siret-principal-siren-1", Groupes(GroupesSiret("siret-principal-")));

        auto* clotures = new QGroupBox(QStringLiteral("Numéros aux clôtures"), this);
        auto* grille = new QGridLayout(clotures);
        int colonne = 0;
        for (const char* suffixe : {"n", "n1"}) {
            const std::string s = suffixe;
            int rang = 0;
            for (const std::string& champ : {"siret-" + s + "-siren-1", "pseudo-siret-" + s, "idsp-" + s}) {
                QWidget* saisie = champ.rfind("siret-", 0) == 0 ? Groupes(GroupesSiret("siret-" + s + "-")) : Saisie(champ);
                grille->addWidget(Label(champ), rang++, colonne);
                grille->addWidget(saisie, rang++, colonne);
            }
            ++colonne;
        }

        auto* categorie = new QLabel(this);
        categorie->setWordWrap(true);
        Bind(categorie, "categorie-juridique");
        auto* choisir = new QPushButton(QStringLiteral("&Choisir…"), this);
        choisir->setAutoDefault(false);
        connect(choisir, &QPushButton::clicked, this, [this] { ChoisirCategorie(); });
        auto* juridique = new QFormLayout;
        Ligne(juridique, "categorie-juridique", categorie, choisir);

        auto* disposition = new QVBoxLayout(this);
        disposition->addLayout(principal);
        disposition->addWidget(clotures);
        disposition->addLayout(juridique);
    }

private:
    void ChoisirCategorie() {
        identification::EchangeCategorieJuridique echange = ecran_.EchangeCategorie();
        if (!ChoisirCategorieJuridique(echange, this)) return;
        ecran_.CategorieChoisie(echange);
        Refresh();
    }

    TfrmSiret& ecran_;
};

const ViewRegistration kVue = ViewRegistration::Of<VueSiret, TfrmSiret>("TfrmSiret");

}  // namespace
}  // namespace kvarn::ui
