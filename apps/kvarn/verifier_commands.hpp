// kvarn verifier: the host's checks of identification and tax numbers, from the command line.
// Exit 0 when the check accepts the value, 1 with the reason when it refuses.
#pragma once

#include "run.hpp"

#include <string>

namespace kvarn::cli {

struct VerifierOptions {
    std::string genre;   // siren, siret, tva, nif, cp
    std::string valeur;  // taken as typed; may be empty
};

int Verifier(const VerifierOptions& options);

}  // namespace kvarn::cli
