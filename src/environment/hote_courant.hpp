// The installed host's environment and open dossier, for the environment adapter.
//
// The host installs its globals (pEnvironnement, pCurDossier) before the data module is created
// and may take them back; the adapter reaches them only through these two functions, which throw
// in French when the host or its dossier is missing, so that the exported function calling the
// operation shows the error and returns its failure value.
#pragma once

#include "host/dossier.hpp"
#include "host/environnement.hpp"

namespace kvarn::environment {

host::TEnvironnement& Hote();
host::CDossier& DossierCourant();

}  // namespace kvarn::environment
