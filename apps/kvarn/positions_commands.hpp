// kvarn positions and kvarn usufruitiers: every associate's shares at the start, change and end of
// the year as the working table MouvementKV holds them once computed, and the usufructuaries
// standing behind one bare owner at the end of the year.
#pragma once

#include "run.hpp"

#include <string>

namespace kvarn::cli {

struct PositionsOptions {
    std::string valeurUnitaire;  // empty: no amount
    bool json = false;
};

int Positions(const GlobalOptions& globals, const PositionsOptions& options);
int Usufruitiers(const GlobalOptions& globals, int idNuProprietaire, bool json);

}  // namespace kvarn::cli
