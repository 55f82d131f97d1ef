// The view of the recipient tax office and signature screen (TfrmImpotDeclarant): the tax
// office, the rental-income contribution block (its office, the payment mode as three boxes, the
// number of transfers) and the signature block, each group hidden when the caller hides it.
#include "identification/screens/impot_declarant_screen.hpp"
#include "ui/view_registry.hpp"
#include "ui/vue_identification.hpp"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kvarn::ui {
namespace {

using identification::TfrmImpotDeclarant;

class VueImpotDeclarant final : public VueIdentification {
public:
    explicit VueImpotDeclarant(TfrmImpotDeclarant& ecran) : VueIdentification(ecran) {
        auto* form = new QFormLayout;
        Ligne(form, "sie", Saisie("sie"), Bouton("choisir-sie"));

        QFormLayout* crl = nullptr;
        QGroupBox* contribution = Groupe(QStringLiteral("Contribution sur les revenus locatifs"), "sie-crl", crl);
        Ligne(crl, "sie-crl", Saisie("sie-crl"), Bouton("choisir-sie-crl"));
        auto* modes = new QHBoxLayout;
        for (const char* mode : {"especes", "virement", "cheque"}) modes->addWidget(Case(mode));
        modes->addStretch(1);
        crl->addRow(QStringLiteral("Paiement :"), modes);
        Lignes(crl, {"nb-virements"});

        QFormLayout* sign = nullptr;
        QGroupBox* signature = Groupe(QStringLiteral("Signature"), "signature", sign);
        Lignes(sign, {"date", "lieu", "signature"});
        Ligne(sign, "qualite", Liste("qualite", true));
        Lignes(sign, {"telephone", "email"});

        auto* colonne = new QVBoxLayout(this);
        colonne->addLayout(form);
        colonne->addWidget(contribution);
        colonne->addWidget(signature);
    }
};

const ViewRegistration kVue = ViewRegistration::Of<VueImpotDeclarant, TfrmImpotDeclarant>("TfrmImpotDeclarant");

}  // namespace
}  // namespace kvarn::ui
