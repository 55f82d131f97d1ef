// The exported standing-data accessors: each forwards to the environment operation of its number,
// through the protection that keeps errors inside the module (exports_proteges.hpp).
#include <kvarn/accesseurs.hpp>

#include "frame/exports_proteges.hpp"

#include <type_traits>
#include <utility>

namespace {

using kvarn::environment::cEnvironBaseKV;
using kvarn::environment::kUniteEnvironnement;

// Calls operation `numero` on the current environment; on error the place is 100 + `numero` and
// the result the type's empty value (0, false, empty text, a zeroed record).
template <auto Operation, class... Arguments>
auto Transmettre(std::uint32_t numero, Arguments&&... arguments) {
    using Resultat = std::invoke_result_t<decltype(Operation), cEnvironBaseKV&, Arguments...>;
    const std::uint32_t place = kvarn::frame::kPlacesOperations + numero;
    const auto appel = [&] {
        return (kvarn::frame::Environnement().*Operation)(std::forward<Arguments>(arguments)...);
    };
    if constexpr (std::is_void_v<Resultat>) kvarn::frame::Proteger(kUniteEnvironnement, place, appel);
    else return kvarn::frame::Proteger(kUniteEnvironnement, place, Resultat{}, appel);
}

}  // namespace

double GetDateDebEx() { return Transmettre<&cEnvironBaseKV::GetDateDebEx>(16); }
double GetDateFinEx() { return Transmettre<&cEnvironBaseKV::GetDateFinEx>(17); }
double GetDateDebExNm1() { return Transmettre<&cEnvironBaseKV::GetDateDebExNm1>(19); }
double GetDateFinExNm1() { return Transmettre<&cEnvironBaseKV::GetDateFinExNm1>(20); }
double GetDateSituation() { return Transmettre<&cEnvironBaseKV::GetDateSituation>(21); }
double GetDateDebActivite() { return Transmettre<&cEnvironBaseKV::GetDateDebActivite>(22); }
void SetDateDebActivite(double date) { Transmettre<&cEnvironBaseKV::SetDateDebActivite>(23, date); }
double GetDateCessationActivite() { return Transmettre<&cEnvironBaseKV::GetDateCessationActivite>(24); }
void SetDateCessationActivite(double date) { Transmettre<&cEnvironBaseKV::SetDateCessationActivite>(25, date); }

std::string GetExerciceDossier() { return Transmettre<&cEnvironBaseKV::GetExerciceDossier>(26); }
std::string GetTenuEn() { return Transmettre<&cEnvironBaseKV::GetTenuEn>(27); }

int RecupFormeJuridique() { return Transmettre<&cEnvironBaseKV::RecupFormeJuridique>(28); }
int RecupRegimeFiscal() { return Transmettre<&cEnvironBaseKV::RecupRegimeFiscal>(29); }
int RecupRegimeImposition() { return Transmettre<&cEnvironBaseKV::RecupRegimeImposition>(30); }
int GetCategorieImposition() { return Transmettre<&cEnvironBaseKV::GetCategorieImposition>(31); }
std::string RecupFormeJuridiqueCourte() { return Transmettre<&cEnvironBaseKV::RecupFormeJuridiqueCourte>(32); }
std::string RecupLibelleFormeJuridique() { return Transmettre<&cEnvironBaseKV::RecupLibelleFormeJuridique>(33); }
void SauvFormeJuridique(int forme) { Transmettre<&cEnvironBaseKV::SauvFormeJuridique>(34, forme); }
bool GetDossierEstEntrepriseIndividuel() {
    return Transmettre<&cEnvironBaseKV::GetDossierEstEntrepriseIndividuel>(37);
}

std::string GetBureauDistributeurDossier() { return Transmettre<&cEnvironBaseKV::GetBureauDistributeurDossier>(35); }
void SetBureauDistributeurDossier(const std::string& bureau) {
    Transmettre<&cEnvironBaseKV::SetBureauDistributeurDossier>(36, bureau);
}
void GetAdresseDossier(CAdresse& adresse) { Transmettre<&cEnvironBaseKV::GetAdresseDossier>(42, adresse); }
void MAJAdresseDossier(const CAdresse& adresse) { Transmettre<&cEnvironBaseKV::MAJAdresseDossier>(43, adresse); }

