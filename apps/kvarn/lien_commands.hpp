// kvarn lien: the links between bare owners and usufructuaries, of a movement or of the start of
// the year (movement 0), set one at a time and listed as stored.
#pragma once

#include "run.hpp"

#include <string>

namespace kvarn::cli {

struct LienAjouterOptions {
    int mouvement = 0;
    int np = 0;
    int u = 0;
    std::string nombre;
};

int LienAjouter(const GlobalOptions& globals, const LienAjouterOptions& options);
int LienLister(const GlobalOptions& globals, bool json);

}  // namespace kvarn::cli
