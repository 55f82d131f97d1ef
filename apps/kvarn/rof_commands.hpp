// kvarn rof saisir: the module's request for a missing or conflicting tax-obligation reference
// (SaisirROF), its questions asked through the console boxes (--oui, --non, or the terminal).
// The command line has no general-numbers screen: where the module would open it, the command
// says how to enter the reference with "kvarn dossier modifier".
#pragma once

#include "run.hpp"

#include <string>

namespace kvarn::cli {

struct RofSaisirOptions {
    std::string type;  // TVA, TDFC, IS, CVAE, RCM, or 0 to 4
    bool obligatoire = false;
};

int RofSaisir(const GlobalOptions& globals, const RofSaisirOptions& options);

}  // namespace kvarn::cli
