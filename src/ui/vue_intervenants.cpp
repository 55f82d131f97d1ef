// The view of the declarant and outside parties screen (TfrmIntervenants): the declarant's name
// and capacity, then each party as its name and address with the button that picks it, and,
// under the associates, the associate's name and its manager with an address panel.
#include "identification/screens/intervenants_screen.hpp"
#include "ui/view_registry.hpp"
#include "ui/vue_identification.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace kvarn::ui {
namespace {

using identification::TfrmIntervenants;

struct PartieAffichee {
    const char* nom;
    const char* bouton;  // nullptr: the party is not picked here
};
constexpr PartieAffichee kParties[] = {
    {"gerant", nullptr},
    {"cogerant", nullptr},
    {"comptable", "choisir-comptable"},
    {"conseil", "choisir-conseil"},
    {"aga", "choisir-aga"},
    {"administrateur", "choisir-administrateur"},
};

class VueIntervenants final : public VueIdentification {
public:
    explicit VueIntervenants(TfrmIntervenants& ecran) : VueIdentification(ecran) {
        auto* colonne = new QVBoxLayout(this);
        colonne->addLayout(LigneAssocie());
        QFormLayout* declarant = nullptr;
        colonne->addWidget(Groupe(QStringLiteral("Déclarant"), "nom-declarant", declarant));
        Lignes(declarant, {"nom-declarant", "qualite-declarant"});

        auto* parties = new QFormLayout;
        for (const PartieAffichee& p : kParties) {
            const std::string nom = p.nom;
            Ligne(parties, nom, Saisie(nom), p.bouton ? Bouton(p.bouton) : nullptr);
            Ligne(parties, nom + "-adresse", Saisie(nom + "-adresse"));
        }
        colonne->addLayout(parties);

        QFormLayout* gerant = nullptr;
        colonne->addWidget(Groupe(QStringLiteral("Gérant de l'associé"), "gerant-associe-nom", gerant));
        Lignes(gerant, {"gerant-associe-nom", "gerant-associe-prenom"});
        gerant->addRow(Adresse(QStringLiteral("Adresse"), "gerant-associe-"));
    }
};

const ViewRegistration kVue = ViewRegistration::Of<VueIntervenants, TfrmIntervenants>("TfrmIntervenants");

}  // namespace
}  // namespace kvarn::ui
