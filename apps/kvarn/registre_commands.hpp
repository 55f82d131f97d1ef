// kvarn registre: the register of the company's shares for the open year, in JSON (the whole
// register) or as one CSV table for French spreadsheets, on stdout or into a file replaced
// atomically. Gaps, movements left after the situation date and a total that differs from the
// declared number of shares are warned on stderr; the register is written all the same.
#pragma once

#include "run.hpp"

#include <optional>
#include <string>

namespace kvarn::cli {

struct RegistreOptions {
    std::optional<int> exercice;  // the year the open financial year ends, when given
    std::string format;           // "json" or "csv"; empty when not given
    bool json = false;            // --json, the same as --format json
    std::string table;            // CSV only; empty: "detentions"
    std::string sortie;           // empty: stdout
    bool sansBom = false;
};

int TirerRegistre(const GlobalOptions& globals, const RegistreOptions& options);

}  // namespace kvarn::cli
