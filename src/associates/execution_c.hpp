// How the associates' C functions run: inside the InitKV bracket, an error of the tables shown in
// the host's exception box with the unit's location code and the function's place, and false
// returned, since a C caller cannot receive an exception. The associates' C interface is unit
// 3300, the manager look-ups unit 3301.
#pragma once

#include "frame/exports_proteges.hpp"
#include "store/data_module.hpp"

#include <cstdint>

namespace kvarn::associates {

inline constexpr std::uint32_t kUniteInterfaceC = 3300;
inline constexpr std::uint32_t kUniteGerants = 3301;

// Runs `operation` on the data module; its result, or false when an error was shown.
template <class Operation>
bool ExecuterC(std::uint32_t unite, std::uint32_t place, Operation&& operation) {
    bool resultat = false;
    frame::ProtegerDansInitKV(unite, place, [&](store::TdmKvarn& module) { resultat = operation(module); });
    return resultat;
}

}  // namespace kvarn::associates
