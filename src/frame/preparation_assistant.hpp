// Preparing the wizard for one group of screens (the work of _Run(0) after its InitKV): hand
// word 0 of the host's block to every node the design left unset, and show exactly the one
// top-level screen of the group in word 1 (none for a code outside 0 to 14).
#pragma once

#include <kvarn/assistant.hpp>

#include <cstdint>

namespace kvarn::frame {

// The host's parameter block, at the address held in the window's Tag.
struct BlocParametres {
    std::int32_t valeurNoeuds;
    std::int32_t groupeEcrans;
};

// The top-level screen shown for a group code, 0 for a code outside 0 to 14.
int EcranDuGroupe(int groupe);
// The group code whose _Run(0) shows the screen of `arbre`: its own, or its parent's for a child.
int GroupeMontrant(const CTree& arbre, int ecran);

void PreparerAssistant(TFenMainAssistant& fenetre);

}  // namespace kvarn::frame
