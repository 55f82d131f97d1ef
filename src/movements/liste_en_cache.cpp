#include "movements/liste_en_cache.hpp"

#include "movements/lecture_mouvements.hpp"

#include <memory>

namespace kvarn::movements {

void EtatMouvements::Indexer() {
    parAssocie.clear();
    for (const auto& [rang, mouvement] : liste)
        for (const cDetailMouvementParts& detail : mouvement.Details)
            parAssocie[detail.IdAsso].push_back({&mouvement, detail.TypeParts, detail.NbParts});
}

const std::vector<DetailIndexe>& EtatMouvements::DetailsDe(int idAssocie) const {
    static const std::vector<DetailIndexe> aucun;
    const auto trouves = parAssocie.find(idAssocie);
    return trouves == parAssocie.end() ? aucun : trouves->second;
}

// TEMPORARY HOME of the state, until the data module keeps one slot per subsystem: the state is
// held by an entry of the data module's list of attachers, which is the data module's own and
// goes with it; the weak reference only finds it again. When the slot exists, this function
// returns the slot's state and nothing else changes.
EtatMouvements& EtatMouvementsDe(store::TdmKvarn& module) {
    static const store::TdmKvarn* proprietaire = nullptr;
    static std::weak_ptr<EtatMouvements> courant;
    if (std::shared_ptr<EtatMouvements> etat = courant.lock(); etat && proprietaire == &module) return *etat;
    auto etat = std::make_shared<EtatMouvements>();
    module.Gestionnaires().push_back([etat](store::TdmKvarn&) {});
    proprietaire = &module;
    courant = etat;
    return *etat;
}

void ChargerMouvements(store::TdmKvarn& module) {
    if (module.listeMouvementsChargee) return;
    EtatMouvements& etat = EtatMouvementsDe(module);
    etat.liste.clear();
    const bool lue = RecupererListe(module, etat.liste);
    etat.Indexer();
    module.listeMouvementsChargee = lue;
}

}  // namespace kvarn::movements
