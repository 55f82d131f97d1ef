#include "associates/controle_edi.hpp"

#include "common/text.hpp"
#include "frame/exports_proteges.hpp"
#include "host/boites.hpp"
#include "host/dossier.hpp"
#include "host/regimes.hpp"
#include "host/verifications.hpp"
#include "associates/liste_associes.hpp"

namespace kvarn::associates {
namespace {

// The qualities whose holder the returns always name: manager, managing associate, co-manager.
bool QualiteNommee(int qualite) {
    return qualite == QA_GERANT || qualite == QA_GERANT_ASSOCIE || qualite == QA_COGERANT;
}

bool Vierge(const Associe& a, int categorieDossier) {
    for (const std::string* texte : {&a.NomPatronymique, &a.NomMarital, &a.Prenoms, &a.AdrNoVoie, &a.AdrCmplNoVoie,
                                     &a.AdrNomVoie, &a.AdrComplmt1, &a.AdrComplmt2, &a.AdrBP, &a.AdrCP, &a.AdrVille,
                                     &a.CPNaissance, &a.LieuNaissance})
        if (!texte->empty()) return false;
    return a.Titre <= 0 && (categorieDossier == host::CI_RF_SOCIETE_IMMOBILIERE || !QualiteNommee(a.Qualite)) &&
           a.DateNaissance == 0;
}

bool Complet(const Associe& a) {
    return (!a.NomPatronymique.empty() || !a.NomMarital.empty()) && !a.Prenoms.empty() && !a.CPNaissance.empty() &&
           !a.LieuNaissance.empty() && a.DateNaissance != 0;
}

}  // namespace

EchecEdi ControlerEdi(const CarteAssocies& associes, int categorieDossier, const VerificateurNumeroFiscal& valide) {
    for (const auto& [id, a] : associes) {
        if (!a.PersonnePhysique) continue;
        if (!a.NoIdentFisc.empty() && !valide(a.NoIdentFisc)) return EchecEdi::NumeroFiscal;
        if (!Vierge(a, categorieDossier) && !Complet(a)) return EchecEdi::Incomplet;
    }
    return EchecEdi::Aucun;
}

}  // namespace kvarn::associates

bool AssociesPersPhysiques_ControlesEdiValides() {
    namespace as = kvarn::associates;
    const kvarn::frame::CrochetInitKV crochet;
    const CarteAssocies& associes = as::ListeChargee(kvarn::frame::DataModuleCree(), false).tous;
    const int categorie = kvarn::host::pCurDossier ? kvarn::host::pCurDossier->GetCategorie() : 0;
    const as::EchecEdi echec = as::ControlerEdi(associes, categorie, [](const std::string& numero) {
        return kvarn::host::VerificationNumeroFiscal(kvarn::ToWide(numero).c_str()) != 0;
    });
    if (echec == as::EchecEdi::Aucun) return true;
    kvarn::host::ZORErreur(echec == as::EchecEdi::NumeroFiscal ? as::kMessageNumeroFiscal : as::kMessageIncomplet);
    return false;
}
