// A correction screen (identification/screens/correction_dialogs.hpp) shown through the host
// while an older product's record is converted: the value the record carried was not found, and
// the accountant picks the right one. The host opens the screen and closes it; a close that the
// screen refuses (nothing valid picked) leaves the screen unanswered, and what was being converted
// is not written.
//
// To be replaced by the host's picker of the migration service when it comes.
#pragma once

#include "frame/screens/screen.hpp"
#include "host/ecran_modal.hpp"

#include <string>

namespace kvarn::migration {

class EcranCorrection final : public host::EcranModal {
public:
    explicit EcranCorrection(frame::Screen& ecran) : ecran_(ecran) {}

    std::string Titre() const override { return "Attention"; }
    void Ouvrir() override { ecran_.Activate(); }
    bool Fermer() override;

    frame::Screen& Ecran() { return ecran_; }
    bool Repondu() const { return repondu_; }

private:
    frame::Screen& ecran_;
    bool repondu_ = false;
};

// Shows the screen through the host; whether the accountant answered it.
bool Corriger(frame::Screen& ecran);

}  // namespace kvarn::migration
