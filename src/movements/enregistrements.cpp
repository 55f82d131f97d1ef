// The movement records: their resets, their orderings and the labels of their codes.
#include <kvarn/mouvements.hpp>

#include <tuple>

const char* const LibellesTypeMouvement[7] = {
    "Acquisition / Cession PP",
    "Acquisition / Cession NP",
    "Acquisition / Cession U",
    "Démembrement de parts",
    "Augmentation de capital",
    "Réduction de capital",
    "Reconstitution du droit de propriété",
};

// The kinds put usufruct before bare ownership, unlike the movement types and the columns.
const char* const LibellesTypeParts[3] = {"Pleine propriété", "Usufruit", "Nue propriété"};

void cDetailMouvementParts::RAZ() { *this = cDetailMouvementParts(); }

bool cDetailMouvementParts::operator<(const cDetailMouvementParts& autre) const {
    return std::tie(autre.IdAsso, TypeParts, NbParts) < std::tie(IdAsso, autre.TypeParts, autre.NbParts);
}

void cMouvParts::RAZ() { *this = cMouvParts(); }

void cMouvementParts_Obs::RAZ() { *this = cMouvementParts_Obs(); }

void cUsufruitier::RAZ() { *this = cUsufruitier(); }

bool cUsufruitier::operator<(const cUsufruitier& autre) const {
    return std::tie(autre.NbParts, IdAsso) < std::tie(NbParts, autre.IdAsso);
}

bool operator<(const cAssoNPU& a, const cAssoNPU& b) {
    return std::tie(b.IdMouv, a.IdNP, a.IdU, a.NbU) < std::tie(a.IdMouv, b.IdNP, b.IdU, b.NbU);
}
