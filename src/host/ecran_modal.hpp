// A screen of the module shown modally by the host.
//
// The module hands the host a screen it has built and the host runs it until the user closes it:
// the desktop host binds its widgets and waits; a host without windows opens and closes it at
// once, so that the screen loads and saves what it holds. Closing runs the screen's checks and,
// when none refuses, its saving; a refused close keeps a desktop screen open. The module's screens
// behind this (frame::Screen and its grids) are what a desktop host binds.
#pragma once

#include <functional>
#include <string>

namespace kvarn::host {

class EcranModal {
public:
    virtual ~EcranModal() = default;
    virtual std::string Titre() const = 0;
    virtual void Ouvrir() = 0;  // the screen loads
    virtual bool Fermer() = 0;  // checks, then saving; false (nothing saved) when a check refused
};

// The host's way of showing a screen; returns when the screen is closed.
using MontreurEcrans = std::function<void(EcranModal& ecran)>;

// Shows the screen through the installed host; std::logic_error when no host shows screens.
void ZORMontrerModal(EcranModal& ecran);

}  // namespace kvarn::host
