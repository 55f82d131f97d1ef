#include "frame/environnement_courant.hpp"

#include <stdexcept>

namespace kvarn::frame {
namespace {

cEnvironBaseKV* g_environnementCourant = nullptr;

}  // namespace

cEnvironBaseKV* EnvironnementCourant() { return g_environnementCourant; }

void DefinirEnvironnementCourant(cEnvironBaseKV* environnement) { g_environnementCourant = environnement; }

CGestTRPIni& ParametresCourants() {
    cEnvironBaseKV* environnement = EnvironnementCourant();
    if (!environnement) throw std::logic_error("Le module de données n'est pas créé : environnement du dossier absent");
    CGestTRPIni* parametres = environnement->GestIni();
    if (!parametres) throw std::logic_error("Le fichier de paramètres du dossier n'est pas ouvert");
    return *parametres;
}

}  // namespace kvarn::frame
