// Groups of labelled values, as "dossier afficher" and "info" print them: one caption and its
// lines per group in the text output (empty values left out), one object per group in the JSON
// output (every value, empty ones included, so that scripts find every key).
#pragma once

#include "json.hpp"

#include <ostream>
#include <string>
#include <vector>

namespace kvarn::cli {

struct Ligne {
    std::string cle;     // JSON key
    std::string titre;   // French caption of the text output
    std::string valeur;
};

struct Groupe {
    std::string cle;     // JSON key
    std::string titre;   // French caption of the text output; empty prints the lines alone
    std::vector<Ligne> lignes;
};

// "  Titre : valeur" lines under each group's caption.
void EcrireTexte(std::ostream& sortie, const std::vector<Groupe>& groupes);
// "cle": {"cle": "valeur", ...} for each group, inside the object the caller has begun.
void EcrireJson(JsonWriter& json, const std::vector<Groupe>& groupes);
// The groups on standard output: one JSON object holding them, or the text lines.
void Afficher(const std::vector<Groupe>& groupes, bool json);

}  // namespace kvarn::cli
