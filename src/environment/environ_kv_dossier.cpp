// cEnvironKV, operations 16 to 43 and 48 to 58: the dossier record's dates, codes, address,
// identification numbers and activity codes, each read or written through the current dossier.
#include "environment/environ_kv.hpp"

#include "common/text.hpp"
#include "environment/hote_courant.hpp"

namespace kvarn::environment {
namespace {

constexpr int kFormeEntrepriseIndividuelle = 1;
constexpr std::size_t kLongueurSiren = 9;

}  // namespace

double cEnvironKV::GetDateDebEx() const { return DossierCourant().GetDateDebutExercice(); }
double cEnvironKV::GetDateFinEx() const { return DossierCourant().GetDateFinExercice(); }
// The record holds one more date beside the financial years and the activity: the day of its last
// export to ISACOMPTA, which the module also needs to tell an ISA-managed dossier (operation 14).
double cEnvironKV::GetDateDernierExport() const { return DossierCourant().GetDernierExportVersISACOMPTA(); }
double cEnvironKV::GetDateDebExNm1() const { return DossierCourant().GetDateDebutExercicePrecedent(); }
double cEnvironKV::GetDateFinExNm1() const { return DossierCourant().GetDateFinExercicePrecedent(); }
double cEnvironKV::GetDateSituation() const { return DossierCourant().GetDateSituation(); }
double cEnvironKV::GetDateDebActivite() const { return DossierCourant().GetDateDebutActivite(); }
void cEnvironKV::SetDateDebActivite(double date) { DossierCourant().SetDateDebutActivite(date); }
double cEnvironKV::GetDateCessationActivite() const { return DossierCourant().GetDateCessation(); }
void cEnvironKV::SetDateCessationActivite(double date) { DossierCourant().SetDateCessation(date); }

std::string cEnvironKV::GetExerciceDossier() const { return DossierCourant().GetDossierPropStrDyn(0); }
std::string cEnvironKV::GetTenuEn() const { return DossierCourant().GetTenuEn(); }

int cEnvironKV::RecupFormeJuridique() const { return DossierCourant().GetFormeJuridique(); }
int cEnvironKV::RecupRegimeFiscal() const { return DossierCourant().GetRegimeFiscal(); }
int cEnvironKV::RecupRegimeImposition() const { return DossierCourant().GetRegimeImposition(); }
int cEnvironKV::GetCategorieImposition() const { return DossierCourant().GetCategorie(); }
std::string cEnvironKV::RecupFormeJuridiqueCourte() const { return DossierCourant().GetInformationDossierCourt(0); }
std::string cEnvironKV::RecupLibelleFormeJuridique() const { return DossierCourant().GetInformationDossierLong(0); }
// The legal form belongs to the host's dossier record, changed in the host's own screens only.
void cEnvironKV::SauvFormeJuridique(int) {}
bool cEnvironKV::GetDossierEstEntrepriseIndividuel() const {
    return RecupFormeJuridique() == kFormeEntrepriseIndividuelle;
}

std::string cEnvironKV::GetBureauDistributeurDossier() const { return DossierCourant().GetBureauDistributeur(); }
void cEnvironKV::SetBureauDistributeurDossier(const std::string& bureau) {
    DossierCourant().SetBureauDistributeur(bureau);
}
void cEnvironKV::GetAdresseDossier(host::CAdresse& adresse) const { adresse = DossierCourant().GetAdresse(); }
void cEnvironKV::MAJAdresseDossier(const host::CAdresse& adresse) { DossierCourant().MAJAdresse(adresse); }

std::string cEnvironKV::GetActivitePrincipale() const { return DossierCourant().GetActivitePrincipale(); }
void cEnvironKV::SetActivitePrincipale(const std::string& activite) {
    DossierCourant().SetActivitePrincipale(activite);
}

std::string cEnvironKV::GetSiretDossier() const { return DossierCourant().GetSIRET(); }
std::string cEnvironKV::GetSirenDossier() const { return CutToWidth(GetSiretDossier(), kLongueurSiren); }

void cEnvironKV::SetAdrDeclarDiffDeAdrDest(bool differente) {
    DossierCourant().FichierINI().SetBool(kSectionAdrDeclarDifDest, kCleAdrDeclarDifDest, differente);
}

void cEnvironKV::GetNoIntraComm(tagNOINTRACOMM& numero) const { DossierCourant().GetNoIntraComm(numero); }
void cEnvironKV::SetNoIntraComm(const tagNOINTRACOMM& numero) { DossierCourant().SetNoIntraComm(numero); }
void cEnvironKV::GetDonneesAdministratives(tagDONNEES_ADM& donnees) const {
    DossierCourant().GetDonneesAdministratives(donnees);
}
void cEnvironKV::SetDonneesAdministratives(const tagDONNEES_ADM& donnees) {
    DossierCourant().SetDonneesAdministratives(donnees);
}

std::string cEnvironKV::GetCodeAPE() const { return DossierCourant().GetCodeAPE(); }
void cEnvironKV::SetCodeAPE(const std::string& code) { DossierCourant().SetCodeAPE(code); }
std::string cEnvironKV::GetCodeAPE2008() const { return DossierCourant().GetCodeAPE_2008(); }
void cEnvironKV::SetCodeAPE2008(const std::string& code) { DossierCourant().SetCodeAPE_2008(code); }
std::string cEnvironKV::GetCodeNACE() const { return DossierCourant().GetCodeNACE(); }
void cEnvironKV::SetCodeNACE(const std::string& code) { DossierCourant().SetCodeNACE(code); }

}  // namespace kvarn::environment
