// kvarn mouvement: the year's share movements entered, listed as their synthesis, deleted, and
// their links checked. A movement is checked whole before anything is written, then written with
// its rows and links in one transaction.
#pragma once

#include "run.hpp"

#include <optional>
#include <string>
#include <vector>

namespace kvarn::cli {

struct MouvementAjouterOptions {
    std::string date;  // dd/mm/yyyy
    int type = -1;
    std::optional<int> cedant;
    std::vector<std::string> details;  // ID:COLONNE:NOMBRE
    std::vector<std::string> liens;    // IDNP:IDU:NOMBRE
};

struct MouvementListerOptions {
    bool json = false;
};

int MouvementAjouter(const GlobalOptions& globals, const MouvementAjouterOptions& options);
int MouvementLister(const GlobalOptions& globals, const MouvementListerOptions& options);
int MouvementSupprimer(const GlobalOptions& globals, int idMouvement);
int MouvementVerifierLiens(const GlobalOptions& globals);

}  // namespace kvarn::cli
