// kvarn cloturer: the year-end closing of the --dossier, asked first ("--oui" answers), with the
// host's bar on the terminal. The standalone host's financial year moves with it, in the same
// all-or-nothing change: the closed year becomes the previous one, the new one starts the day
// after it and lasts twelve months, its situation date is its end.
#pragma once

#include "run.hpp"

namespace kvarn::cli {

int Cloturer(const GlobalOptions& globals);

}  // namespace kvarn::cli
