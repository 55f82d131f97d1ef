// An outside party as the screens show it: its name, and its address on one line ("12 B rue des
// Lilas, BP 5, 34000 Montpellier"), the parts it lacks left out. Empty for no party.
#pragma once

#include <kvarn/kvarn.h>

#include <string>

namespace kvarn::identification {

std::string NomIntervenant(const INTERVENANT_KV& intervenant);
std::string AdresseIntervenant(const INTERVENANT_KV& intervenant);

}  // namespace kvarn::identification
