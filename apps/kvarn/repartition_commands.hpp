// kvarn repartition: the result distribution between associates, through the module's screens
// with the standalone host's amounts; and the shares entered by hand for one associate.
#pragma once

#include "run.hpp"

#include <optional>
#include <string>

namespace kvarn::cli {

// The amounts (whole euros, negatives allowed) and the file they may come from; an option wins
// over the file.
struct MontantsOptions {
    std::string fichier;
    std::optional<std::string> resultat, pvlt, bic, ba, abandons;
};

struct RepartitionOptions {
    MontantsOptions montants;
    bool json = false;
};

// Entered shares: a number, truncated; "" clears.
struct RepartitionSaisirOptions {
    int idAssocie = 0;
    MontantsOptions montants;
    std::optional<std::string> benefice, pvlt, bic, ba, abandons;
};

int Repartition(const GlobalOptions& globals, const RepartitionOptions& options);
int RepartitionSaisir(const GlobalOptions& globals, const RepartitionSaisirOptions& options);

}  // namespace kvarn::cli
