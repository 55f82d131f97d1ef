// kvarn etat divers: the statement of the miscellaneous deductions or reintegrations printed as a
// PDF file by the standalone host's report engine, the module's provider answering its events.
// The file is written whole or not at all; when no line has an amount in the columns asked for,
// nothing is printed and no file is written.
#pragma once

#include "run.hpp"

#include <string>

namespace kvarn::cli {

struct EtatDiversOptions {
    bool deductions = false;
    bool reintegrations = false;
    bool bic = false;
    bool ba = false;
    bool bnc = false;
    unsigned int copies = 1;
    std::string document;
    std::string criteres;
    std::string pdf;
};

int EtatDivers(const GlobalOptions& globals, const EtatDiversOptions& options);

}  // namespace kvarn::cli
