#include "movements/fin_exercice.hpp"

#include "common/rounding.hpp"

namespace kvarn::movements {
namespace {

constexpr int kDecimalesParts = 5;

double Somme(double debut, double mouvements) {
    return Round(debut, kDecimalesParts) + Round(mouvements, kDecimalesParts);
}

}  // namespace

PartsPPUNP SommerPartsFinExercice(const PartsPPUNP& debut, const PartsPPUNP& mouvements) {
    return {Somme(debut.pp, mouvements.pp), Somme(debut.u, mouvements.u), Somme(debut.np, mouvements.np)};
}

PartsPPUNP PartsFinExerciceAssocie(store::TdmKvarn& module, int idAssocie, const PartsPPUNP& debut) {
    return FinExerciceParcours(module)(idAssocie, debut);
}

FinExerciceParcours::FinExerciceParcours(store::TdmKvarn& module)
    : etat_(&module.EtatDe<EtatMouvements>()), exclusions_{module.Environnement().GetDateSituation(), 0, 0} {
    ChargerMouvements(module);
}

PartsPPUNP FinExerciceParcours::operator()(int idAssocie, const PartsPPUNP& debut) const {
    return SommerPartsFinExercice(debut, CumulerDetails(etat_->DetailsDe(idAssocie), exclusions_));
}

}  // namespace kvarn::movements
