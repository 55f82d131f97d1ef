// kvarn parametre: reads, writes, deletes and lists the dossier's settings ("KOLMI$$G.dat").
//
// Each command opens the dossier through the standalone host and the module's environment, whose
// settings store it uses exactly as the module does: names compared without regard to case,
// an empty value deleting the key, every write replacing the file atomically.
#pragma once

#include "run.hpp"

#include <string>

namespace kvarn::cli {

struct ParametreCleOptions {
    std::string section;
    std::string cle;
};

struct ParametreEcrireOptions {
    std::string section;
    std::string cle;
    std::string valeur;  // empty: the key is deleted
};

struct ParametreListerOptions {
    std::string section;  // empty: every section
    bool json = false;
};

// Prints the value alone, nothing when the key is absent.
int ParametreLire(const GlobalOptions& globals, const ParametreCleOptions& options);
int ParametreEcrire(const GlobalOptions& globals, const ParametreEcrireOptions& options);
int ParametreSupprimer(const GlobalOptions& globals, const ParametreCleOptions& options);
// "[SECTION]" then "CLE=VALEUR" lines, as the file holds them; --json: {"SECTION": {"CLE": "VALEUR"}}.
int ParametreLister(const GlobalOptions& globals, const ParametreListerOptions& options);

}  // namespace kvarn::cli
