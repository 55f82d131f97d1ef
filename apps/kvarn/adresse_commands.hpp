// kvarn adresse lire|ecrire KIND: one of the dossier record's addresses, named by its kind.
//
// The kinds are a table (kind name, the record's getter and setter), so that an address of the
// record is one more row. The address options, and the way they are laid over an address, are
// shared with "dossier creer|modifier", which change the dossier's own address.
#pragma once

#include "intervenant_commands.hpp"
#include "presentation.hpp"
#include "run.hpp"

#include "host/adresse.hpp"

#include <string>

namespace kvarn::cli {

struct AdresseCommandeOptions {
    std::string genre;  // "correspondance", ...
    AdresseOptions adresse;
    bool json = false;
};

// The kinds "adresse" knows, for the command's help.
std::string GenresAdresse();

// The options given laid over `adresse` (a French postcode checked, the country looked up); false
// when none was given.
bool AppliquerAdresse(host::CAdresse& adresse, const AdresseOptions& options);

// An address as "dossier afficher" and "adresse lire" show it.
Groupe GroupeAdresse(const std::string& cle, const std::string& titre, const host::CAdresse& adresse);

int AdresseLire(const GlobalOptions& globals, const AdresseCommandeOptions& options);
int AdresseEcrire(const GlobalOptions& globals, const AdresseCommandeOptions& options);

}  // namespace kvarn::cli
