#include "identification/screens/ecran_protege.hpp"

#include "host/boites.hpp"

#include <exception>

namespace kvarn::identification {

bool Proteger(UniteEcran unite, std::uint32_t place, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& erreur) {
        host::ZORDisplayException(host::CodeLocalisation(unite, place), erreur);
        return false;
    }
}

}  // namespace kvarn::identification
