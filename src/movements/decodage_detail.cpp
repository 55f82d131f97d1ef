#include "movements/decodage_detail.hpp"

#include "movements/codes_mouvement.hpp"

namespace kvarn::movements {
namespace {

void Ajouter(DetailsLigne& resultat, int idAsso, int typeParts, double nbParts) {
    cDetailMouvementParts& detail = resultat.details[static_cast<std::size_t>(resultat.nombre++)];
    detail.IdAsso = idAsso;
    detail.TypeParts = typeParts;
    detail.NbParts = nbParts;
}

// The increase when there is one, else the decrease as a loss.
double Signe(const std::optional<double>& augmentation, const std::optional<double>& diminution) {
    return augmentation ? *augmentation : -*diminution;
}

}  // namespace

DetailsLigne DecoderLigneDetail(const LigneDetail& l) {
    DetailsLigne resultat;
    if (l.ppAug || l.ppDim) Ajouter(resultat, l.idAsso, kPartsPP, Signe(l.ppAug, l.ppDim));
    else if (l.npAug || l.npDim) Ajouter(resultat, l.idAsso, kPartsNP, Signe(l.npAug, l.npDim));
    else if (l.uAug || l.uDim) Ajouter(resultat, l.idAsso, kPartsU, Signe(l.uAug, l.uDim));
    else return resultat;

    if (l.ppDim && (l.uAug || l.npAug)) {
        if (l.uAug) Ajouter(resultat, l.idAsso, kPartsU, *l.uAug);
        else Ajouter(resultat, l.idAsso, kPartsNP, *l.npAug);
    }
    if (l.ppAug && (l.npDim || l.uDim)) {
        if (l.npDim) Ajouter(resultat, l.idAsso, kPartsNP, -*l.npDim);
        else Ajouter(resultat, l.idAsso, kPartsU, -*l.uDim);
    }
    return resultat;
}

}  // namespace kvarn::movements
