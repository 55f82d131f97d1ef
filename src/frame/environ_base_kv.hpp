// cEnvironBaseKV: everything the module asks about where it runs, as one interface.
//
// The environment object answers with directories, aliases, user, session, the dossier's identity,
// the ISA start-up test and the table copy (operations 0 to 15 and 44 to 47), and with the
// dossier's standing data kept by the host (operations 16 to 105). Its one member is the module's
// settings store, owned, created by operation 46 and destroyed by operation 47 or with the object.
//
// The operations are numbered from 0 in declaration order; the number stands before each one and
// the code that calls an operation by number (the exported accessors) relies on that number, never
// on a vtable slot. Operations 0 to 15 and 44 to 47 are pure here and implemented by cEnvironKV.
// Operations 16 to 105 are declared with their final signatures; until their implementation over
// the host arrives, the base version throws std::logic_error naming the operation, which callers
// catch and report like any other failure. Names marked "(named here)" are not fixed elsewhere.
#pragma once

#include "frame/gest_trp_ini.hpp"
#include "host/adresse.hpp"

#include <kvarn/kvarn.h>

#include <memory>
#include <string>

// The 212-byte address record of the Cerfa returns, defined with the other exchanged records when
// operation 104 is implemented (named here).
struct ADRESSE_CERFA_KV;

namespace kvarn::frame {

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

