#include "movements/decodage_detail.hpp"

#include "movements/codes_mouvement.hpp"

namespace kvarn::movements {
namespace {

constexpr std::array<std::string_view, 6> kNoms{"NbPartsPPAug", "NbPartsPPDim", "NbPartsNPAug",
                                                "NbPartsNPDim", "NbPartsUAug",  "NbPartsUDim"};

std::size_t Rang(Colonne colonne) { return static_cast<std::size_t>(colonne); }

void Ajouter(DetailsLigne& resultat, int idAsso, int typeParts, double nbParts, Colonne colonne) {
    const auto rang = static_cast<std::size_t>(resultat.nombre++);
    cDetailMouvementParts& detail = resultat.details[rang];
    detail.IdAsso = idAsso;
    detail.TypeParts = typeParts;
    detail.NbParts = nbParts;
    resultat.colonnes[rang] = colonne;
}

// The increase when there is one, else the decrease as a loss; `augmentation` names the kind's
// increase column, its decrease column follows it.
void AjouterSigne(DetailsLigne& resultat, const LigneDetail& l, int typeParts, Colonne augmentation) {
    const Colonne diminution = static_cast<Colonne>(static_cast<int>(augmentation) + 1);
    if (const auto& gain = Quantite(l, augmentation)) Ajouter(resultat, l.idAsso, typeParts, *gain, augmentation);
    else Ajouter(resultat, l.idAsso, typeParts, -*Quantite(l, diminution), diminution);
}

}  // namespace

std::string_view NomColonne(Colonne colonne) { return kNoms[Rang(colonne)]; }

std::optional<double>& Quantite(LigneDetail& l, Colonne colonne) {
    return const_cast<std::optional<double>&>(Quantite(static_cast<const LigneDetail&>(l), colonne));
}

const std::optional<double>& Quantite(const LigneDetail& l, Colonne colonne) {
    const std::array<const std::optional<double>*, 6> quantites{&l.ppAug, &l.ppDim, &l.npAug, &l.npDim, &l.uAug, &l.uDim};
    return *quantites[Rang(colonne)];
}

bool DetailsLigne::Utilise(Colonne colonne) const {
    for (int i = 0; i < nombre; ++i)
        if (colonnes[static_cast<std::size_t>(i)] == colonne) return true;
    return false;
}

DetailsLigne DecoderLigneDetail(const LigneDetail& l) {
    DetailsLigne resultat;
    if (l.ppAug || l.ppDim) AjouterSigne(resultat, l, kPartsPP, Colonne::PPAug);
    else if (l.npAug || l.npDim) AjouterSigne(resultat, l, kPartsNP, Colonne::NPAug);
    else if (l.uAug || l.uDim) AjouterSigne(resultat, l, kPartsU, Colonne::UAug);
    else return resultat;

    if (l.ppDim && (l.uAug || l.npAug)) {
        if (l.uAug) Ajouter(resultat, l.idAsso, kPartsU, *l.uAug, Colonne::UAug);
        else Ajouter(resultat, l.idAsso, kPartsNP, *l.npAug, Colonne::NPAug);
    }
    if (l.ppAug && (l.npDim || l.uDim)) {
        if (l.npDim) Ajouter(resultat, l.idAsso, kPartsNP, -*l.npDim, Colonne::NPDim);
        else Ajouter(resultat, l.idAsso, kPartsU, -*l.uDim, Colonne::UDim);
    }
    return resultat;
}

}  // namespace kvarn::movements
