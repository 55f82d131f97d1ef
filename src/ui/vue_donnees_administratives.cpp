// The view of the administrative data screen (TfrmDonneesAdministrative): the tax office and its
// button, the dossier's numbers, the references at the tax office, the recipient when it is not
// the company, and the caller's due date; the return's title heads the screen when there is one.
#include "identification/screens/donnees_administratives_screen.hpp"
#include "ui/view_registry.hpp"
#include "ui/vue_identification.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kvarn::ui {
namespace {

using identification::TfrmDonneesAdministrative;

class VueDonneesAdministratives final : public VueIdentification {
public:
    explicit VueDonneesAdministratives(TfrmDonneesAdministrative& ecran) : VueIdentification(ecran) {
        auto* colonne = new QVBoxLayout(this);
        if (!ecran.Titre().empty()) colonne->addWidget(new QLabel(QString::fromStdString(ecran.Titre()), this));
        auto* form = new QFormLayout;
        Ligne(form, "sie", Saisie("sie"), Bouton("choisir-sie"));
        Lignes(form, {"siret", "siren-associe", "siret-tete-groupe", "code-service", "cdi"});
        LigneFRP(form);
        Lignes(form, {"date-echeance"});
        colonne->addLayout(form);
        colonne->addWidget(Destinataire());
    }
};

const ViewRegistration kVue =
    ViewRegistration::Of<VueDonneesAdministratives, TfrmDonneesAdministrative>("TfrmDonneesAdministrative");

}  // namespace
}  // namespace kvarn::ui
