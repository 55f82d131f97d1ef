// kvarn info: the dossier's standing data as other programs of the suite read it, through the
// module's exported accessors over the data module (directories and aliases, financial years,
// legal form and regimes, loading mode, numbers, activity codes, tax-obligation references,
// addresses, attached outside parties, capital and payment settings).
#pragma once

#include "run.hpp"

namespace kvarn::cli {

struct InfoOptions {
    bool json = false;
};

int Info(const GlobalOptions& globals, const InfoOptions& options);

}  // namespace kvarn::cli
