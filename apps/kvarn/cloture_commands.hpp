// kvarn cloturer: the year-end closing of the --dossier, asked first ("--oui" answers), with the
// host's bar on the terminal. The standalone host's financial year moves with it, in the same
// all-or-nothing change: the closed year becomes the previous one, the new one starts the day
// after it and lasts twelve months, its situation date is its end.
//
// kvarn decloturer [--forcer]: the undo of the last closing, asked first; the dossier, the
// settings and the host's record (hence its financial year) as they were before it.
#pragma once

#include "run.hpp"

namespace kvarn::cli {

int Cloturer(const GlobalOptions& globals);

struct DeclotureOptions {
    bool forcer = false;  // undo even when the dossier changed since the closing
};

int Decloturer(const GlobalOptions& globals, const DeclotureOptions& options);

}  // namespace kvarn::cli