std::string GetSiretDossier() { return Transmettre<&cEnvironBaseKV::GetSiretDossier>(39); }
std::string GetSirenDossier() { return Transmettre<&cEnvironBaseKV::GetSirenDossier>(40); }
void GetNoIntraComm(tagNOINTRACOMM& numero) { Transmettre<&cEnvironBaseKV::GetNoIntraComm>(48, numero); }
void SetNoIntraComm(const tagNOINTRACOMM& numero) { Transmettre<&cEnvironBaseKV::SetNoIntraComm>(50, numero); }
void GetDonneesAdministratives(tagDONNEES_ADM& donnees) {
    Transmettre<&cEnvironBaseKV::GetDonneesAdministratives>(54, donnees);
}
void SetDonneesAdministratives(const tagDONNEES_ADM& donnees) {
    Transmettre<&cEnvironBaseKV::SetDonneesAdministratives>(49, donnees);
}

std::string GetActivitePrincipale() { return Transmettre<&cEnvironBaseKV::GetActivitePrincipale>(38); }
void SetActivitePrincipale(const std::string& activite) {
    Transmettre<&cEnvironBaseKV::SetActivitePrincipale>(53, activite);
}
std::string GetCodeAPE() { return Transmettre<&cEnvironBaseKV::GetCodeAPE>(56); }
void SetCodeAPE(const std::string& code) { Transmettre<&cEnvironBaseKV::SetCodeAPE>(55, code); }
std::string GetCodeAPE2008() { return Transmettre<&cEnvironBaseKV::GetCodeAPE2008>(57); }
void SetCodeAPE2008(const std::string& code) { Transmettre<&cEnvironBaseKV::SetCodeAPE2008>(51, code); }
std::string GetCodeNACE() { return Transmettre<&cEnvironBaseKV::GetCodeNACE>(58); }
void SetCodeNACE(const std::string& code) { Transmettre<&cEnvironBaseKV::SetCodeNACE>(52, code); }

std::string GetROF_TVA(bool calculee) { return Transmettre<&cEnvironBaseKV::GetROF_TVA>(60, calculee); }
void GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) {
    Transmettre<&cEnvironBaseKV::GetROF_TDFC>(62, partie1, partie2, calculee);
}
void SetROF_TDFC(const std::string& rof) { Transmettre<&cEnvironBaseKV::SetROF_TDFC>(61, rof); }
std::string GetROF_CVAE(bool calculee) { return Transmettre<&cEnvironBaseKV::GetROF_CVAE>(64, calculee); }
void SetROF_CVAE(const std::string& rof) { Transmettre<&cEnvironBaseKV::SetROF_CVAE>(63, rof); }
std::string GetROF_RCM(bool calculee) { return Transmettre<&cEnvironBaseKV::GetROF_RCM>(68, calculee); }
void SetROF_RCM(const std::string& rof) { Transmettre<&cEnvironBaseKV::SetROF_RCM>(67, rof); }
bool GetROFSaisieEtCalculee(int type, std::string& libelle, std::string& saisie, std::string& calculee) {
    return Transmettre<&cEnvironBaseKV::GetROFSaisieEtCalculee>(69, type, libelle, saisie, calculee);
}
std::string GetRofRetenue(int type) { return Transmettre<&cEnvironBaseKV::GetRofRetenue>(70, type); }
bool SaisirROF(int type, bool obligatoire) { return Transmettre<&cEnvironBaseKV::SaisirROF>(71, type, obligatoire); }

bool GetEstPMEAuSensCommunautaire() { return Transmettre<&cEnvironBaseKV::GetEstPMEAuSensCommunautaire>(72); }

