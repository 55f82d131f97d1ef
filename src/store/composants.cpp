#include "store/composants.hpp"

#include "environment/tables_dossier.hpp"

namespace kvarn::store {
namespace {

using namespace environment;  // the tables' names

constexpr ComposantTable kComposants[] = {
    {"tblAssociesKV", kTableAssocies.nom},
    {"tblResultatsAssocies", kTableAssocies.nom},
    {"tblAssociesKVTraitement", kTableAssocies.nom},
    {"tblDiversFisc", kTableDiversFisc.nom},
    {"tblDiversFiscPartAssocie", kTableDiversFiscPartAssocie.nom},
    {"tblMouvementParts", kTableMouvementParts.nom},
    {"tblMouvementPartsTraitement", kTableMouvementParts.nom},
    {"tblDetMouvParts", kTableDetMouvParts.nom},
    {"tblDetMouvPartsAssoNPU", kTableDetMouvParts.nom},
    {"tblDetMouvPartsTraitement", kTableDetMouvParts.nom},
    {"tblAssoNPU", kTableAssoNPU.nom},
    {"tblFonctionsEtCapital", kTableFonctionsEtCapital.nom},
    {"tblMouvementTmp", kTableMouvementTmp},
    {"tblMouvementTmpU", kTableMouvementTmp},
    {"tblMouvementTmpAssoNPU", kTableMouvementTmp},
    {"tblMouvementTmpTraitement", kTableMouvementTmp},
    {"tblSyntheseMouvement", kTableSyntheseMouvement},
};

}  // namespace

std::span<const ComposantTable> ComposantsTables() { return kComposants; }

}  // namespace kvarn::store
