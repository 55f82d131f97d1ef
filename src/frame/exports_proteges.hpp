// How the exported environment, settings and accessor functions run: on the data module's current
// environment object, with every error kept inside the module.
//
// The exported functions take no context argument; they reach the environment object through the
// frame's module-wide state (etat_module.hpp). An error (no data module, no host, a damaged
// settings file) is shown in the host's exception box with the environment adapter's location
// code, unit 2202 and the function's place, and the function returns its failure value. Places
// 1 to 29 are the environment and settings functions, 100 + n the accessor of operation n, and
// from 300 on the accessors that read the settings store directly.
#pragma once

#include "environment/environ_kv.hpp"
#include "frame/etat_module.hpp"
#include "host/boites.hpp"

#include <cstdint>
#include <exception>
#include <utility>

namespace kvarn::frame {

using environment::kUniteEnvironnement;
inline constexpr std::uint32_t kPlacesOperations = 100;
inline constexpr std::uint32_t kPlacesParametres = 300;

using environment::cEnvironBaseKV;
using environment::CGestTRPIni;

// Runs one exported operation; an error never leaves the module: it is shown in the host's
// exception box with the location of `unite` and `place`, and the function returns `echec`.
template <class Resultat, class Operation>
Resultat ProtegerDans(std::uint32_t unite, std::uint32_t place, Resultat echec, Operation&& operation) {
    try {
        return operation();
    } catch (const std::exception& erreur) {
        host::ZORDisplayException(host::CodeLocalisation(unite, place), erreur);
        return echec;
    }
}

template <class Operation>
void ProtegerDans(std::uint32_t unite, std::uint32_t place, Operation&& operation) {
    ProtegerDans(unite, place, true, [&] {
        operation();
        return true;
    });
}

// The environment adapter's functions.
template <class Resultat, class Operation>
Resultat Proteger(std::uint32_t place, Resultat echec, Operation&& operation) {
    return ProtegerDans(kUniteEnvironnement, place, echec, std::forward<Operation>(operation));
}

template <class Operation>
void Proteger(std::uint32_t place, Operation&& operation) {
    ProtegerDans(kUniteEnvironnement, place, std::forward<Operation>(operation));
}

}  // namespace kvarn::frame
