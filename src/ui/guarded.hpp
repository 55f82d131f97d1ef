// The wizard's guard around the module's code: what a screen, a dialog or a host service throws
// while the window calls it goes to the host's exception box with the wizard unit's location
// code, and the window goes on (Qt must never see an exception cross its event loop).
#pragma once

#include <cstdint>
#include <functional>

namespace kvarn::ui {

// The wizard's unit in the location codes of the exception box.
inline constexpr std::uint32_t kUniteAssistant = 3010;

// The places of the wizard unit, one per kind of call the window makes.
enum PlaceAssistant : std::uint32_t {
    kActiverEcran = 1,
    kSaisirChamp = 2,
    kQuitterEcran = 3,
    kDesactiverEcran = 4,
    kSaisirCellule = 5,
    kCreerEcran = 6,
    kPreparerAssistant = 7,
};

// Runs `action`; true when it returned, false when it threw (the error then shown).
bool Guarded(PlaceAssistant place, const std::function<void()>& action);

}  // namespace kvarn::ui
