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

// KOLMIKV1's columns as the movements see them: the key, the start-of-year shares (AsFloat reads
// an empty start as 0, which is what it counts as) and the end-of-year calculated columns.
void CalculerPartsFinExercice(store::TdmKvarn& module, db::CTable& associes) {
    const PartsPPUNP debut{associes.FieldByName("NbParts").AsFloat(), associes.FieldByName("NbPartsU").AsFloat(),
                           associes.FieldByName("NbPartsN").AsFloat()};
    const PartsPPUNP fin = PartsFinExerciceAssocie(module, associes.FieldByName("ShIDAssocie").AsInteger(), debut);
    associes.FieldByName("NbPartsPPFinExo").SetAsFloat(fin.pp);
    associes.FieldByName("NbPartsUFinExo").SetAsFloat(fin.u);
    associes.FieldByName("NbPartsNPFinExo").SetAsFloat(fin.np);
}

}  // namespace kvarn::movements
