#include "movements/liste_en_cache.hpp"

#include "movements/lecture_mouvements.hpp"

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

void ChargerMouvements(store::TdmKvarn& module) {
    EtatMouvements& etat = module.EtatDe<EtatMouvements>();
    if (etat.listeChargee) return;
    etat.liste.clear();
    const bool lue = RecupererListe(module, etat.liste);
    etat.Indexer();
    etat.listeChargee = lue;
}

}  // namespace kvarn::movements
