#include "ui/guarded.hpp"

#include "host/boites.hpp"

#include <exception>
#include <stdexcept>

namespace kvarn::ui {

bool Guarded(PlaceAssistant place, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& erreur) {
        host::ZORDisplayException(host::CodeLocalisation(kUniteAssistant, place), erreur);
    } catch (...) {
        host::ZORDisplayException(host::CodeLocalisation(kUniteAssistant, place),
                                  std::runtime_error("erreur d'un type inconnu"));
    }
    return false;
}

}  // namespace kvarn::ui
