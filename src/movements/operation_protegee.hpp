// How the movement operations keep their errors inside the module.
//
// Each operation has a place within the data module's unit (1015). An error is shown in the
// host's exception box with the location code unit × 65536 + place, and the operation goes on to
// return its failure value (what it gathered so far, 0 for an identifier). The exported
// operations also run inside the InitKV bracket, so that the dossier is started (its components
// linked, its tables migrated) whatever state the caller left it in.
#pragma once

#include "store/data_module.hpp"

#include <cstdint>
#include <functional>

namespace kvarn::movements {

inline constexpr std::uint32_t kUniteDataModule = 1015;

enum class Place : std::uint32_t {
    RecupererListeMouvParts = 5573,
    OuvrirMouvementsParts = 5588,
    SauverMouvementsParts = 5606,
    SauverDetailMouvementsParts = 5651,
    FermerMouvementsParts = 5665,
    OuvrirAssoNPU = 5681,
    SauverAssoNPU = 5700,
    FermerAssoNPU = 5714,
    RecupererAssoNPU = 5739,
};

constexpr std::uint32_t CodeLocalisation(Place place) {
    return kUniteDataModule * 65536 + static_cast<std::uint32_t>(place);
}

// Runs the operation on the data module; false when an error was shown.
bool Proteger(Place place, store::TdmKvarn& module, const std::function<void(store::TdmKvarn&)>& operation);

// The same for an exported operation: on the module-wide data module, inside the InitKV bracket.
bool ExecuterExporte(Place place, const std::function<void(store::TdmKvarn&)>& operation);

}  // namespace kvarn::movements
