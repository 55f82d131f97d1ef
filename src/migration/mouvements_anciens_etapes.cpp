#include "migration/mouvements_anciens_etapes.hpp"

#include "associates/etat_associes.hpp"
#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "frame/exports_proteges.hpp"
#include "host/barre.hpp"
#include "migration/mouvements_anciens_tables.hpp"
#include "movements/liste_en_cache.hpp"

#include <kvarn/kvarn.h>

#include <algorithm>
#include <functional>

namespace kvarn::migration {
namespace {

// The data module's place of the conversion entry point.
constexpr std::uint32_t kPlaceMigrerPartsDebut = 5960;

// Runs `travail` whole, on a dossier in the older model only.
template <class Travail>
void SurModeleAncien(store::TdmKvarn& module, Travail&& travail) {
    db::Session& session = module.Donnees().Session();
    if (!EnModeleAncien(session)) return;
    db::AllOrNothing(session, [&] { travail(session); });
    // The lists read before describe movements that are no more.
    if (auto* mouvements = module.TrouverEtat<movements::EtatMouvements>()) mouvements->listeChargee = false;
    if (auto* associes = module.TrouverEtat<associates::EtatAssocies>()) associes->liste.Vider();
}

}  // namespace

void PlacerPartsDebut(store::TdmKvarn& module) {
    SurModeleAncien(module, [&](db::Session& session) {
        const std::vector<LigneAncienne> lignes = LireLignesAnciennes(session);
        if (std::any_of(lignes.begin(), lignes.end(), [](const LigneAncienne& l) { return l.idMouvement == 0; })) return;
        AjouterLignesAnciennes(session, PartsDebut(LireMouvementsAnciens(session), lignes, LireComptes(session),
                                                   module.Environnement().GetDateSituation()));
    });
}

void EffacerComptesAnciens(store::TdmKvarn& module) {
    SurModeleAncien(module, [](db::Session& session) { EcrireComptes(session, {}, kEtapeEffacerComptes); });
}

void ConvertirMouvementsAnciens(store::TdmKvarn& module) {
    SurModeleAncien(module, [](db::Session& session) {
        const std::vector<LigneAncienne> lignes = LireLignesAnciennes(session);
        std::vector<ComptesAssocie> comptes;
        for (const ComptesAssocie& avant : LireComptes(session)) comptes.push_back(ComptesParques(avant.idAssocie, lignes));
        EcrireComptes(session, comptes, kEtapeConversionMouvements);
        const auto parMouvement = LignesParMouvement(lignes);
        std::vector<MouvementConverti> convertis;
        for (const MouvementAncien& mouvement : LireMouvementsAnciens(session)) {
            const auto trouvees = parMouvement.find(mouvement.autoID);
            convertis.push_back(ConvertirMouvement(
                mouvement, trouvees == parMouvement.end() ? std::vector<LigneAncienne>{} : trouvees->second));
        }
        EcrireMouvementsConvertis(session, convertis);
        SupprimerModeleAncien(session, kEtapeConversionMouvements);
    });
}

}  // namespace kvarn::migration

bool MigrerPartsDebutEnMouvements(void) {
    using namespace kvarn;
    return frame::Proteger(store::kUniteDataModule, migration::kPlaceMigrerPartsDebut, [] {
        store::TdmKvarn& module = frame::DataModuleCree();
        const std::function<void(store::TdmKvarn&)> etapes[] = {
            migration::PlacerPartsDebut, migration::EffacerComptesAnciens, migration::ConvertirMouvementsAnciens};
        const auto barre = host::OuvrirBarre("Conversion des mouvements de parts");
        barre->SetMax(static_cast<long>(std::size(etapes)));
        for (const auto& etape : etapes) {
            etape(module);
            barre->Avancer();
        }
    });
}
