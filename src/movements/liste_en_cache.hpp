// The movements subsystem's state: the cached movement list of the dossier, its index by
// associate and its "loaded" flag, and what the positions were last computed from; one per data module, created by the movements' installer in the
// data module's slot for the movements, gone with the data module.
//
// The list is read once (ChargerMouvements) and kept until someone who changed the movements
// clears the flag; the next use reads it again. When the reading fails the flag stays clear, so
// the next use tries again rather than working on a part of the list for the rest of the session.
// Each associate's details are indexed when the list is loaded, in the order the list gives them
// (movements by rank, each movement's details in set order), so that a sum over one associate
// touches only that associate's details and adds them in the order a walk of the whole list
// would.
#pragma once

#include "store/data_module.hpp"

#include <kvarn/mouvements.hpp>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace kvarn::movements {

// One detail of the list, seen from its associate.
struct DetailIndexe {
    const cMouvParts* mouvement;
    int typeParts;
    double nbParts;
};

struct EtatMouvements final : store::EtatSousSysteme {
    ListeMouvParts liste;
    std::unordered_map<int, std::vector<DetailIndexe>> parAssocie;  // points into `liste`
    bool listeChargee = false;
    // The change counter of KOLMIKV1 the positions were last computed from (calcul_positions.hpp).
    std::optional<std::uint64_t> positionsCalculees;

    // Builds the index of the list as it stands.
    void Indexer();
    // The associate's details, in list order; empty for an associate without any.
    const std::vector<DetailIndexe>& DetailsDe(int idAssocie) const;
};

// Loads the list when the flag is clear; sets the flag when the reading succeeded.
void ChargerMouvements(store::TdmKvarn& module);

}  // namespace kvarn::movements
