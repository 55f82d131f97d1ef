// cEnvironKV: the environment interface answered by the installed host.
//
// Directories come from the host environment's NomFichier2 codes, the user and company from the
// host environment, the dossier's name, first name and label from the current dossier record; the
// aliases are the table engine's names and the session is always the default one. Operation 14
// combines the host's start-up flag with the dossier's ISA link; operation 44 asks the host to copy
// the module's tables (tables_dossier.hpp); operations 46 and 47 create and destroy the settings
// store. The host is
// read through the globals it installs (pEnvironnement, pCurDossier), at each call, so the object
// may be built before a dossier is open; an operation that needs a missing host throws in French.
//
// The standing-data operations live in one file per family: environ_kv_dossier.cpp (16 to 43 and
// 48 to 58: dates, codes, the dossier's address, numbers, activity codes), environ_kv_rof.cpp (59
// to 72: tax-obligation references and the small-company flag), environ_kv_intervenants.cpp (73
// to 97 and 105: outside parties) and environ_kv_adresses.cpp (98 to 104: addresses laid out for
// the returns). Each reads or writes the host at the moment it is called and keeps nothing.
#pragma once

#include "environment/environ_base_kv.hpp"

#include <cstdint>

namespace kvarn::environment {

// The dossier and temporary aliases are the engine's (db/session.hpp); the common one is named
// only here, since no table of the module lives there.
inline constexpr const char* kAliasCommun = "ZOR_COMMUN";
// The environment adapter's unit in the location codes of the exception box.
inline constexpr std::uint32_t kUniteEnvironnement = 2202;

// Where the host's settings file keeps the flag "the declarant's address differs from the
// recipient's": section "DEFAULT", in English, not the "DEFAUT" of the other host settings. The
// module's settings store reads the same key back (both open the same file).
inline constexpr const char* kSectionAdrDeclarDifDest = "DEFAULT";
inline constexpr const char* kCleAdrDeclarDifDest = "AdrDeclarDifDest";
// The companion module whose presence decides how the dossier's accountant is found.
inline constexpr int kAssistantCompagnon = 148;
// Keys of section "KV" that the settings file's readers here and the screens that write them
// share: the small-or-medium-enterprise flag, and the SIREN of the company (SCM, SEP or SCP) of
// which the dossier is an associate.
inline constexpr const char* kClePMEAuSensCommunautaire = "PMEAuSensCommunautaire";
inline constexpr const char* kCleSirenSocieteAssociee = "SirentSocieteSiAssocieSCM_SEP_SCP";

class cEnvironKV : public cEnvironBaseKV {
public:
    /* 0 */ ~cEnvironKV() override;
    /* 1 */ void Initialiser() override;
    /* 2 */ std::string GetNomUtilisateur() const override;
    /* 3 */ std::string GetRaisonSociale() const override;
    /* 4 */ std::string GetNomDossier() const override;
    /* 5 */ std::string GetPrenomDossier() const override;
    /* 6 */ std::string GetRepCommun() const override;
    /* 7 */ std::string GetRepExe() const override;
    /* 8 */ std::string GetRepDossier() const override;
    /* 9 */ std::string GetRepTmp() const override;
    /* 10 */ std::string GetNomSession() const override;
    /* 11 */ std::string GetAliasDossier() const override;
    /* 12 */ std::string GetAliasTmp() const override;
    /* 13 */ std::string GetAliasCommun() const override;
    /* 14 */ bool GetTraitementISAGI() const override;
    /* 15 */ std::string GetLibelleDossier() const override;
    /* 16 */ double GetDateDebEx() const override;
    /* 17 */ double GetDateFinEx() const override;
    /* 18 */ double GetDateDernierExport() const override;
    /* 19 */ double GetDateDebExNm1() const override;
    /* 20 */ double GetDateFinExNm1() const override;
    /* 21 */ double GetDateSituation() const override;
    /* 22 */ double GetDateDebActivite() const override;
    /* 23 */ void SetDateDebActivite(double date) override;
    /* 24 */ double GetDateCessationActivite() const override;
    /* 25 */ void SetDateCessationActivite(double date) override;
    /* 26 */ std::string GetExerciceDossier() const override;
    /* 27 */ std::string GetTenuEn() const override;
    /* 28 */ int RecupFormeJuridique() const override;
    /* 29 */ int RecupRegimeFiscal() const override;
    /* 30 */ int RecupRegimeImposition() const override;
    /* 31 */ int GetCategorieImposition() const override;
    /* 32 */ std::string RecupFormeJuridiqueCourte() const override;
    /* 33 */ std::string RecupLibelleFormeJuridique() const override;
    /* 34 */ void SauvFormeJuridique(int formeJuridique) override;
    /* 35 */ std::string GetBureauDistributeurDossier() const override;
    /* 36 */ void SetBureauDistributeurDossier(const std::string& bureau) override;
    /* 37 */ bool GetDossierEstEntrepriseIndividuel() const override;
    /* 38 */ std::string GetActivitePrincipale() const override;
    /* 39 */ std::string GetSiretDossier() const override;
    /* 40 */ std::string GetSirenDossier() const override;
    /* 41 */ void SetAdrDeclarDiffDeAdrDest(bool differente) override;
    /* 42 */ void GetAdresseDossier(host::CAdresse& adresse) const override;
    /* 43 */ void MAJAdresseDossier(const host::CAdresse& adresse) override;
    /* 44 */ void CopierTables() override;
    /* 45 */ std::string GetFichierINI() const override;
    /* 46 */ void CreateFichierIni() override;
    /* 47 */ void DetruireFichierIni() override;
    /* 48 */ void GetNoIntraComm(tagNOINTRACOMM& numero) const override;
    /* 49 */ void SetDonneesAdministratives(const tagDONNEES_ADM& donnees) override;
    /* 50 */ void SetNoIntraComm(const tagNOINTRACOMM& numero) override;
    /* 51 */ void SetCodeAPE2008(const std::string& code) override;
    /* 52 */ void SetCodeNACE(const std::string& code) override;
    /* 53 */ void SetActivitePrincipale(const std::string& activite) override;
    /* 54 */ void GetDonneesAdministratives(tagDONNEES_ADM& donnees) const override;
    /* 55 */ void SetCodeAPE(const std::string& code) override;
    /* 56 */ std::string GetCodeAPE() const override;
    /* 57 */ std::string GetCodeAPE2008() const override;
    /* 58 */ std::string GetCodeNACE() const override;
    /* 59 */ void SetROF_TVA(const std::string& rof) override;
    /* 60 */ std::string GetROF_TVA(bool calculee) const override;
    /* 61 */ void SetROF_TDFC(const std::string& rof) override;
    /* 62 */ void GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) const override;
    /* 63 */ void SetROF_CVAE(const std::string& rof) override;
    /* 64 */ std::string GetROF_CVAE(bool calculee) const override;
    /* 65 */ void SetROF_IS(const std::string& rof) override;
    /* 66 */ void GetROF_IS(std::string& partie1, std::string& partie2, bool calculee) const override;
    /* 67 */ void SetROF_RCM(const std::string& rof) override;
    /* 68 */ std::string GetROF_RCM(bool calculee) const override;
    /* 69 */ bool GetROFSaisieEtCalculee(int type, std::string& libelle, std::string& saisie,
                                         std::string& calculee) const override;
    /* 70 */ std::string GetRofRetenue(int type) const override;
    /* 71 */ bool SaisirROF(int type, bool obligatoire) override;
    /* 72 */ bool GetEstPMEAuSensCommunautaire() const override;
    /* 73 */ bool GetReserve() const override;
    /* 74 */ void SetReserve() override;
    /* 75 */ void DeselectionneSIE() override;
    /* 76 */ void DeselectionneCGI() override;
    /* 77 */ void DeselectionneComptable() override;
    /* 78 */ void DeselectionneConseil() override;
    /* 79 */ void DeselectionneAdministrateur() override;
    /* 80 */ int GetDonneesEdiParametreesAuDossier() const override;
    /* 81 */ bool GetComptableChoisiParDossier() const override;
    /* 82 */ bool GetComptableSelectionne(INTERVENANT_KV& intervenant) const override;
    /* 83 */ bool GetConseilSelectionne(INTERVENANT_KV& intervenant) const override;
    /* 84 */ bool GetAdminSelectionne(INTERVENANT_KV& intervenant) const override;
    /* 85 */ bool GetAGASelectionne(INTERVENANT_KV& intervenant) const override;
    /* 86 */ bool SelectionneSIE(INTERVENANT_KV& intervenant) override;
    /* 87 */ bool SelectionneCGI(INTERVENANT_KV& intervenant) override;
    /* 88 */ bool GetSIESelectionne(INTERVENANT_KV& intervenant) const override;
    /* 89 */ bool GetCGISelectionne(INTERVENANT_KV& intervenant) const override;
    /* 90 */ bool SelectionneComptable(INTERVENANT_KV& intervenant, bool drapeau) override;
    /* 91 */ bool SelectionneConseil(INTERVENANT_KV& intervenant) override;
    /* 92 */ bool SelectionneAGA(INTERVENANT_KV& intervenant, bool drapeau) override;
    /* 93 */ bool SelectionneCGA(INTERVENANT_KV& intervenant, bool drapeau) override;
    /* 94 */ bool SelectionneAdmin(INTERVENANT_KV& intervenant, bool drapeau) override;
    /* 95 */ bool GetIntervenantComptable(int id, INTERVENANT_KV& intervenant) const override;
    /* 96 */ bool GetIntervenantAdmin(int id, INTERVENANT_KV& intervenant) const override;
    /* 97 */ bool GetIntervenantOga(int id, INTERVENANT_KV& intervenant, bool aga) const override;
    /* 98 */ void GetAdresseDestDec(host::TAdresseFormatTDFC& dossier,
                                    host::TAdresseFormatTDFC& declarant) const override;
    /* 99 */ void SetAdresseDestDec(const host::TAdresseFormatTDFC& dossier,
                                    const host::TAdresseFormatTDFC& declarant) override;
    /* 100 */ void GetAdresseSiegeSocial(host::TAdresseFormatTDFC* exercicePrecedent,
                                         host::TAdresseFormatTDFC* courant) const override;
    /* 101 */ void SetAdresseSiegeSocial(const host::TAdresseFormatTDFC* exercicePrecedent,
                                         const host::TAdresseFormatTDFC* courant) override;
    /* 102 */ void GetAdresseDestDiff(host::TAdresseFormatTDFC& adresse, std::string& nom) const override;
    /* 103 */ void SetAdresseDestDiff(const host::TAdresseFormatTDFC& adresse, const std::string& nom) override;
    /* 104 */ ADRESSE_CERFA_KV GetAdresseSiegeSocial_PourCerfa(bool courant) const override;
    /* 105 */ bool GetAssistantCompagnonInstalle() const override;
};

}  // namespace kvarn::environment
