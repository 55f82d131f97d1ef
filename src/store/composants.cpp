#include "store/composants.hpp"

#include "environment/tables_dossier.hpp"

#include <string_view>

namespace kvarn::store {
namespace {

using namespace environment;  // the tables' names

// A movement's details are read in the order of their link to it (IdMouv;AutoID).
constexpr const char* kIndexDetails = "idxMouv";

constexpr ComposantTable kComposants[] = {
    {"tblAssociesKV", kTableAssocies.nom},
    {"tblResultatsAssocies", kTableAssocies.nom, "idxAssocies"},
    {"tblAssociesKVTraitement", kTableAssocies.nom},
    {"tblDiversFisc", kTableDiversFisc.nom},
    {"tblDiversFiscPartAssocie", kTableDiversFiscPartAssocie.nom, "idxIdDiversFisc"},
    {"tblMouvementParts", kTableMouvementParts.nom},
    {"tblMouvementPartsTraitement", kTableMouvementParts.nom},
    {"tblDetMouvParts", kTableDetMouvParts.nom, kIndexDetails},
    {"tblDetMouvPartsAssoNPU", kTableDetMouvParts.nom, kIndexDetails},
    {"tblDetMouvPartsTraitement", kTableDetMouvParts.nom, kIndexDetails},
    {"tblAssoNPU", kTableAssoNPU.nom},
    {"tblFonctionsEtCapital", kTableFonctionsEtCapital.nom},
    {"tblMouvementTmp", kTableMouvementTmp},
    {"tblMouvementTmpU", kTableMouvementTmp},
    {"tblMouvementTmpAssoNPU", kTableMouvementTmp},
    {"tblMouvementTmpTraitement", kTableMouvementTmp},
    {"tblSyntheseMouvement", kTableSyntheseMouvement},
};

constexpr ComposantRequete kRequetes[] = {
    {"QAssociesKV", Alias::Dossier},
    {"qTraitement", Alias::Dossier},
    {"qTraitementTmp", Alias::Temporary},
};

}  // namespace

std::span<const ComposantTable> ComposantsTables() { return kComposants; }
std::span<const ComposantRequete> ComposantsRequetes() { return kRequetes; }

std::optional<std::span<const FieldSpec>> DeclarationDe(const ComposantTable& composant) {
    if (const ComponentSpec* vue = FindComponentSpec(composant.nom)) return vue->fields;
    const TableSpec* table = FindTableSpec(composant.table);
    if (table && std::string_view(table->component) == composant.nom) return table->fields;
    return std::nullopt;
}

}  // namespace kvarn::store
