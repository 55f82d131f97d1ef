#include "movements/positions.hpp"

#include "common/text.hpp"
#include "store/data_module.hpp"

namespace kvarn::movements {

std::string DesignationAsso(const Associe& a, int modeChargement) {
    const std::string titre = DonnerTitreOuFormeJuridique(a.Titre, a.PersonnePhysique, false);
    if (!a.PersonnePhysique) return Trim(titre + " " + a.Nom);
    const std::string& nom = modeChargement == store::kModeAvecBeneficiaires ? a.NomMarital : a.Nom;
    return Trim(titre + " " + nom + " " + a.Prenoms);
}

PositionAssocie CalculerPosition(const Associe& a, const PartsPPUNP& mouvements, int modeChargement,
                                 std::optional<double> valeurUnitaire) {
    PositionAssocie position;
    position.idAssocie = a.ShIDAssocie;
    position.nom = a.Nom;
    position.personnePhysique = a.PersonnePhysique;
    position.designation = DesignationAsso(a, modeChargement);
    position.debut = {a.NbParts, a.NbPartsU, a.NbPartsN};
    position.mouvements = mouvements;
    position.fin = {a.NbParts + mouvements.pp, a.NbPartsU + mouvements.u, a.NbPartsN + mouvements.np};
    if (valeurUnitaire) position.montant = (position.fin.pp + position.fin.np) * *valeurUnitaire;
    return position;
}

}  // namespace kvarn::movements
