// The screen cycle as the window and the screen dialog run it, the exceptions it meets caught:
// activating loads the screen and shows its fields; leaving runs the checks, and only when none
// fails saves; a refusal puts the focus on the field the screen names.
#pragma once

#include "frame/screens/screen.hpp"

namespace kvarn::ui {

class ScreenView;

// Activate, then the view re-reads the fields (an error is shown and the view shows what there is).
void ActivateScreen(frame::Screen& screen, ScreenView& view);

enum class Departure {
    Saved,    // the checks passed and Deactivate saved
    Refused,  // a check failed: its message shown, the focus on its field
    Failed,   // Leave or Deactivate threw: the error shown, nothing known to be saved
};

Departure LeaveAndSave(frame::Screen& screen, ScreenView& view);

}  // namespace kvarn::ui
