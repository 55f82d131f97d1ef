// How the exported functions run: every error kept inside the module, and, for those that need
// the dossier started, inside the InitKV bracket.
//
// The exported functions take no context argument; they reach the data module and its
// environment object through the frame's module-wide state (etat_module.hpp). An error (no data
// module, no host, a damaged settings file, a table that refuses a row) is shown in the host's
// exception box with the location code of the unit that caught it and the function's place, and
// the function returns its failure value. The environment adapter's unit (2202) numbers the
// environment and settings functions 1 to 29, the accessor of operation n 100 + n, and the
// accessors that read the settings store directly from 300 on; the data module's unit (1015)
// numbers the operations on its tables.
#pragma once

#include "environment/environ_kv.hpp"
#include "frame/etat_module.hpp"
#include "host/boites.hpp"
#include "store/data_module.hpp"

#include <kvarn/kvarn.h>

#include <cstdint>
#include <exception>

namespace kvarn::frame {

using environment::kUniteEnvironnement;
inline constexpr std::uint32_t kPlacesOperations = 100;
inline constexpr std::uint32_t kPlacesParametres = 300;

using environment::cEnvironBaseKV;
using environment::CGestTRPIni;

// Runs one operation; an error never leaves the module: it is shown in the host's exception box
// and the function returns `echec`.
template <class Resultat, class Operation>
Resultat Proteger(std::uint32_t unite, std::uint32_t place, Resultat echec, Operation&& operation) {
    try {
        return operation();
    } catch (const std::exception& erreur) {
        host::ZORDisplayException(host::CodeLocalisation(unite, place), erreur);
        return echec;
    }
}

// The same for an operation without a result; false when an error was shown.
template <class Operation>
bool Proteger(std::uint32_t unite, std::uint32_t place, Operation&& operation) {
    return Proteger(unite, place, false, [&] {
        operation();
        return true;
    });
}

// InitKV on entry, DesinitKV on every way out: the dossier is started (its components linked,
// its tables migrated) for what runs inside, whatever state the caller left it in.
class CrochetInitKV {
public:
    CrochetInitKV() { InitKV(); }
    ~CrochetInitKV() { DesinitKV(); }
    CrochetInitKV(const CrochetInitKV&) = delete;
    CrochetInitKV& operator=(const CrochetInitKV&) = delete;
};

// Runs an exported operation on the data module, inside the InitKV bracket, its errors kept
// inside the module; false when an error was shown (no data module is one).
template <class Operation>
bool ProtegerDansInitKV(std::uint32_t unite, std::uint32_t place, Operation&& operation) {
    const CrochetInitKV crochet;
    return Proteger(unite, place, [&] { operation(DataModuleCree()); });
}

}  // namespace kvarn::frame
