#include "environment/environnement_courant.hpp"

#include <stdexcept>

namespace kvarn::environment {
namespace {

cEnvironBaseKV* g_environnementCourant = nullptr;

}  // namespace

cEnvironBaseKV* EnvironnementCourant() { return g_environnementCourant; }

void DefinirEnvironnementCourant(cEnvironBaseKV* environnement) { g_environnementCourant = environnement; }

cEnvironBaseKV& EnvironnementRequis() {
    if (!g_environnementCourant)
        throw std::logic_error("Le module de données n'est pas créé : environnement du dossier absent");
    return *g_environnementCourant;
}

CGestTRPIni& ParametresCourants() {
    CGestTRPIni* parametres = EnvironnementRequis().GestIni();
    if (!parametres) throw std::logic_error("Le fichier de paramètres du dossier n'est pas ouvert");
    return *parametres;
}

}  // namespace kvarn::environment
