#include "frame/preparation_assistant.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace kvarn::frame {
namespace {

// Top-level screen of each group code 0 to 14; child screens follow their parent.
constexpr std::array<int, 15> kEcranParGroupe{1, 2, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 6, 20, 21};

}  // namespace

int EcranDuGroupe(int groupe) {
    return groupe >= 0 && groupe < static_cast<int>(kEcranParGroupe.size()) ? kEcranParGroupe[static_cast<std::size_t>(groupe)] : 0;
}

int GroupeMontrant(const CTree& arbre, int ecran) {
    const int parent = arbre.Noeud(ecran).parent;
    const auto trouve = std::find(kEcranParGroupe.begin(), kEcranParGroupe.end(), parent ? parent : ecran);
    if (trouve == kEcranParGroupe.end()) throw std::out_of_range("aucun groupe ne montre l'écran " + std::to_string(ecran));
    return static_cast<int>(trouve - kEcranParGroupe.begin());
}

void PreparerAssistant(TFenMainAssistant& fenetre) {
    const auto* bloc = reinterpret_cast<const BlocParametres*>(fenetre.Tag);
    CTree& arbre = fenetre.tvKV;
    for (int noeud = arbre.GetFirstNode(); noeud <= arbre.GetLastNode(); ++noeud) {
        InfosNoeud* infos = arbre.GetNodeExtraInfos(noeud);
        if (infos->Conception == -1) infos->Valeur = bloc->valeurNoeuds;
    }
    const int montre = EcranDuGroupe(bloc->groupeEcrans);
    for (const int ecran : kEcranParGroupe) arbre.SetVisibleScreen(ecran == montre, ecran);
}

}  // namespace kvarn::frame
