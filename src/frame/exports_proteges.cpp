#include "frame/exports_proteges.hpp"

#include "frame/environnement_courant.hpp"

#include <stdexcept>

namespace kvarn::frame {

cEnvironBaseKV& Environnement() {
    cEnvironBaseKV* environnement = EnvironnementCourant();
    if (!environnement)
        throw std::logic_error("Le module de données n'est pas créé : environnement du dossier absent");
    return *environnement;
}

CGestTRPIni& Parametres() {
    CGestTRPIni* parametres = Environnement().GestIni();
    if (!parametres) throw std::logic_error("Le fichier de paramètres du dossier n'est pas ouvert");
    return *parametres;
}

}  // namespace kvarn::frame
