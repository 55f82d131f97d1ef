#include <kvarn/assistant.hpp>

#include "frame/etat_module.hpp"

#include <stdexcept>

namespace {

// The wizard's design: screen, parent, image, caption, form class, tag, parameter.
NoeudEcran N(int ecran, int parent, int image, const char* libelle, const char* classe, const char* tag,
             const char* parametre) {
    return NoeudEcran{ecran, parent, image, libelle, classe, tag, parametre, true, true, InfosNoeud{}};
}

std::vector<NoeudEcran> Conception() {
    return {
        N(1, 0, 102, "Numéros généraux / Activité", "TfrmNumGeneraux", "TAG_NUM_GENERAUX", ""),
        N(2, 0, 100, "Dirigeants / Associés", "TfrmAssocies", "TAG_PARAM_ASSO", "IdentiteComplete"),
        N(3, 2, 105, "Identification / Adresses", "TParamAssoPhy", "TAG_MODIFICATION_ASSOCIE", ""),
        N(4, 2, 105, "Adresse au 1er janvier si différente", "TfrmAdrEts", "TAG_ADRESSE_1ER_JANVIER", ""),
        N(5, 2, 105, "Intervenants", "TfrmIntervenants", "TAG_INTERVENANT_ASSOCIES", ""),
        N(6, 0, 100, "Capital social", "Tfrm_param_asso", "TAG_CAPITAL_SOCIAL", ""),
        N(7, 6, 105, "Parts début d'exercice", "Tfrm_param_asso", "TAG_PARTS_DEB_EX", ""),
        N(8, 6, 105, "Mouvements de parts", "TfrmSyntheseMouvement", "TAG_MOUVEMENTS_PARTS", ""),
        N(9, 0, 101, "Adresse du destinataire / déclarant", "TfrmAdrEts", "TAG_ADR_DECLARANT_DEST", ""),
        N(10, 0, 101, "Destinataire (centre des impôts)", "TfrmImpotDeclarant", "TAG_DEST_CDI", ""),
        N(11, 0, 101, "Déclarant - intervenants extérieurs", "TfrmIntervenants", "TAG_INTERVENANTS", ""),
        N(12, 0, 100, "Prorata général de répartition des dépenses", "TfrmProrataRepartDepenses",
         "TAG_PRORATA_REPARTITION_DEPENSES", ""),
        N(13, 0, 100, "Répartition du résultat entre les associés", "TfrmRepartitionResultatEntreAssocies",
         "TAG_REPARTITION_RESULTAT", "Denomination"),
        N(14, 13, 100, "Répartition", "TfrmResultatAssocie", "TAG_REPARTITION", ""),
        N(15, 0, 100, "Résultat par associé", "TfrmResultAssoBICBA", "TAG_RESULTAT_ASSOCIE_BIC_BA", ""),
        N(16, 0, 100, "Autres revenus", "TfrmAutresRevenus", "TAG_AUTRES_REVENUS", ""),
        N(17, 0, 100, "Associé", "TParamAssoPhy", "TAG_ASSOCIE", ""),
        N(18, 0, 100, "Adresse du siège social", "Tfrmparamsoc", "TAG_ADRESSE_SIEGE_SOCIAL", ""),
        N(19, 0, 100, "SIRET", "TfrmSiret", "TAG_SIRET", ""),
        N(20, 0, 100, "Données administratives", "TfrmDonneesAdministrative", "TAG_DONNEES_ADMINISTRATIVES", ""),
        N(21, 0, 100, "Fonctions et capital détenu dans d'autres sociétés", "TfrmAssosFonctionsEtCapitalAutresSoc",
         "TAG_FONCTIONS_ET_CAPITAL_DETENU_AUTRES_SOC", ""),
    };
}

}  // namespace

CTree::CTree() : noeuds_(Conception()) {}

const NoeudEcran& CTree::Noeud(int ecran) const { return const_cast<CTree*>(this)->NoeudModifiable(ecran); }

NoeudEcran& CTree::NoeudModifiable(int ecran) {
    if (ecran < GetFirstNode() || ecran > GetLastNode())
        throw std::out_of_range("écran inconnu de l'assistant : " + std::to_string(ecran));
    return noeuds_[static_cast<std::size_t>(ecran - 1)];
}

InfosNoeud* CTree::GetNodeExtraInfos(int ecran) { return &NoeudModifiable(ecran).infos; }
void CTree::SetVisibleScreen(bool visible, int ecran) { NoeudModifiable(ecran).visible = visible; }
void CTree::SetEnabledScreen(bool actif, int ecran) { NoeudModifiable(ecran).actif = actif; }
void CTree::SetScreenCaption(int ecran, const std::string& libelle) { NoeudModifiable(ecran).libelle = libelle; }

void CTree::SelectScreen(int ecran) {
    NoeudModifiable(ecran);  // refuses an unknown screen
    selection_ = ecran;
}

TFenMainAssistant::TFenMainAssistant(TComponent* owner) : owner_(owner) {}

TFenMainAssistant::~TFenMainAssistant() {
    if (kvarn::frame::Etat().fenetrePrincipale == this) kvarn::frame::Etat().fenetrePrincipale = nullptr;
}

TFenMainAssistant* TFenMainAssistant::CreateInstance(TComponent* owner) {
    return kvarn::frame::Etat().fenetrePrincipale = new TFenMainAssistant(owner);
}

TFenMainAssistant* TFenMainAssistant::Instance() { return kvarn::frame::Etat().fenetrePrincipale; }
