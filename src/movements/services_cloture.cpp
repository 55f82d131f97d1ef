// What the year-end closing of the store needs from the floors above it: the data module the
// frame keeps, the share positions and the pairs in force at the end of the year, and the lists
// the C interface keeps loaded, which a closing makes stale.
#include "associates/etat_associes.hpp"
#include "frame/etat_module.hpp"
#include "movements/associations_npu.hpp"
#include "movements/calcul_positions.hpp"
#include "movements/liste_en_cache.hpp"
#include "store/cloture.hpp"

namespace kvarn::movements {
namespace {

// A pair is in force, and carried to the next year, when its number of parts is above 0.
std::vector<store::PaireEnVigueur> PairesEnVigueur(store::TdmKvarn& module) {
    std::vector<store::PaireEnVigueur> paires;
    for (const auto& [idNP, usufruitiers] : ConstruireAssociationsNPU(module))
        for (const auto& [idU, usufruitier] : usufruitiers)
            if (usufruitier.NbParts > 0) paires.push_back({idNP, idU, usufruitier.NbParts});
    return paires;
}

void OublierListes(store::TdmKvarn& module) {
    if (auto* associes = module.TrouverEtat<associates::EtatAssocies>()) associes->liste.Vider();
    if (auto* mouvements = module.TrouverEtat<EtatMouvements>()) mouvements->listeChargee = false;
}

[[maybe_unused]] const bool kInscrits = [] {
    store::InscrireServicesCloture({
        .dataModule = &frame::DataModule,
        .recalculerPositions = [](store::TdmKvarn& module) { CalculerPositionsAssocies(module, false, 0.0); },
        .pairesEnVigueur = PairesEnVigueur,
        .oublierListes = OublierListes,
    });
    return true;
}();

}  // namespace
}  // namespace kvarn::movements
