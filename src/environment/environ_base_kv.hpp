// cEnvironBaseKV: everything the module asks about where it runs, as one interface.
//
// The environment object answers with directories, aliases, user, session, the dossier's identity,
// the ISA start-up test and the table copy (operations 0 to 15 and 44 to 47), and with the
// dossier's standing data kept by the host (operations 16 to 105): dates, codes, addresses,
// identification numbers, tax-obligation references, outside parties. Its one member is the
// module's settings store, owned, created by operation 46 and destroyed by operation 47 or with
// the object.
//
// The operations are numbered from 0 in declaration order; the number stands before each one and
// the code that calls an operation by number (the exported accessors) relies on that number, never
// on a vtable slot. Every operation is pure here; cEnvironKV answers them over the installed host.
// Names marked "(named here)" are not fixed elsewhere. Records passed by reference are owned by
// the caller and filled or read in place.
#pragma once

#include "environment/gest_trp_ini.hpp"
#include "host/adresse.hpp"

#include <kvarn/kvarn.h>

#include <memory>
#include <string>

namespace kvarn::environment {

class cEnvironBaseKV {
public:
    cEnvironBaseKV() = default;
    cEnvironBaseKV(const cEnvironBaseKV&) = delete;
    cEnvironBaseKV& operator=(const cEnvironBaseKV&) = delete;

    /* 0 */ virtual ~cEnvironBaseKV();
    /* 1 */ virtual void Initialiser() = 0;
    /* 2 */ virtual std::string GetNomUtilisateur() const = 0;
    /* 3 */ virtual std::string GetRaisonSociale() const = 0;
    /* 4 */ virtual std::string GetNomDossier() const = 0;
    /* 5 */ virtual std::string GetPrenomDossier() const = 0;
    /* 6 */ virtual std::string GetRepCommun() const = 0;
    /* 7 */ virtual std::string GetRepExe() const = 0;
    /* 8 */ virtual std::string GetRepDossier() const = 0;
    /* 9 */ virtual std::string GetRepTmp() const = 0;
    /* 10 */ virtual std::string GetNomSession() const = 0;
    /* 11 */ virtual std::string GetAliasDossier() const = 0;
    /* 12 */ virtual std::string GetAliasTmp() const = 0;
    /* 13 */ virtual std::string GetAliasCommun() const = 0;
    /* 14 */ virtual bool GetTraitementISAGI() const = 0;
    /* 15 */ virtual std::string GetLibelleDossier() const = 0;

