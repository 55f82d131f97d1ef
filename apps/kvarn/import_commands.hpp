// kvarn importer divers|associes FICHIER: a file of an older product's records fed to the
// module's conversion entry points (MigrerDeductionsReintegrations, MigrerAssocie), all or
// nothing. A file that is not made of whole records is bad usage (exit 2) and nothing is read
// into the dossier; a record the module refuses rolls back the whole file (exit 1). main.cpp
// registers the command with one call.
#pragma once

#include "parts_cli.hpp"

namespace kvarn::cli {

void AjouterCommandesImport(CLI::App& app, GlobalOptions& globals, LierCommande lier);

}  // namespace kvarn::cli
