// kvarn dossier migrer: the migration of an older dossier run, or simulated on a private copy,
// and reported step by step; and the line every command prints when opening the module migrated
// the dossier.
#pragma once

#include "parts_cli.hpp"
#include "run.hpp"
#include "store/migrations.hpp"

#include <string>

namespace kvarn::cli {

struct MigrerOptions {
    bool simuler = false;  // on a copy of the dossier; the dossier itself is not written
    bool json = false;
};

// Runs the migrations the dossier lacks and reports each step (chain, number, label, what it
// changed) and the failure, if any (exit 1).
int DossierMigrer(const GlobalOptions& globals, const MigrerOptions& options);

// Adds "migrer" to the "dossier" family of `app`.
void AjouterCommandeMigrer(CLI::App& app, GlobalOptions& globals, LierCommande lier);

// "Dossier mis à jour : structure 0x10404 → 0x11504, données absente → 0x21000 (14 étapes)"
std::string ResumeMiseAJour(const store::RapportMigration& rapport);

}  // namespace kvarn::cli
