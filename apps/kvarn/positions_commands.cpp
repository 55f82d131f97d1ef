#include "positions_commands.hpp"

#include "common/numbers.hpp"
#include "db/session.hpp"
#include "frame/etat_module.hpp"
#include "lignes_table.hpp"
#include "movements/calcul_positions.hpp"
#include "movements/table_positions.hpp"
#include "session.hpp"

#include <kvarn/mouvements.hpp>

#include <iostream>
#include <vector>

namespace kvarn::cli {

int Positions(const GlobalOptions& globals, const PositionsOptions& options) {
    bool valide = true;
    const bool avecMontant = !options.valeurUnitaire.empty();
    const double valeur = avecMontant ? ZORStr2Double(options.valeurUnitaire, &valide) : 0.0;
    if (!valide) throw MauvaisUsage("--valeur-unitaire attend un nombre, pas « " + options.valeurUnitaire + " »");
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    movements::CalculerPositionsAssocies(*frame::DataModule(), avecMontant, valeur);
    AfficherTable(db::ALIAS_TMP, "MouvementKV", movements::kIndexIdAssocie,
                  {{"IDAssocie", "DesignationAsso", "NbPartsPPFin", "NbPartsUFin", "NbPartsNPFin", "Montant"}, {}, {}},
                  options.json);
    return kSucces;
}

int Usufruitiers(const GlobalOptions& globals, int idNuProprietaire, bool json) {
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    std::vector<cUsufruitier> usufruitiers;
    RecupererUsufruitiers(idNuProprietaire, usufruitiers);
    JsonWriter sortie;
    sortie.BeginArray();
    for (const cUsufruitier& u : usufruitiers) {
        if (json) sortie.BeginObject().Field("IdAsso", u.IdAsso).Key("NbParts").Number(u.NbParts).EndObject();
        else std::cout << u.IdAsso << '\t' << TexteNombre(u.NbParts) << '\n';
    }
    sortie.EndArray();
    if (json) std::cout << sortie.str() << '\n';
    return kSucces;
}

}  // namespace kvarn::cli
