// The host's report engine, as the module asks the host for one.
//
// The engine's classes belong to the exported interface (other modules hand the module their
// engine), so they are defined once in <kvarn/etats.hpp>; the host declarations name them here.
// The host makes engines through its factory. The rows of a statement come from the module's own
// tables, which only the module can read: the module hands each engine it asks for the function
// that runs a statement's SQL on one of its aliases, as it hands the host its table creator.
#pragma once

#include <kvarn/etats.hpp>

#include <functional>
#include <memory>
#include <string>

namespace kvarn::host {

using ::CVrelMaker;
using ::TBandeUser;
using ::TCpChampUser;
using ::TCpTableauUser;
using ::TDonneesEtat;
using ::TEtatUser;

// Runs `sql` on the alias `alias` ("ZOR_DOSSIER") and gives its rows; raises the engine's error
// for a refused statement.
using OuvreurDonneesEtat =
    std::function<std::unique_ptr<TDonneesEtat>(const std::string& alias, const std::string& sql)>;
using FabriqueEtats = std::function<std::unique_ptr<CVrelMaker>(OuvreurDonneesEtat ouvreur)>;

// A new engine from the installed host, reading its rows through `ouvreur`; nullptr when the host
// has no report engine.
std::unique_ptr<CVrelMaker> CreerVrelMaker(OuvreurDonneesEtat ouvreur);

}  // namespace kvarn::host