    /* 16 */ virtual double GetDateDebEx() const = 0;
    /* 17 */ virtual double GetDateFinEx() const = 0;
    /* 18 */ virtual double GetDateDernierExport() const = 0;  // last export to ISACOMPTA (named here)
    /* 19 */ virtual double GetDateDebExNm1() const = 0;
    /* 20 */ virtual double GetDateFinExNm1() const = 0;
    /* 21 */ virtual double GetDateSituation() const = 0;
    /* 22 */ virtual double GetDateDebActivite() const = 0;
    /* 23 */ virtual void SetDateDebActivite(double date) = 0;
    /* 24 */ virtual double GetDateCessationActivite() const = 0;
    /* 25 */ virtual void SetDateCessationActivite(double date) = 0;
    /* 26 */ virtual std::string GetExerciceDossier() const = 0;
    /* 27 */ virtual std::string GetTenuEn() const = 0;
    /* 28 */ virtual int RecupFormeJuridique() const = 0;
    /* 29 */ virtual int RecupRegimeFiscal() const = 0;
    /* 30 */ virtual int RecupRegimeImposition() const = 0;
    /* 31 */ virtual int GetCategorieImposition() const = 0;
    /* 32 */ virtual std::string RecupFormeJuridiqueCourte() const = 0;
    /* 33 */ virtual std::string RecupLibelleFormeJuridique() const = 0;
    /* 34 */ virtual void SauvFormeJuridique(int formeJuridique) = 0;
    /* 35 */ virtual std::string GetBureauDistributeurDossier() const = 0;
    /* 36 */ virtual void SetBureauDistributeurDossier(const std::string& bureau) = 0;
    /* 37 */ virtual bool GetDossierEstEntrepriseIndividuel() const = 0;
    /* 38 */ virtual std::string GetActivitePrincipale() const = 0;
    /* 39 */ virtual std::string GetSiretDossier() const = 0;
    /* 40 */ virtual std::string GetSirenDossier() const = 0;
    /* 41 */ virtual void SetAdrDeclarDiffDeAdrDest(bool differente) = 0;
    /* 42 */ virtual void GetAdresseDossier(host::CAdresse& adresse) const = 0;
    /* 43 */ virtual void MAJAdresseDossier(const host::CAdresse& adresse) = 0;
    /* 44 */ virtual void CopierTables() = 0;  // (named here)
    /* 45 */ virtual std::string GetFichierINI() const = 0;
    /* 46 */ virtual void CreateFichierIni() = 0;
    /* 47 */ virtual void DetruireFichierIni() = 0;  // (named here)
    /* 48 */ virtual void GetNoIntraComm(tagNOINTRACOMM& numero) const = 0;
    /* 49 */ virtual void SetDonneesAdministratives(const tagDONNEES_ADM& donnees) = 0;
    /* 50 */ virtual void SetNoIntraComm(const tagNOINTRACOMM& numero) = 0;
    /* 51 */ virtual void SetCodeAPE2008(const std::string& code) = 0;
    /* 52 */ virtual void SetCodeNACE(const std::string& code) = 0;
    /* 53 */ virtual void SetActivitePrincipale(const std::string& activite) = 0;
    /* 54 */ virtual void GetDonneesAdministratives(tagDONNEES_ADM& donnees) const = 0;
    /* 55 */ virtual void SetCodeAPE(const std::string& code) = 0;
    /* 56 */ virtual std::string GetCodeAPE() const = 0;
    /* 57 */ virtual std::string GetCodeAPE2008() const = 0;
    /* 58 */ virtual std::string GetCodeNACE() const = 0;
    /* 59 */ virtual void SetROF_TVA(const std::string& rof) = 0;  // (named here)
    /* 60 */ virtual std::string GetROF_TVA(bool calculee) const = 0;
    /* 61 */ virtual void SetROF_TDFC(const std::string& rof) = 0;
    /* 62 */ virtual void GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) const = 0;
    /* 63 */ virtual void SetROF_CVAE(const std::string& rof) = 0;
    /* 64 */ virtual std::string GetROF_CVAE(bool calculee) const = 0;
    /* 65 */ virtual void SetROF_IS(const std::string& rof) = 0;  // (named here)
    // (named here)
    /* 66 */ virtual void GetROF_IS(std::string& partie1, std::string& partie2, bool calculee) const = 0;
    /* 67 */ virtual void SetROF_RCM(const std::string& rof) = 0;
    /* 68 */ virtual std::string GetROF_RCM(bool calculee) const = 0;
    /* 69 */ virtual bool GetROFSaisieEtCalculee(int type, std::string& libelle, std::string& saisie,
                                                 std::string& calculee) const = 0;
    /* 70 */ virtual std::string GetRofRetenue(int type) const = 0;
    /* 71 */ virtual bool SaisirROF(int type, bool obligatoire) = 0;
    /* 72 */ virtual bool GetEstPMEAuSensCommunautaire() const = 0;
    /* 73 */ virtual bool GetReserve() const = 0;  // answers false; no further role (named here)
    /* 74 */ virtual void SetReserve() = 0;  // does nothing; no further role (named here)
    /* 75 */ virtual void DeselectionneSIE() = 0;
    /* 76 */ virtual void DeselectionneCGI() = 0;
    /* 77 */ virtual void DeselectionneComptable() = 0;
    /* 78 */ virtual void DeselectionneConseil() = 0;
    /* 79 */ virtual void DeselectionneAdministrateur() = 0;
    /* 80 */ virtual int GetDonneesEdiParametreesAuDossier() const = 0;
    /* 81 */ virtual bool GetComptableChoisiParDossier() const = 0;  // (named here)
    /* 82 */ virtual bool GetComptableSelectionne(INTERVENANT_KV& intervenant) const = 0;
    /* 83 */ virtual bool GetConseilSelectionne(INTERVENANT_KV& intervenant) const = 0;
    /* 84 */ virtual bool GetAdminSelectionne(INTERVENANT_KV& intervenant) const = 0;
    /* 85 */ virtual bool GetAGASelectionne(INTERVENANT_KV& intervenant) const = 0;
    /* 86 */ virtual bool SelectionneSIE(INTERVENANT_KV& intervenant) = 0;
    /* 87 */ virtual bool SelectionneCGI(INTERVENANT_KV& intervenant) = 0;
    /* 88 */ virtual bool GetSIESelectionne(INTERVENANT_KV& intervenant) const = 0;
    /* 89 */ virtual bool GetCGISelectionne(INTERVENANT_KV& intervenant) const = 0;
    /* 90 */ virtual bool SelectionneComptable(INTERVENANT_KV& intervenant, bool drapeau) = 0;
    /* 91 */ virtual bool SelectionneConseil(INTERVENANT_KV& intervenant) = 0;
    /* 92 */ virtual bool SelectionneAGA(INTERVENANT_KV& intervenant, bool drapeau) = 0;
    /* 93 */ virtual bool SelectionneCGA(INTERVENANT_KV& intervenant, bool drapeau) = 0;
    /* 94 */ virtual bool SelectionneAdmin(INTERVENANT_KV& intervenant, bool drapeau) = 0;
    /* 95 */ virtual bool GetIntervenantComptable(int id, INTERVENANT_KV& intervenant) const = 0;
    /* 96 */ virtual bool GetIntervenantAdmin(int id, INTERVENANT_KV& intervenant) const = 0;
    /* 97 */ virtual bool GetIntervenantOga(int id, INTERVENANT_KV& intervenant, bool aga) const = 0;
    /* 98 */ virtual void GetAdresseDestDec(host::TAdresseFormatTDFC& dossier,
                                            host::TAdresseFormatTDFC& declarant) const = 0;
    /* 99 */ virtual void SetAdresseDestDec(const host::TAdresseFormatTDFC& dossier,
                                            const host::TAdresseFormatTDFC& declarant) = 0;
    /* 100 */ virtual void GetAdresseSiegeSocial(host::TAdresseFormatTDFC* exercicePrecedent,
                                                 host::TAdresseFormatTDFC* courant) const = 0;
    /* 101 */ virtual void SetAdresseSiegeSocial(const host::TAdresseFormatTDFC* exercicePrecedent,
                                                 const host::TAdresseFormatTDFC* courant) = 0;
    /* 102 */ virtual void GetAdresseDestDiff(host::TAdresseFormatTDFC& adresse, std::string& nom) const = 0;
    /* 103 */ virtual void SetAdresseDestDiff(const host::TAdresseFormatTDFC& adresse, const std::string& nom) = 0;
    /* 104 */ virtual ADRESSE_CERFA_KV GetAdresseSiegeSocial_PourCerfa(bool courant) const = 0;
    /* 105 */ virtual bool GetAssistantCompagnonInstalle() const = 0;  // module of code 148 (named here)

    // The settings store, or null before operation 46 and after operation 47.
    CGestTRPIni* GestIni() const { return gestIni_.get(); }

protected:
    std::unique_ptr<CGestTRPIni> gestIni_;
};

}  // namespace kvarn::environment
