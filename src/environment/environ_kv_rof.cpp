// cEnvironKV, operations 59 to 72: the dossier's tax-obligation references (ROF), the request for a
// missing or conflicting one, and the small-company flag.
//
// The dossier record keeps two references per obligation: the one the user entered and the one
// computed from the administration's reports (ARS). The record's setters change the entered one
// and are always asked to write at once; the getters pass the caller's choice between the two.
// TDFC and IS references come in two parts (code letters and number) that the module joins.
#include "environment/environ_kv.hpp"

#include "environment/hote_courant.hpp"
#include "environment/messages_rof.hpp"
#include "environment/ouvreur_num_generaux.hpp"
#include "host/boites.hpp"

namespace kvarn::environment {
namespace {

using host::TypeROF;

// The labels of the obligations, by type; the type is the index.
constexpr const char* kLibellesROF[] = {"TVA", "TDFC", "IS", "CVAE", "RCM"};
constexpr int kNombreTypesROF = 5;

constexpr bool kEnregistrer = true;

std::string MessageROFAbsente(const std::string& libelle) {
    return "Vous n'avez pas renseigné la ROF (Référence Obligation Fiscale) " + libelle +
           ".\nNous vous conseillons de saisir cette information avant de poursuivre la préparation EDI "
           "de votre dossier afin d'éviter un rejet de télétransmission et d'anticiper l'obligation 2016."
           "\nSouhaitez-vous mettre à jour la ROF ?";
}

// One reference of an obligation as a single text, the two-part ones joined without separator.
std::string Reference(const cEnvironBaseKV& environnement, TypeROF type, bool calculee) {
    std::string partie1, partie2;
    switch (type) {
        case TypeROF::TVA: return environnement.GetROF_TVA(calculee);
        case TypeROF::TDFC: environnement.GetROF_TDFC(partie1, partie2, calculee); return partie1 + partie2;
        case TypeROF::IS: environnement.GetROF_IS(partie1, partie2, calculee); return partie1 + partie2;
        case TypeROF::CVAE: return environnement.GetROF_CVAE(calculee);
        case TypeROF::RCM: return environnement.GetROF_RCM(calculee);
    }
    return {};
}

}  // namespace

void cEnvironKV::SetROF_TVA(const std::string& rof) { DossierCourant().SetROF_TVA(rof, kEnregistrer); }
std::string cEnvironKV::GetROF_TVA(bool calculee) const { return DossierCourant().GetROF_TVA(calculee); }
void cEnvironKV::SetROF_TDFC(const std::string& rof) { DossierCourant().SetROF_TDFC(rof, kEnregistrer); }
void cEnvironKV::GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) const {
    DossierCourant().GetROF_TDFC(partie1, partie2, calculee);
}
void cEnvironKV::SetROF_CVAE(const std::string& rof) { DossierCourant().SetROF_CVAE(rof, kEnregistrer); }
std::string cEnvironKV::GetROF_CVAE(bool calculee) const { return DossierCourant().GetROF_CVAE(calculee); }
void cEnvironKV::SetROF_IS(const std::string& rof) { DossierCourant().SetROF_IS(rof, kEnregistrer); }
void cEnvironKV::GetROF_IS(std::string& partie1, std::string& partie2, bool calculee) const {
    DossierCourant().GetROF_IS(partie1, partie2, calculee);
}
void cEnvironKV::SetROF_RCM(const std::string& rof) { DossierCourant().SetROF_RCM(rof, kEnregistrer); }
std::string cEnvironKV::GetROF_RCM(bool calculee) const { return DossierCourant().GetROF_RCM(calculee); }

bool cEnvironKV::GetROFSaisieEtCalculee(int type, std::string& libelle, std::string& saisie,
                                        std::string& calculee) const {
    if (type < 0 || type >= kNombreTypesROF) return false;
    libelle = kLibellesROF[type];
    saisie = Reference(*this, static_cast<TypeROF>(type), false);
    calculee = Reference(*this, static_cast<TypeROF>(type), true);
    return true;
}

// The reference the returns should carry: the administration's computed one wins when the dossier
// has it, since that is what the tax office will match; else the one the user entered. An unknown
// type has none.
std::string cEnvironKV::GetRofRetenue(int type) const {
    std::string libelle, saisie, calculee;
    if (!GetROFSaisieEtCalculee(type, libelle, saisie, calculee)) return {};
    return calculee.empty() ? saisie : calculee;
}

bool cEnvironKV::SaisirROF(int type, bool obligatoire) {
    std::string libelle, saisie, calculee;
    if (!GetROFSaisieEtCalculee(type, libelle, saisie, calculee)) return false;
    bool ouvrir = false;
    if (saisie.empty() && calculee.empty()) {
        if (obligatoire) {
            host::ZORAttention(MessageROFNonRenseignees({libelle}));
            ouvrir = true;
        } else {
            ouvrir = host::ZORQuestion(MessageROFAbsente(libelle), kTitreROF);
        }
    } else if (!saisie.empty() && !calculee.empty() && saisie != calculee) {
        ouvrir = host::ZORQuestion(MessageROFDifferentes({libelle}), kTitreROF);
    }
    if (ouvrir) OuvrirNumGenerauxPourROF(type, obligatoire);
    return true;
}

bool cEnvironKV::GetEstPMEAuSensCommunautaire() const {
    return DossierCourant().FichierINI().GetBool(kSectionKV, kClePMEAuSensCommunautaire, false);
}

}  // namespace kvarn::environment
