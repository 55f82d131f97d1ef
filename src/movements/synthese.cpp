#include "movements/synthese.hpp"

#include "movements/codes_mouvement.hpp"

namespace kvarn::movements {
namespace {

struct Quantites {
    int typeParts;
    const std::optional<double>& augmentation;
    const std::optional<double>& diminution;
};

std::optional<Quantites> PremiereNature(const LigneDetail& l) {
    if (l.ppAug || l.ppDim) return Quantites{kPartsPP, l.ppAug, l.ppDim};
    if (l.npAug || l.npDim) return Quantites{kPartsNP, l.npAug, l.npDim};
    if (l.uAug || l.uDim) return Quantites{kPartsU, l.uAug, l.uDim};
    return std::nullopt;
}

}  // namespace

std::vector<LigneSynthese> LignesSynthese(const LigneDetail& ligne, int idDetail) {
    std::vector<LigneSynthese> lignes;
    const std::optional<Quantites> principale = PremiereNature(ligne);
    if (!principale) return lignes;
    const double nombre = principale->augmentation ? *principale->augmentation : *principale->diminution;
    lignes.push_back({idDetail, principale->typeParts, principale->diminution ? -nombre : nombre});
    const DetailsLigne details = DecoderLigneDetail(ligne);
    for (int k = 1; k < details.nombre; ++k) {
        const cDetailMouvementParts& derive = details.details[static_cast<std::size_t>(k)];
        lignes.push_back({-2 * idDetail - (k - 1), derive.TypeParts, derive.NbParts});
    }
    return lignes;
}

}  // namespace kvarn::movements
