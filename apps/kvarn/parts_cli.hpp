// The command-line wiring of the share commands: mouvement, lien, positions, usufruitiers. main.cpp
// registers them with one call and hands over how a handler is bound to its subcommand.
#pragma once

#include "run.hpp"

#include <functional>

namespace CLI {
class App;
}

namespace kvarn::cli {

using LierCommande = void (*)(CLI::App* sous, std::function<int()> traitement);

void AjouterCommandesParts(CLI::App& app, GlobalOptions& globals, LierCommande lier);

}  // namespace kvarn::cli
