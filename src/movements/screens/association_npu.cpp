#include "movements/screens/association_npu.hpp"

#include "db/session.hpp"
#include "environment/tables_dossier.hpp"
#include "host/boites.hpp"
#include "movements/calcul_positions.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/saisie_mouvement.hpp"
#include "movements/table_positions.hpp"

#include <algorithm>

namespace kvarn::movements::screens {
namespace {

constexpr const char* kTitre = "Association nu-propriétaire / usufruitier";

// The bare owners at the start of the year, as MouvementKV holds them.
std::vector<LigneHaute> NusProprietairesDebut(store::TdmKvarn& module) {
    if (!PositionsAJour(module)) CalculerPositionsAssocies(module, false, 0.0);
    db::CTable positions(module.Donnees().Session());
    positions.SetDatabaseName(db::ALIAS_TMP);
    positions.SetTableName(environment::kTableMouvementTmp);
    positions.SetIndexName(kIndexIdAssocie);
    positions.Open();
    std::vector<LigneHaute> lignes;
    for (positions.First(); !positions.Eof(); positions.Next())
        if (const double np = LirePartsNPDebut(positions); np > 0) lignes.push_back({LireIdAssociePosition(positions), np});
    return lignes;
}

}  // namespace

TfrmAssociationNPU::TfrmAssociationNPU(store::TdmKvarn& module, bool debutExercice, CarteParts& carte,
                                       const cMouvParts& mouvement)
    : module_(module), debutExercice_(debutExercice), carte_(carte), mouvement_(mouvement) {}

void TfrmAssociationNPU::Ouvrir() {
    if (debutExercice_) {
        affectation_ = OuvrirAffectationDebut(NusProprietairesDebut(module_), carte_, LireLiensMouvement(module_, 0));
    } else {
        affectation_ = OuvrirAffectationStockee(module_, mouvement_.AutoID, &carte_);
    }
    AppliquerAffectation(module_, affectation_);
}

std::string TfrmAssociationNPU::Caption() const {
    return debutExercice_ ? std::string(kTitre) + " en début d'exercice" : kTitre;
}

TextesAssociation TfrmAssociationNPU::Textes() const {
    if (!debutExercice_ && mouvement_.TypeMouvement == kCessionU)
        return {"Nombre U", "Nombre NP",
                "Pour chacun des usufruitiers listés ci-dessous, veuillez indiquer quels sont leurs nus-propriétaires",
                "Nu-propriétaires liés à l'usufruitier sélectionné ci-dessus", "Usufuitiers", "Nus-propriétaires",
                "Nombre de nues-propriétés à affecter"};
    return {"Nombre NP", "Nombre U",
            "Pour chacun des nus-propriétaires listés ci-dessous, veuillez indiquer quels sont leurs usufruitiers",
            "Usufruitiers liés au nu-propriétaire sélectionné ci-dessus", "Nus-propriétaires", "Usufuitiers",
            "Nombre d'usufruits à affecter"};
}

bool TfrmAssociationNPU::SaisirNbU(int idNP, int idU, double nbU) {
    const auto& hautes = affectation_.hautes;
    if (nbU < 0 || std::none_of(hautes.begin(), hautes.end(), [&](const LigneHaute& h) { return h.idAsso == idNP; }))
        return false;
    LienNPU* lien = affectation_.Lien(idNP, idU);
    if (!lien) {
        affectation_.liens.push_back({0, debutExercice_ ? 0 : mouvement_.AutoID, idNP, idU, std::nullopt});
        lien = &affectation_.liens.back();
    }
    lien->nbU = nbU;
    EcrireLien(module_, *lien);
    return true;
}

bool TfrmAssociationNPU::Fermer() {
    if (module_.ModeChargement() == store::kModeSocieteImmobiliere && !EstNul(ResteAAffecter()) &&
        host::ZORQuestion("Le nombre de nues-propriétés de votre mouvement n’est pas égal à votre nombre d’usufruits.\n"
                          "Votre déclaration 2072 ne sera pas correctement renseignée. Souhaitez-vous corriger "
                          "l’affectation de vos parts ?",
                          kTitre))
        return false;
    if (debutExercice_)
        for (const LienNPU& lien : affectation_.liens) carte_[lien.idU] += lien.nbU.value_or(0.0);
    return true;
}

}  // namespace kvarn::movements::screens