    /* 16 */ virtual double GetDateDebEx() const;
    /* 17 */ virtual double GetDateFinEx() const;
    /* 18 */ virtual double GetDateComplementaire() const;  // a further date of the record (named here)
    /* 19 */ virtual double GetDateDebExNm1() const;
    /* 20 */ virtual double GetDateFinExNm1() const;
    /* 21 */ virtual double GetDateSituation() const;
    /* 22 */ virtual double GetDateDebActivite() const;
    /* 23 */ virtual void SetDateDebActivite(double date);
    /* 24 */ virtual double GetDateCessationActivite() const;
    /* 25 */ virtual void SetDateCessationActivite(double date);
    /* 26 */ virtual std::string GetExerciceDossier() const;
    /* 27 */ virtual std::string GetTenuEn() const;
    /* 28 */ virtual int RecupFormeJuridique() const;
    /* 29 */ virtual int RecupRegimeFiscal() const;
    /* 30 */ virtual int RecupRegimeImposition() const;
    /* 31 */ virtual int GetCategorieImposition() const;
    /* 32 */ virtual std::string RecupFormeJuridiqueCourte() const;
    /* 33 */ virtual std::string RecupLibelleFormeJuridique() const;
    /* 34 */ virtual void SauvFormeJuridique(int formeJuridique);
    /* 35 */ virtual std::string GetBureauDistributeurDossier() const;
    /* 36 */ virtual void SetBureauDistributeurDossier(const std::string& bureau);
    /* 37 */ virtual bool GetDossierEstEntrepriseIndividuel() const;
    /* 38 */ virtual std::string GetActivitePrincipale() const;
    /* 39 */ virtual std::string GetSiretDossier() const;
    /* 40 */ virtual std::string GetSirenDossier() const;
    /* 41 */ virtual void SetAdrDeclarDiffDeAdrDest(bool differente);
    /* 42 */ virtual void GetAdresseDossier(host::CAdresse& adresse) const;
    /* 43 */ virtual void MAJAdresseDossier(const host::CAdresse& adresse);
    /* 44 */ virtual void CopierTables() = 0;  // (named here)
    /* 45 */ virtual std::string GetFichierINI() const = 0;
    /* 46 */ virtual void CreateFichierIni() = 0;
    /* 47 */ virtual void DetruireFichierIni() = 0;  // (named here)
    /* 48 */ virtual void GetNoIntraComm(tagNOINTRACOMM& numero) const;
    /* 49 */ virtual void SetDonneesAdministratives(const tagDONNEES_ADM& donnees);
    /* 50 */ virtual void SetNoIntraComm(const tagNOINTRACOMM& numero);
    /* 51 */ virtual void SetCodeAPE2008(const std::string& code);
    /* 52 */ virtual void SetCodeNACE(const std::string& code);
    /* 53 */ virtual void SetActivitePrincipale(const std::string& activite);
    /* 54 */ virtual void GetDonneesAdministratives(tagDONNEES_ADM& donnees) const;
    /* 55 */ virtual void SetCodeAPE(const std::string& code);
    /* 56 */ virtual std::string GetCodeAPE() const;
    /* 57 */ virtual std::string GetCodeAPE2008() const;
    /* 58 */ virtual std::string GetCodeNACE() const;
    /* 59 */ virtual void SetROF_TVA(const std::string& rof);  // (named here)
    /* 60 */ virtual std::string GetROF_TVA(bool calculee) const;
    /* 61 */ virtual void SetROF_TDFC(const std::string& rof);
    /* 62 */ virtual void GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) const;
    /* 63 */ virtual void SetROF_CVAE(const std::string& rof);
    /* 64 */ virtual std::string GetROF_CVAE(bool calculee) const;
    /* 65 */ virtual void SetROF_IS(const std::string& rof);  // (named here)
    /* 66 */ virtual void GetROF_IS(std::string& partie1, std::string& partie2, bool calculee) const;  // (named here)
    /* 67 */ virtual void SetROF_RCM(const std::string& rof);
    /* 68 */ virtual std::string GetROF_RCM(bool calculee) const;
    /* 69 */ virtual bool GetROFSaisieEtCalculee(int type, std::string& libelle, std::string& saisie,
                                                 std::string& calculee) const;
    /* 70 */ virtual std::string GetRofRetenue(int type) const;
    /* 71 */ virtual bool SaisirROF(int type, bool obligatoire);
    /* 72 */ virtual bool GetEstPMEAuSensCommunautaire() const;
    /* 73 */ virtual bool GetReserve() const;  // answers false; no further role (named here)
    /* 74 */ virtual void SetReserve();        // does nothing; no further role (named here)
    /* 75 */ virtual void DeselectionneSIE();
    /* 76 */ virtual void DeselectionneCGI();
    /* 77 */ virtual void DeselectionneComptable();
    /* 78 */ virtual void DeselectionneConseil();
    /* 79 */ virtual void DeselectionneAdministrateur();
    /* 80 */ virtual int GetDonneesEdiParametreesAuDossier() const;
    /* 81 */ virtual bool GetComptableChoisiParDossier() const;  // (named here)
    /* 82 */ virtual bool GetComptableSelectionne(INTERVENANT_KV& intervenant) const;
    /* 83 */ virtual bool GetConseilSelectionne(INTERVENANT_KV& intervenant) const;
    /* 84 */ virtual bool GetAdminSelectionne(INTERVENANT_KV& intervenant) const;
    /* 85 */ virtual bool GetAGASelectionne(INTERVENANT_KV& intervenant) const;
    /* 86 */ virtual bool SelectionneSIE(INTERVENANT_KV& intervenant);
    /* 87 */ virtual bool SelectionneCGI(INTERVENANT_KV& intervenant);
    /* 88 */ virtual bool GetSIESelectionne(INTERVENANT_KV& intervenant) const;
    /* 89 */ virtual bool GetCGISelectionne(INTERVENANT_KV& intervenant) const;
    /* 90 */ virtual bool SelectionneComptable(INTERVENANT_KV& intervenant, bool drapeau);
    /* 91 */ virtual bool SelectionneConseil(INTERVENANT_KV& intervenant);
    /* 92 */ virtual bool SelectionneAGA(INTERVENANT_KV& intervenant, bool drapeau);
    /* 93 */ virtual bool SelectionneCGA(INTERVENANT_KV& intervenant, bool drapeau);
    /* 94 */ virtual bool SelectionneAdmin(INTERVENANT_KV& intervenant, bool drapeau);
    /* 95 */ virtual bool GetIntervenantComptable(int id, INTERVENANT_KV& intervenant) const;
    /* 96 */ virtual bool GetIntervenantAdmin(int id, INTERVENANT_KV& intervenant) const;
    /* 97 */ virtual bool GetIntervenantOga(int id, INTERVENANT_KV& intervenant, bool aga) const;
    /* 98 */ virtual void GetAdresseDestDec(host::TAdresseFormatTDFC& dossier,
                                            host::TAdresseFormatTDFC& declarant) const;
    /* 99 */ virtual void SetAdresseDestDec(const host::TAdresseFormatTDFC& dossier,
                                            const host::TAdresseFormatTDFC& declarant);
    /* 100 */ virtual void GetAdresseSiegeSocial(host::TAdresseFormatTDFC* exercicePrecedent,
                                                 host::TAdresseFormatTDFC* courant) const;
    /* 101 */ virtual void SetAdresseSiegeSocial(const host::TAdresseFormatTDFC* exercicePrecedent,
                                                 const host::TAdresseFormatTDFC* courant);
    /* 102 */ virtual void GetAdresseDestDiff(host::TAdresseFormatTDFC& adresse, std::string& nom) const;
    /* 103 */ virtual void SetAdresseDestDiff(const host::TAdresseFormatTDFC& adresse, const std::string& nom);
    /* 104 */ virtual void GetAdresseSiegeSocial_PourCerfa(ADRESSE_CERFA_KV& adresse, bool courant) const;
    /* 105 */ virtual bool GetAssistantCompagnonInstalle() const;  // module of code 148 (named here)

    // The settings store, or null before operation 46 and after operation 47.
    CGestTRPIni* GestIni() const { return gestIni_.get(); }

protected:
    std::unique_ptr<CGestTRPIni> gestIni_;
};

}  // namespace kvarn::frame
