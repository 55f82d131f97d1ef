// The movements subsystem's state: the cached movement list of the dossier and its index by
// associate.
//
// The list is read once (ChargerMouvements) and kept until someone who changed the movements
// clears the data module's flag listeMouvementsChargee; the next use reads it again. When the
// reading fails the flag stays clear, so the next use tries again rather than working on a part
// of the list for the rest of the session. Each associate's details are indexed when the list is
// loaded, in the order the list gives them (movements by rank, each movement's details in set
// order), so that a sum over one associate touches only that associate's details and adds them in
// the order a walk of the whole list would.
//
// The state belongs to the data module and goes with it. EtatMouvementsDe is the one way to it.
#pragma once

#include "store/data_module.hpp"

#include <kvarn/mouvements.hpp>

#include <unordered_map>
#include <vector>

namespace kvarn::movements {

// One detail of the list, seen from its associate.
struct DetailIndexe {
    const cMouvParts* mouvement;
    int typeParts;
    double nbParts;
};

struct EtatMouvements {
    ListeMouvParts liste;
    std::unordered_map<int, std::vector<DetailIndexe>> parAssocie;

    // Builds the index of the list as it stands.
    void Indexer();
    // The associate's details, in list order; empty for an associate without any.
    const std::vector<DetailIndexe>& DetailsDe(int idAssocie) const;
};

EtatMouvements& EtatMouvementsDe(store::TdmKvarn& module);

// Loads the list when the flag is clear; sets the flag when the reading succeeded.
void ChargerMouvements(store::TdmKvarn& module);

}  // namespace kvarn::movements
