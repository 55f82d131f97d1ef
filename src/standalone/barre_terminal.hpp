// The progress bar of the command-line program: drawn on stderr when stderr is a terminal,
// silent otherwise so that logs stay clean.
#pragma once

#include "host/barre.hpp"

#include <memory>

namespace kvarn::standalone {

std::unique_ptr<host::CBarre> OuvrirBarreTerminal(const std::string& texte);

}  // namespace kvarn::standalone
