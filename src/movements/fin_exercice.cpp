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
    return SommerPartsFinExercice(debut, CumulerMouvementsAssocie(module, idAssocie, 0, 0));
}

}  // namespace kvarn::movements
