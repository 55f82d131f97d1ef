// How the movement operations keep their errors inside the module.
//
// Each operation has a place within the data module's unit (1015). An error is shown in the
// host's exception box with the location code unit × 65536 + place, and the operation goes on to
// return its failure value (what it gathered so far, 0 for an identifier). The exported
// operations also run inside the InitKV bracket (exports_proteges.hpp).
#pragma once

#include "frame/exports_proteges.hpp"
#include "host/boites.hpp"
#include "store/data_module.hpp"

#include <cstdint>
#include <utility>

namespace kvarn::movements {

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
    RecupererUsufruitiers = 5937,
    RecupererMouvementAssocie = 5950,  // a place of its own, after those of the links
    VerifierValiditerPartAssocie = 5960,  // and the checks of the entered movements after it
    MouvementsDePartsAssoNPUSontOK = 5970,
};

constexpr std::uint32_t CodeLocalisation(Place place) {
    return host::CodeLocalisation(store::kUniteDataModule, static_cast<std::uint32_t>(place));
}

// Runs the operation; false when an error was shown.
template <class Operation>
bool Proteger(Place place, Operation&& operation) {
    return frame::Proteger(store::kUniteDataModule, static_cast<std::uint32_t>(place),
                           std::forward<Operation>(operation));
}

// The same for an exported operation: on the module-wide data module, inside the InitKV bracket.
template <class Operation>
bool ExecuterExporte(Place place, Operation&& operation) {
    return frame::ProtegerDansInitKV(store::kUniteDataModule, static_cast<std::uint32_t>(place),
                                     std::forward<Operation>(operation));
}

}  // namespace kvarn::movements
