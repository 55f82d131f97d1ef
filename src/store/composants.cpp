#include "store/composants.hpp"

namespace kvarn::store {
namespace {

constexpr ComposantTable kComposants[] = {
    {"tblAssociesKV", "KOLMIKV1"},
    {"tblResultatsAssocies", "KOLMIKV1"},
    {"tblAssociesKVTraitement", "KOLMIKV1"},
    {"tblDiversFisc", "KOLMIKV2"},
    {"tblDiversFiscPartAssocie", "KOLMIKV3"},
    {"tblMouvementParts", "KOLMIKVM"},
    {"tblMouvementPartsTraitement", "KOLMIKVM"},
    {"tblDetMouvParts", "KOLMIKVP"},
    {"tblDetMouvPartsAssoNPU", "KOLMIKVP"},
    {"tblDetMouvPartsTraitement", "KOLMIKVP"},
    {"tblAssoNPU", "KOLMIKVA"},
    {"tblFonctionsEtCapital", "KOLMIKVS"},
    {"tblMouvementTmp", "MouvementKV"},
    {"tblMouvementTmpU", "MouvementKV"},
    {"tblMouvementTmpAssoNPU", "MouvementKV"},
    {"tblMouvementTmpTraitement", "MouvementKV"},
    {"tblSyntheseMouvement", "SyntheseMouvementKV"},
};

}  // namespace

std::span<const ComposantTable> ComposantsTables() { return kComposants; }

}  // namespace kvarn::store