void DeselectionneSIE() { Transmettre<&cEnvironBaseKV::DeselectionneSIE>(75); }
void DeselectionneCGI() { Transmettre<&cEnvironBaseKV::DeselectionneCGI>(76); }
void DeselectionneComptable() { Transmettre<&cEnvironBaseKV::DeselectionneComptable>(77); }
void DeselectionneConseil() { Transmettre<&cEnvironBaseKV::DeselectionneConseil>(78); }
void DeselectionneAdministrateur() { Transmettre<&cEnvironBaseKV::DeselectionneAdministrateur>(79); }
bool GetComptableSelectionne(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::GetComptableSelectionne>(82, i); }
bool GetConseilSelectionne(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::GetConseilSelectionne>(83, i); }
bool GetAdminSelectionne(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::GetAdminSelectionne>(84, i); }
bool GetAGASelectionne(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::GetAGASelectionne>(85, i); }
bool SelectionneSIE(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::SelectionneSIE>(86, i); }
bool SelectionneCGI(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::SelectionneCGI>(87, i); }
bool GetSIESelectionne(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::GetSIESelectionne>(88, i); }
bool GetCGISelectionne(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::GetCGISelectionne>(89, i); }
bool SelectionneComptable(INTERVENANT_KV& i, bool drapeau) {
    return Transmettre<&cEnvironBaseKV::SelectionneComptable>(90, i, drapeau);
}
bool SelectionneConseil(INTERVENANT_KV& i) { return Transmettre<&cEnvironBaseKV::SelectionneConseil>(91, i); }
bool SelectionneAGA(INTERVENANT_KV& i, bool drapeau) {
    return Transmettre<&cEnvironBaseKV::SelectionneAGA>(92, i, drapeau);
}
bool SelectionneCGA(INTERVENANT_KV& i, bool drapeau) {
    return Transmettre<&cEnvironBaseKV::SelectionneCGA>(93, i, drapeau);
}
bool SelectionneAdmin(INTERVENANT_KV& i, bool drapeau) {
    return Transmettre<&cEnvironBaseKV::SelectionneAdmin>(94, i, drapeau);
}
bool GetIntervenantComptable(int id, INTERVENANT_KV& i) {
    return Transmettre<&cEnvironBaseKV::GetIntervenantComptable>(95, id, i);
}
bool GetIntervenantAdmin(int id, INTERVENANT_KV& i) {
    return Transmettre<&cEnvironBaseKV::GetIntervenantAdmin>(96, id, i);
}
bool GetIntervenantOga(int id, INTERVENANT_KV& i, bool aga) {
    return Transmettre<&cEnvironBaseKV::GetIntervenantOga>(97, id, i, aga);
}

void GetAdresseDestDec(TAdresseFormatTDFC& dossier, TAdresseFormatTDFC& declarant) {
    Transmettre<&cEnvironBaseKV::GetAdresseDestDec>(98, dossier, declarant);
}
void SetAdresseDestDec(const TAdresseFormatTDFC& dossier, const TAdresseFormatTDFC& declarant) {
    Transmettre<&cEnvironBaseKV::SetAdresseDestDec>(99, dossier, declarant);
}
void GetAdresseSiegeSocial(TAdresseFormatTDFC* exercicePrecedent, TAdresseFormatTDFC* courant) {
    Transmettre<&cEnvironBaseKV::GetAdresseSiegeSocial>(100, exercicePrecedent, courant);
}
void SetAdresseSiegeSocial(const TAdresseFormatTDFC* exercicePrecedent, const TAdresseFormatTDFC* courant) {
    Transmettre<&cEnvironBaseKV::SetAdresseSiegeSocial>(101, exercicePrecedent, courant);
}
void GetAdresseDestDiff(TAdresseFormatTDFC& adresse, std::string& nom) {
    Transmettre<&cEnvironBaseKV::GetAdresseDestDiff>(102, adresse, nom);
}
void SetAdresseDestDiff(const TAdresseFormatTDFC& adresse, const std::string& nom) {
    Transmettre<&cEnvironBaseKV::SetAdresseDestDiff>(103, adresse, nom);
}
ADRESSE_CERFA_KV GetAdresseSiegeSocial_PourCerfa(bool courant) {
    return Transmettre<&cEnvironBaseKV::GetAdresseSiegeSocial_PourCerfa>(104, courant);
}

void SetAdrDeclarDiffDeAdrDest(bool differente) {
    Transmettre<&cEnvironBaseKV::SetAdrDeclarDiffDeAdrDest>(41, differente);
}
