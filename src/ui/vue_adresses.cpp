// The view of the addresses screen (TfrmAdrEts): the recipient's identification, the declarant's
// address under its check box, the recipient when it is not the company and, under the
// associates, the associate's name and its address at 1 January; each panel hidden when the
// caller hides it.
#include "identification/screens/adresses_screen.hpp"
#include "ui/view_registry.hpp"
#include "ui/vue_identification.hpp"

#include <QGroupBox>
#include <QVBoxLayout>

namespace kvarn::ui {
namespace {

using identification::TfrmAdrEts;

class VueAdresses final : public VueIdentification {
public:
    explicit VueAdresses(TfrmAdrEts& ecran) : VueIdentification(ecran) {
        auto* colonne = new QVBoxLayout(this);
        colonne->addLayout(LigneAssocie());
        colonne->addWidget(Adresse(QStringLiteral("Identification du destinataire"), "identification-"));
        colonne->addWidget(Case("adresse-declarant-differente"));
        colonne->addWidget(Adresse(QStringLiteral("Adresse du déclarant"), "declarant-"));
        colonne->addWidget(Destinataire());
        colonne->addWidget(Adresse(QStringLiteral("Adresse au 1er janvier si différente"), "adresse-1er-janvier-"));
    }
};

const ViewRegistration kVue = ViewRegistration::Of<VueAdresses, TfrmAdrEts>("TfrmAdrEts");

}  // namespace
}  // namespace kvarn::ui
