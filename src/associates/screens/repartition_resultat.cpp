#include "associates/screens/repartition_resultat.hpp"

#include "associates/etat_associes.hpp"
#include "associates/table_resultats.hpp"

namespace kvarn::associates {

TfrmRepartitionResultatEntreAssocies::TfrmRepartitionResultatEntreAssocies(
    store::TdmKvarn& module, const CRepartitionResultatAssocies& parametre)
    : module_(module), vue_(module.Donnees().Composant(kVueResultats)) {
    const KV_PREALABLES_REPARTITION crochet = _CalculerPrealablesRepartitionResultatEntreAssocies;
    if (crochet.Fonction) crochet.Fonction(crochet.Objet);
    module_.EtatDe<EtatAssocies>().calculResultat = parametre.GetCalcul();
}

TfrmRepartitionResultatEntreAssocies::~TfrmRepartitionResultatEntreAssocies() {
    if (ferme_) return;
    try {
        Fermer();
    } catch (...) {
        module_.EtatDe<EtatAssocies>().calculResultat = nullptr;  // the callback never outlives the screen
    }
}

void TfrmRepartitionResultatEntreAssocies::Afficher() {
    if (!vue_.Active()) vue_.Open();
}

void TfrmRepartitionResultatEntreAssocies::Fermer() {
    ferme_ = true;
    module_.EtatDe<EtatAssocies>().calculResultat = nullptr;
    vue_.Close();
}

}  // namespace kvarn::associates
