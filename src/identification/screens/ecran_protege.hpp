// How the identification screens keep an error from leaving them: what a load, a save or a button
// throws goes to the host's exception box with the screen's location code, and the screen stays
// usable with what it holds. The units below are the screens' (and the screen-parameter classes')
// numbers in those codes; the place says which step failed.
#pragma once

#include <cstdint>
#include <functional>

namespace kvarn::identification {

enum UniteEcran : std::uint32_t {
    kUniteNumGeneraux = 5301,
    kUniteSiret = 5302,
    kUniteDonneesAdministrative = 5303,
    kUniteImpotDeclarant = 5304,
    kUniteIntervenants = 5305,
    kUniteAdrEts = 5306,
    kUniteParametresEcrans = 5307,
};

enum PlaceEcran : std::uint32_t { kCharger = 1, kEnregistrer = 2, kBouton = 3, kCreer = 4 };

// Runs `action`; true when it returned, false when it threw (the error then shown).
bool Proteger(UniteEcran unite, std::uint32_t place, const std::function<void()>& action);

}  // namespace kvarn::identification
