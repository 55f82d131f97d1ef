#include "environment/hote_courant.hpp"

#include <stdexcept>

namespace kvarn::environment {

host::TEnvironnement& Hote() {
    if (!host::pEnvironnement) throw std::runtime_error("Aucun environnement hôte n'est installé");
    return *host::pEnvironnement;
}

host::CDossier& DossierCourant() {
    if (!host::pCurDossier) throw std::runtime_error("Aucun dossier n'est ouvert");
    return *host::pCurDossier;
}

}  // namespace kvarn::environment
