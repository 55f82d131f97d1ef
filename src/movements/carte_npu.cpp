#include "movements/carte_npu.hpp"

#include "movements/codes_mouvement.hpp"

#include <algorithm>

namespace kvarn::movements {
namespace {

void Ajouter(CarteNPU& carte, int idNP, int idU, double parts) {
    cUsufruitier& usufruitier = carte[idNP][idU];
    usufruitier.IdAsso = idU;
    usufruitier.NbParts += parts;
}

bool TypeLie(int type) {
    return type == kCessionNP || type == kCessionU || type == kDemembrement || type == kReconstitution;
}

}  // namespace

CarteNPU AssocierNPU(const std::unordered_map<int, MouvementLie>& mouvements, const std::vector<cAssoNPU>& liens) {
    CarteNPU carte;
    for (const cAssoNPU& lien : liens) {
        MouvementLie mouvement{kTypeNonDefini, 0};
        if (lien.IdMouv != 0) {
            const auto trouve = mouvements.find(lien.IdMouv);
            if (trouve == mouvements.end() || !TypeLie(trouve->second.type)) continue;
            mouvement = trouve->second;
        }
        if (lien.IdMouv == 0 || mouvement.type == kCessionNP || mouvement.type == kDemembrement ||
            mouvement.type == kReconstitution)
            Ajouter(carte, lien.IdNP, lien.IdU, mouvement.type == kReconstitution ? -lien.NbU : lien.NbU);
        if (mouvement.type == kCessionNP) Ajouter(carte, mouvement.idCedant, lien.IdU, -lien.NbU);
        if (mouvement.type == kCessionU) {
            Ajouter(carte, lien.IdU, lien.IdNP, lien.NbU);
            Ajouter(carte, lien.IdU, mouvement.idCedant, -lien.NbU);
        }
    }
    return carte;
}

std::vector<cUsufruitier> Usufruitiers(const CarteNPU& carte, int idNP) {
    std::vector<cUsufruitier> usufruitiers;
    const auto trouve = carte.find(idNP);
    if (trouve == carte.end()) return usufruitiers;
    for (const auto& [idU, usufruitier] : trouve->second)
        if (usufruitier.NbParts != 0) usufruitiers.push_back(usufruitier);
    std::sort(usufruitiers.begin(), usufruitiers.end());
    return usufruitiers;
}

}  // namespace kvarn::movements
