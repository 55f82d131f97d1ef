#include "frame/environnement_courant.hpp"

namespace kvarn::frame {
namespace {

cEnvironBaseKV* g_environnementCourant = nullptr;

}  // namespace

cEnvironBaseKV* EnvironnementCourant() { return g_environnementCourant; }

void DefinirEnvironnementCourant(cEnvironBaseKV* environnement) { g_environnementCourant = environnement; }

}  // namespace kvarn::frame
