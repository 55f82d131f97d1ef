// The host's record of the open dossier.
//
// Identity and label, legal-form, tax-regime, imposition-regime and category codes, the financial
// year's dates and the previous year's, the tax-obligation references (ROF), activity codes,
// addresses, identification numbers, administrative data, and the dossier's settings file. The
// module reads and updates it through the global pCurDossier, which the host sets when it opens a
// dossier. Dates are day counts (0 = none); texts are UTF-8.
#pragma once

#include "host/adresse.hpp"
#include "host/fichier_ini.hpp"

#include <kvarn/kvarn.h>

#include <cstdint>
#include <string>

namespace kvarn::host {

// The tax obligations that carry a reference (ROF), in the order the module numbers them.
enum class TypeROF { TVA = 0, TDFC = 1, IS = 2, CVAE = 3, RCM = 4 };

// Extended information of the dossier.
struct tagDONNEES_DOSSIER {
    std::uint16_t DateEngagementDOS = 0;  // engagement letter date, MS-DOS date word, 0 when none
    std::string Commentaire;
};

class CDossier {
public:
    virtual ~CDossier() = default;

    // The dossier's label (its first virtual operation).
    virtual std::string GetLibelle() const = 0;

    virtual std::string GetNom() const = 0;
    virtual std::string GetPrenom() const = 0;
    virtual std::string GetRaisonSociale() const = 0;
    virtual int GetFormeJuridique() const = 0;
    virtual int GetRegimeFiscal() const = 0;
    virtual int GetRegimeImposition() const = 0;
    virtual int GetCategorie() const = 0;

    virtual double GetDateDebutExercice() const = 0;
    virtual double GetDateFinExercice() const = 0;
    virtual double GetDateDebutExercicePrecedent() const = 0;
    virtual double GetDateFinExercicePrecedent() const = 0;
    virtual double GetDateSituation() const = 0;
    virtual double GetDateDebutActivite() const = 0;
    virtual void SetDateDebutActivite(double date) = 0;
    virtual double GetDateCessation() const = 0;
    virtual void SetDateCessation(double date) = 0;

    virtual StaticFichierINI& FichierINI() = 0;
    // Identifier of the dossier in the ISA package; empty when the dossier is not linked to it.
    virtual std::string GetIdentifiantISA() const = 0;
    virtual double GetDernierExportVersISACOMPTA() const = 0;

    // Tax-obligation references. `calculee` false reads the reference entered by the user, true
    // the one computed from the administration's reports. TDFC and IS references have two parts:
    // the obligation's code letters and the number that follows; joined they are the reference.
    // Setters change the entered reference; `enregistrer` writes the record at once.
    virtual std::string GetROF_TVA(bool calculee) const = 0;
    virtual void SetROF_TVA(const std::string& rof, bool enregistrer) = 0;
    virtual void GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) const = 0;
    virtual void SetROF_TDFC(const std::string& rof, bool enregistrer) = 0;
    virtual void GetROF_IS(std::string& partie1, std::string& partie2, bool calculee) const = 0;
    virtual void SetROF_IS(const std::string& rof, bool enregistrer) = 0;
    virtual std::string GetROF_CVAE(bool calculee) const = 0;
    virtual void SetROF_CVAE(const std::string& rof, bool enregistrer) = 0;
    virtual std::string GetROF_RCM(bool calculee) const = 0;
    virtual void SetROF_RCM(const std::string& rof, bool enregistrer) = 0;
    // The computed reference when there is one, else the entered one.
    virtual std::string GetRofRetenue(TypeROF type) const = 0;

    virtual std::string GetCodeAPE() const = 0;
    virtual void SetCodeAPE(const std::string& code) = 0;
    virtual std::string GetCodeAPE_2008() const = 0;
    virtual void SetCodeAPE_2008(const std::string& code) = 0;
    virtual std::string GetCodeNACE() const = 0;
    virtual void SetCodeNACE(const std::string& code) = 0;
    virtual std::string GetActivitePrincipale() const = 0;
    virtual void SetActivitePrincipale(const std::string& activite) = 0;

    virtual CAdresse GetAdresse() const = 0;
    virtual void MAJAdresse(const CAdresse& adresse) = 0;
    virtual CAdresse GetAdresseSiegeSocial() const = 0;
    virtual void SetAdresseSiegeSocial(const CAdresse& adresse) = 0;
    virtual CAdresse GetAdresseSiegeSocialNm1() const = 0;
    virtual void SetAdresseSiegeSocialNm1(const CAdresse& adresse) = 0;
    // Where the dossier's mail goes when it is not its own address.
    virtual CAdresse GetAdresseCorrespondance() const = 0;
    virtual void SetAdresseCorrespondance(const CAdresse& adresse) = 0;
    virtual std::string GetBureauDistributeur() const = 0;
    virtual void SetBureauDistributeur(const std::string& bureau) = 0;

    virtual void GetDonneesAdministratives(tagDONNEES_ADM& donnees) const = 0;
    virtual void SetDonneesAdministratives(const tagDONNEES_ADM& donnees) = 0;
    virtual void GetNoIntraComm(tagNOINTRACOMM& numero) const = 0;
    virtual void SetNoIntraComm(const tagNOINTRACOMM& numero) = 0;
    // The SIRET of the identification record (its bytes 4 to 17), up to the first zero byte.
    virtual std::string GetSIRET() const = 0;
    virtual void ReadExtendedInfo(tagDONNEES_DOSSIER& info) const = 0;

    // Currency the books are kept in ("EUR").
    virtual std::string GetTenuEn() const = 0;
    // Dynamic text properties; 0 is the financial year's label (e.g. "2025").
    virtual std::string GetDossierPropStrDyn(int numero) const = 0;
    // Short and long information texts; 0 is the legal form (abbreviation and label).
    virtual std::string GetInformationDossierCourt(int numero) const = 0;
    virtual std::string GetInformationDossierLong(int numero) const = 0;

    // The identifier of the outside party of `kind` attached to the dossier, 0 when none.
    virtual int GetIntervenantAttache(int kind) const = 0;
    virtual void SetIntervenantAttache(int kind, int id) = 0;

    // Work that changes the dossier all or nothing defers the record's writes: from
    // DiffererEcritures on, the setters change the record in memory only and its getters read
    // those changes; the caller, once its own work is committed, writes ImageDifferee() to the
    // record's file (FichierEnregistrement(), a name in the dossier directory) and calls
    // CesserDeDifferer, which drops in any case what was not written. A host whose record is not
    // a file of the dossier directory cannot defer: it says so with false and writes at once.
    virtual bool DiffererEcritures() { return false; }
    virtual std::string FichierEnregistrement() const { return {}; }
    virtual std::string ImageDifferee() const { return {}; }
    virtual void CesserDeDifferer() {}
};

extern CDossier* pCurDossier;

}  // namespace kvarn::host
