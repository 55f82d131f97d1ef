#include "frame/environ_base_kv.hpp"

#include <stdexcept>
#include <string>

namespace kvarn::frame {
namespace {

// Operations over the dossier's standing data that this version does not carry yet: calling one
// is an error the caller reports, never a silent empty answer that could be stored as true.
[[noreturn]] void OperationAVenir(int numero) {
    throw std::logic_error("Opération " + std::to_string(numero) +
                           " de l'environnement du dossier non disponible dans cette version");
}

}  // namespace

cEnvironBaseKV::~cEnvironBaseKV() = default;

double cEnvironBaseKV::GetDateDebEx() const { OperationAVenir(16); }
double cEnvironBaseKV::GetDateFinEx() const { OperationAVenir(17); }
double cEnvironBaseKV::GetDateComplementaire() const { OperationAVenir(18); }
double cEnvironBaseKV::GetDateDebExNm1() const { OperationAVenir(19); }
double cEnvironBaseKV::GetDateFinExNm1() const { OperationAVenir(20); }
double cEnvironBaseKV::GetDateSituation() const { OperationAVenir(21); }
double cEnvironBaseKV::GetDateDebActivite() const { OperationAVenir(22); }
void cEnvironBaseKV::SetDateDebActivite(double) { OperationAVenir(23); }
double cEnvironBaseKV::GetDateCessationActivite() const { OperationAVenir(24); }
void cEnvironBaseKV::SetDateCessationActivite(double) { OperationAVenir(25); }
std::string cEnvironBaseKV::GetExerciceDossier() const { OperationAVenir(26); }
std::string cEnvironBaseKV::GetTenuEn() const { OperationAVenir(27); }
int cEnvironBaseKV::RecupFormeJuridique() const { OperationAVenir(28); }
int cEnvironBaseKV::RecupRegimeFiscal() const { OperationAVenir(29); }
int cEnvironBaseKV::RecupRegimeImposition() const { OperationAVenir(30); }
int cEnvironBaseKV::GetCategorieImposition() const { OperationAVenir(31); }
std::string cEnvironBaseKV::RecupFormeJuridiqueCourte() const { OperationAVenir(32); }
std::string cEnvironBaseKV::RecupLibelleFormeJuridique() const { OperationAVenir(33); }
void cEnvironBaseKV::SauvFormeJuridique(int) { OperationAVenir(34); }
std::string cEnvironBaseKV::GetBureauDistributeurDossier() const { OperationAVenir(35); }
void cEnvironBaseKV::SetBureauDistributeurDossier(const std::string&) { OperationAVenir(36); }
bool cEnvironBaseKV::GetDossierEstEntrepriseIndividuel() const { OperationAVenir(37); }
std::string cEnvironBaseKV::GetActivitePrincipale() const { OperationAVenir(38); }
std::string cEnvironBaseKV::GetSiretDossier() const { OperationAVenir(39); }
std::string cEnvironBaseKV::GetSirenDossier() const { OperationAVenir(40); }
void cEnvironBaseKV::SetAdrDeclarDiffDeAdrDest(bool) { OperationAVenir(41); }
void cEnvironBaseKV::GetAdresseDossier(host::CAdresse&) const { OperationAVenir(42); }
void cEnvironBaseKV::MAJAdresseDossier(const host::CAdresse&) { OperationAVenir(43); }
void cEnvironBaseKV::GetNoIntraComm(tagNOINTRACOMM&) const { OperationAVenir(48); }
void cEnvironBaseKV::SetDonneesAdministratives(const tagDONNEES_ADM&) { OperationAVenir(49); }
void cEnvironBaseKV::SetNoIntraComm(const tagNOINTRACOMM&) { OperationAVenir(50); }
void cEnvironBaseKV::SetCodeAPE2008(const std::string&) { OperationAVenir(51); }
void cEnvironBaseKV::SetCodeNACE(const std::string&) { OperationAVenir(52); }
void cEnvironBaseKV::SetActivitePrincipale(const std::string&) { OperationAVenir(53); }
void cEnvironBaseKV::GetDonneesAdministratives(tagDONNEES_ADM&) const { OperationAVenir(54); }
void cEnvironBaseKV::SetCodeAPE(const std::string&) { OperationAVenir(55); }
std::string cEnvironBaseKV::GetCodeAPE() const { OperationAVenir(56); }
std::string cEnvironBaseKV::GetCodeAPE2008() const { OperationAVenir(57); }
std::string cEnvironBaseKV::GetCodeNACE() const { OperationAVenir(58); }
void cEnvironBaseKV::SetROF_TVA(const std::string&) { OperationAVenir(59); }
std::string cEnvironBaseKV::GetROF_TVA(bool) const { OperationAVenir(60); }
void cEnvironBaseKV::SetROF_TDFC(const std::string&) { OperationAVenir(61); }
void cEnvironBaseKV::GetROF_TDFC(std::string&, std::string&, bool) const { OperationAVenir(62); }
void cEnvironBaseKV::SetROF_CVAE(const std::string&) { OperationAVenir(63); }
std::string cEnvironBaseKV::GetROF_CVAE(bool) const { OperationAVenir(64); }
void cEnvironBaseKV::SetROF_IS(const std::string&) { OperationAVenir(65); }
void cEnvironBaseKV::GetROF_IS(std::string&, std::string&, bool) const { OperationAVenir(66); }
void cEnvironBaseKV::SetROF_RCM(const std::string&) { OperationAVenir(67); }
std::string cEnvironBaseKV::GetROF_RCM(bool) const { OperationAVenir(68); }
bool cEnvironBaseKV::GetROFSaisieEtCalculee(int, std::string&, std::string&, std::string&) const {
    OperationAVenir(69);
}
std::string cEnvironBaseKV::GetRofRetenue(int) const { OperationAVenir(70); }
bool cEnvironBaseKV::SaisirROF(int, bool) { OperationAVenir(71); }
bool cEnvironBaseKV::GetEstPMEAuSensCommunautaire() const { OperationAVenir(72); }
bool cEnvironBaseKV::GetReserve() const { OperationAVenir(73); }
void cEnvironBaseKV::SetReserve() { OperationAVenir(74); }
void cEnvironBaseKV::DeselectionneSIE() { OperationAVenir(75); }
void cEnvironBaseKV::DeselectionneCGI() { OperationAVenir(76); }
void cEnvironBaseKV::DeselectionneComptable() { OperationAVenir(77); }
void cEnvironBaseKV::DeselectionneConseil() { OperationAVenir(78); }
void cEnvironBaseKV::DeselectionneAdministrateur() { OperationAVenir(79); }
int cEnvironBaseKV::GetDonneesEdiParametreesAuDossier() const { OperationAVenir(80); }
bool cEnvironBaseKV::GetComptableChoisiParDossier() const { OperationAVenir(81); }
bool cEnvironBaseKV::GetComptableSelectionne(INTERVENANT_KV&) const { OperationAVenir(82); }
bool cEnvironBaseKV::GetConseilSelectionne(INTERVENANT_KV&) const { OperationAVenir(83); }
bool cEnvironBaseKV::GetAdminSelectionne(INTERVENANT_KV&) const { OperationAVenir(84); }
bool cEnvironBaseKV::GetAGASelectionne(INTERVENANT_KV&) const { OperationAVenir(85); }
bool cEnvironBaseKV::SelectionneSIE(INTERVENANT_KV&) { OperationAVenir(86); }
bool cEnvironBaseKV::SelectionneCGI(INTERVENANT_KV&) { OperationAVenir(87); }
bool cEnvironBaseKV::GetSIESelectionne(INTERVENANT_KV&) const { OperationAVenir(88); }
bool cEnvironBaseKV::GetCGISelectionne(INTERVENANT_KV&) const { OperationAVenir(89); }
bool cEnvironBaseKV::SelectionneComptable(INTERVENANT_KV&, bool) { OperationAVenir(90); }
bool cEnvironBaseKV::SelectionneConseil(INTERVENANT_KV&) { OperationAVenir(91); }
bool cEnvironBaseKV::SelectionneAGA(INTERVENANT_KV&, bool) { OperationAVenir(92); }
bool cEnvironBaseKV::SelectionneCGA(INTERVENANT_KV&, bool) { OperationAVenir(93); }
bool cEnvironBaseKV::SelectionneAdmin(INTERVENANT_KV&, bool) { OperationAVenir(94); }
bool cEnvironBaseKV::GetIntervenantComptable(int, INTERVENANT_KV&) const { OperationAVenir(95); }
bool cEnvironBaseKV::GetIntervenantAdmin(int, INTERVENANT_KV&) const { OperationAVenir(96); }
bool cEnvironBaseKV::GetIntervenantOga(int, INTERVENANT_KV&, bool) const { OperationAVenir(97); }
void cEnvironBaseKV::GetAdresseDestDec(host::TAdresseFormatTDFC&, host::TAdresseFormatTDFC&) const {
    OperationAVenir(98);
}
void cEnvironBaseKV::SetAdresseDestDec(const host::TAdresseFormatTDFC&, const host::TAdresseFormatTDFC&) {
    OperationAVenir(99);
}
void cEnvironBaseKV::GetAdresseSiegeSocial(host::TAdresseFormatTDFC*, host::TAdresseFormatTDFC*) const {
    OperationAVenir(100);
}
void cEnvironBaseKV::SetAdresseSiegeSocial(const host::TAdresseFormatTDFC*, const host::TAdresseFormatTDFC*) {
    OperationAVenir(101);
}
void cEnvironBaseKV::GetAdresseDestDiff(host::TAdresseFormatTDFC&, std::string&) const { OperationAVenir(102); }
void cEnvironBaseKV::SetAdresseDestDiff(const host::TAdresseFormatTDFC&, const std::string&) {
    OperationAVenir(103);
}
void cEnvironBaseKV::GetAdresseSiegeSocial_PourCerfa(ADRESSE_CERFA_KV&, bool) const { OperationAVenir(104); }
bool cEnvironBaseKV::GetAssistantCompagnonInstalle() const { OperationAVenir(105); }

}  // namespace kvarn::frame
