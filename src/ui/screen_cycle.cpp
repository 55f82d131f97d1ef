#include "ui/screen_cycle.hpp"

#include "ui/guarded.hpp"
#include "ui/screen_view.hpp"

#include <optional>
#include <string>

namespace kvarn::ui {

void ActivateScreen(frame::Screen& screen, ScreenView& view) {
    Guarded(kActiverEcran, [&] { screen.Activate(); });
    Guarded(kActiverEcran, [&] { view.Refresh(); });
}

Departure LeaveAndSave(frame::Screen& screen, ScreenView& view) {
    std::optional<std::string> refus;
    if (!Guarded(kQuitterEcran, [&] { refus = screen.Leave(); })) return Departure::Failed;
    if (refus) {
        view.FocusField(*refus);
        return Departure::Refused;
    }
    return Guarded(kDesactiverEcran, [&] { screen.Deactivate(); }) ? Departure::Saved : Departure::Failed;
}

}  // namespace kvarn::ui
