// The exported checks of the movements as entered: no associate ends the year with a negative
// number of shares, and every movement's links assign what it hands over.
#include <kvarn/mouvements.hpp>

#include "common/dates.hpp"
#include "environment/tables_dossier.hpp"
#include "host/boites.hpp"
#include "movements/operation_protegee.hpp"
#include "movements/saisie_mouvement.hpp"

#include <kvarn/liste_associes.hpp>

#include <vector>

namespace kvarn::movements {
namespace {

void Verifier(store::TdmKvarn& module) {
    for (const auto& [id, a] : *DonnerListeAssocies(false))
        if (a.NbPartsPPFinExo < 0 || a.NbPartsUFinExo < 0 || a.NbPartsNPFinExo < 0) {
            host::ZORAttention("Le nombre de parts détenues par un associés au " +
                               FormatDate(module.Environnement().GetDateSituation()) +
                               " doit être supérieur ou égal à zéro.\nVeuillez modifier la saisie des mouvements de parts.");
            return;
        }
}

std::vector<int> CleesMouvements(store::TdmKvarn& module) {
    db::CTable mouvements(module.Donnees().Session());
    mouvements.SetDatabaseName(module.Environnement().GetAliasDossier());
    mouvements.SetSessionName(module.Environnement().GetNomSession());
    mouvements.SetTableName(environment::kTableMouvementParts.nom);
    mouvements.Open();
    std::vector<int> cles;
    for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) cles.push_back(mouvements.FieldByName("AutoID").AsInteger());
    return cles;
}

bool LiensComplets(store::TdmKvarn& module) {
    for (const int id : CleesMouvements(module)) {
        Affectation affectation = OuvrirAffectationStockee(module, id);
        AppliquerAffectation(module, affectation);
        if (!EstNul(affectation.ResteAAffecter())) return false;
    }
    return true;
}

}  // namespace
}  // namespace kvarn::movements

namespace mv = kvarn::movements;

void VerifierValiditerPartAssocie() { mv::ExecuterExporte(mv::Place::VerifierValiditerPartAssocie, mv::Verifier); }

bool MouvementsDePartsAssoNPUSontOK() {
    bool ok = false;
    mv::ExecuterExporte(mv::Place::MouvementsDePartsAssoNPUSontOK,
                        [&](kvarn::store::TdmKvarn& module) { ok = mv::LiensComplets(module); });
    return ok;
}
