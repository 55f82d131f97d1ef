#include "store/installateurs.hpp"

#include <algorithm>

namespace kvarn::store {
namespace {

// Filled during the static initialisation of the module's objects, hence a function-local
// object: it exists before the first registration, whatever the order of the object files.
std::vector<std::pair<std::string, Installateur>>& Registre() {
    static std::vector<std::pair<std::string, Installateur>> registre;
    return registre;
}

}  // namespace

bool EnregistrerInstallateur(std::string nom, Installateur installateur) {
    auto& registre = Registre();
    const auto place = std::lower_bound(registre.begin(), registre.end(), nom,
                                        [](const auto& inscrit, const std::string& cle) { return inscrit.first < cle; });
    if (place != registre.end() && place->first == nom) return false;
    registre.insert(place, {std::move(nom), installateur});
    return true;
}

const std::vector<std::pair<std::string, Installateur>>& Installateurs() { return Registre(); }

void Installer(TdmKvarn& module) {
    for (const auto& [nom, installateur] : Registre()) installateur(module);
}

}  // namespace kvarn::store
