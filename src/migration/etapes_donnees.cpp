#include "migration/etapes_donnees.hpp"

#include "frame/etat_module.hpp"
#include "identification/remplacement_categories.hpp"
#include "migration/donnees_etapes.hpp"
#include "migration/mouvements_anciens_etapes.hpp"

namespace kvarn::migration {
namespace {

using Etape = void (*)(store::TdmKvarn&);

void RemplacerCategories(store::TdmKvarn& module) {
    identification::RemplacerCategoriesPremierNiveau(ParametresDuDossier(module), module.Donnees().Session());
}

void EffacerCategories(store::TdmKvarn& module) {
    identification::EffacerCategoriesRetirees(ParametresDuDossier(module), module.Donnees().Session());
}

struct EtapeDonnees {
    std::uint32_t numero;
    const char* libelle;
    Etape etape;
};

constexpr EtapeDonnees kEtapes[] = {
    {0x10500, "Migration en 1.05", RenumeroterFormesJuridiques},
    {0x10501, "Migration en 1.05a", DeplacerSignature},
    {0x10502, "Migration en 1.05d", EffacerValeursVides},
    {0x10503, "Migration en 1.06", DeplacerCapital},
    {0x10902, "Migration en 1.10", ReprendreSiegeSocial},
    {kEtapePartsDebut, "Migration en 1.11.3.0", PlacerPartsDebut},
    {kEtapeEffacerComptes, "Migration en 1.11.4.0", EffacerComptesAnciens},
    {kEtapeConversionMouvements, "Migration en 1.14.1.0", ConvertirMouvementsAnciens},
    {0x11600, "Migration en 1.16.0.0", PaysParDefaut},
    {0x12010, "Migration en 1.20.1.0", RemplacerCategories},
    {0x21000, "Migration en 2.1.0.0", EffacerCategories},
};

}  // namespace

void EnregistrerEtapesDonnees(store::ChainesMigration& chaines) {
    for (const EtapeDonnees& e : kEtapes)
        chaines.donnees.push_back({[etape = e.etape] { etape(frame::DataModuleCree()); }, e.libelle, e.numero});
}

}  // namespace kvarn::migration
