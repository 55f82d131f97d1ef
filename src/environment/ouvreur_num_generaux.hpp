// The opener of the general-numbers screen, as the ROF request needs it.
//
// When the user agrees to complete or correct a tax-obligation reference, the module opens the
// general-numbers screen modally, showing only that obligation's row (made mandatory when the
// request says so). The screen lives with the desktop program, which installs its opener here at
// start-up; a program without screens (the command line, the tests) installs its own or none. With
// none installed, opening does nothing. The slot holds one function for the whole process and
// never owns a screen.
#pragma once

#include <functional>

namespace kvarn::environment {

// Receives the obligation's type (0 TVA, 1 TDFC, 2 IS, 3 CVAE, 4 RCM) and whether its entry is
// mandatory; returns when the screen is closed.
using OuvreurNumGeneraux = std::function<void(int typeRof, bool obligatoire)>;

// Installs the opener (an empty function removes it) and returns the one it replaces.
OuvreurNumGeneraux DefinirOuvreurNumGeneraux(OuvreurNumGeneraux ouvreur);

// Opens the screen through the installed opener; does nothing when there is none.
void OuvrirNumGenerauxPourROF(int typeRof, bool obligatoire);

}  // namespace kvarn::environment
