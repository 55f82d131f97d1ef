// The reports' place in the data module: its report engine amKV, made by the host's factory when
// the data module is created, with the provider's four handlers, and gone with the data module.
// The engine reads a statement's rows through the data module's own session: the module hands it
// the function that runs the statement's SQL with a local SQL query of its session.
#pragma once

#include "host/etats.hpp"
#include "store/data_module.hpp"

#include <memory>

namespace kvarn::reports {

struct EtatRapports final : store::EtatSousSysteme {
    std::unique_ptr<host::CVrelMaker> amKV;  // null when the host has no report engine
};

// The data module's engine; std::logic_error when the host has none.
host::CVrelMaker& amKV(store::TdmKvarn& module);

// A new engine of the host reading the data module's tables, without handlers (a caller's
// engine); nullptr when the host has none.
std::unique_ptr<host::CVrelMaker> NouveauVrelMaker(store::TdmKvarn& module);

// Runs a statement's SQL on the data module's session.
std::unique_ptr<TDonneesEtat> OuvrirDonnees(store::TdmDonnees& donnees, const std::string& alias,
                                            const std::string& sql);

}  // namespace kvarn::reports
