// kvarn ecran NOM: one of the identification screens run as its view runs it, without widgets.
//
// The screen is created (general numbers with every row shown and the --requis rows required;
// SIRET at --annee, by default the year the financial year ends; with --associe ID, the addresses
// or the parties screen in the variant the wizard shows under the associates, for that
// associate: its address at 1 January, its manager), activated, then the entries
// (--saisir CHAMP=VALEUR) and the buttons (--action BOUTON) are applied in the order given, each
// as a user's. A grouped SIRET takes its 14 digits under its whole name ("siret-n"). With
// --fermer the screen is left (its checks, their boxes answered by --oui / --non) and, accepted,
// saved. Exit 0 when saved or not asked to close, 1 when a check refused or an entry went to a
// field the user could not type into, 2 for an unknown screen, field or button.
#pragma once

#include "run.hpp"

#include <string>
#include <vector>

namespace kvarn::cli {

struct EtapeEcran {
    bool bouton = false;  // --action, otherwise --saisir
    std::string texte;    // "CHAMP=VALEUR" or the button's name
};

struct EcranOptions {
    std::string nom;
    int annee = 0;    // 0: not given
    int associe = 0;  // 0: not given
    std::vector<std::string> requis;
    std::vector<EtapeEcran> etapes;
    bool fermer = false;
    bool json = false;
};

// The names NOM takes, for the command's help.
std::vector<std::string> NomsEcrans();

int Ecran(const GlobalOptions& globals, const EcranOptions& options);

}  // namespace kvarn::cli
