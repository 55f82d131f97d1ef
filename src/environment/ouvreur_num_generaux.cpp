#include "environment/ouvreur_num_generaux.hpp"

#include <utility>

namespace kvarn::environment {
namespace {

OuvreurNumGeneraux& Ouvreur() {
    static OuvreurNumGeneraux ouvreur;
    return ouvreur;
}

}  // namespace

OuvreurNumGeneraux DefinirOuvreurNumGeneraux(OuvreurNumGeneraux ouvreur) {
    return std::exchange(Ouvreur(), std::move(ouvreur));
}

void OuvrirNumGenerauxPourROF(int typeRof, bool obligatoire) {
    if (Ouvreur()) Ouvreur()(typeRof, obligatoire);
}

}  // namespace kvarn::environment
