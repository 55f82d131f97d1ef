// The dossier's standing data, as other programs of the suite read and update it.
//
// Each function forwards to the data module's environment object, which reads or writes the host's
// dossier record, its settings file, the outside-party directory or the module's settings store
// "KOLMI$$G.dat" (section "KV"). Texts are UTF-8; dates are day counts from 30/12/1899, 0 for none;
// records are owned by the caller and filled in place (INTERVENANT_KV and ADRESSE_CERFA_KV in the
// OEM code page, tagNOINTRACOMM and tagDONNEES_ADM in the ANSI one, see kvarn.h). The data module
// must exist (InitDataModuleKV); when it does not, or the host fails, the error is shown in the
// host's exception box and the function returns its empty value (0, false, empty text, a zeroed
// record, or leaves the caller's record as it was).
#pragma once

#include <kvarn/adresse.hpp>
#include <kvarn/kvarn.h>

#include <string>

// Financial year and activity.
KVARN_EXPORT double GetDateDebEx();
KVARN_EXPORT double GetDateFinEx();
KVARN_EXPORT double GetDateDebExNm1();
KVARN_EXPORT double GetDateFinExNm1();
KVARN_EXPORT double GetDateSituation();
KVARN_EXPORT double GetDateDebActivite();
KVARN_EXPORT void SetDateDebActivite(double date);
KVARN_EXPORT double GetDateCessationActivite();
KVARN_EXPORT void SetDateCessationActivite(double date);

// Dossier and currency: the financial year's label ("2025") and the currency of the books ("EUR").
KVARN_EXPORT std::string GetExerciceDossier();
KVARN_EXPORT std::string GetTenuEn();

// Legal form and regimes. SauvFormeJuridique does nothing: the legal form is the host's.
KVARN_EXPORT int RecupFormeJuridique();
KVARN_EXPORT int RecupRegimeFiscal();
KVARN_EXPORT int RecupRegimeImposition();
KVARN_EXPORT int GetCategorieImposition();
KVARN_EXPORT std::string RecupFormeJuridiqueCourte();
KVARN_EXPORT std::string RecupLibelleFormeJuridique();
KVARN_EXPORT void SauvFormeJuridique(int formeJuridique);
KVARN_EXPORT bool GetDossierEstEntrepriseIndividuel();

// The dossier's address and distribution office.
KVARN_EXPORT std::string GetBureauDistributeurDossier();
KVARN_EXPORT void SetBureauDistributeurDossier(const std::string& bureau);
KVARN_EXPORT void GetAdresseDossier(CAdresse& adresse);
KVARN_EXPORT void MAJAdresseDossier(const CAdresse& adresse);

// Identification numbers; GetSirenDossier is the first nine characters of the SIRET.
KVARN_EXPORT std::string GetSiretDossier();
KVARN_EXPORT std::string GetSirenDossier();
KVARN_EXPORT void GetNoIntraComm(tagNOINTRACOMM& numero);
KVARN_EXPORT void SetNoIntraComm(const tagNOINTRACOMM& numero);
KVARN_EXPORT void GetDonneesAdministratives(tagDONNEES_ADM& donnees);
KVARN_EXPORT void SetDonneesAdministratives(const tagDONNEES_ADM& donnees);

// Activity codes.
KVARN_EXPORT std::string GetActivitePrincipale();
KVARN_EXPORT void SetActivitePrincipale(const std::string& activite);
KVARN_EXPORT std::string GetCodeAPE();
KVARN_EXPORT void SetCodeAPE(const std::string& code);
KVARN_EXPORT std::string GetCodeAPE2008();
KVARN_EXPORT void SetCodeAPE2008(const std::string& code);
KVARN_EXPORT std::string GetCodeNACE();
KVARN_EXPORT void SetCodeNACE(const std::string& code);

// Tax-obligation references (ROF). `calculee` false reads the reference the user entered, true the
// one computed from the administration's reports; setters change the entered one. Types: 0 TVA,
// 1 TDFC, 2 IS, 3 CVAE, 4 RCM. GetROFSaisieEtCalculee gives the type's label and both references
// (TDFC and IS joined from their two parts), false for an unknown type. GetRofRetenue is the
// computed reference when there is one, else the entered one. SaisirROF asks the user about a
// missing or conflicting reference and, on yes, opens the general-numbers screen on that
// obligation (mandatory when `obligatoire`); false only for an unknown type.
KVARN_EXPORT std::string GetROF_TVA(bool calculee);
KVARN_EXPORT void GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee);
KVARN_EXPORT void SetROF_TDFC(const std::string& rof);
KVARN_EXPORT std::string GetROF_CVAE(bool calculee);
KVARN_EXPORT void SetROF_CVAE(const std::string& rof);
KVARN_EXPORT std::string GetROF_RCM(bool calculee);
KVARN_EXPORT void SetROF_RCM(const std::string& rof);
KVARN_EXPORT bool GetROFSaisieEtCalculee(int type, std::string& libelle, std::string& saisie, std::string& calculee);
KVARN_EXPORT std::string GetRofRetenue(int type);
KVARN_EXPORT bool SaisirROF(int type, bool obligatoire);

// Small or medium enterprise in the European sense (settings "KV", "PMEAuSensCommunautaire").
KVARN_EXPORT bool GetEstPMEAuSensCommunautaire();

// Outside parties. Get...Selectionne: the party of that kind attached to the dossier, true when
// there is one (the accountant falls back to the directory's default unless the practice chooses
// it dossier by dossier). Selectionne...: the user picks one, true when one was chosen; the AGA
// and CGA records stay as they were when none was. GetIntervenant...: the party with that
// identifier (GetIntervenantOga: an AGA when `aga`, else a CGA). Deselectionne... do nothing.
KVARN_EXPORT bool GetComptableSelectionne(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetConseilSelectionne(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetAdminSelectionne(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetAGASelectionne(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetSIESelectionne(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetCGISelectionne(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool SelectionneComptable(INTERVENANT_KV& intervenant, bool drapeau);
KVARN_EXPORT bool SelectionneConseil(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool SelectionneAGA(INTERVENANT_KV& intervenant, bool drapeau);
KVARN_EXPORT bool SelectionneCGA(INTERVENANT_KV& intervenant, bool drapeau);
KVARN_EXPORT bool SelectionneAdmin(INTERVENANT_KV& intervenant, bool drapeau);
KVARN_EXPORT bool SelectionneSIE(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool SelectionneCGI(INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetIntervenantComptable(int id, INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetIntervenantAdmin(int id, INTERVENANT_KV& intervenant);
KVARN_EXPORT bool GetIntervenantOga(int id, INTERVENANT_KV& intervenant, bool aga);
KVARN_EXPORT void DeselectionneSIE();
KVARN_EXPORT void DeselectionneCGI();
KVARN_EXPORT void DeselectionneComptable();
KVARN_EXPORT void DeselectionneConseil();
KVARN_EXPORT void DeselectionneAdministrateur();

// Addresses laid out for the returns. GetAdresseDestDec: the dossier's address (with its
// distribution office) and the declarant's (country 76 unless set); SetAdresseDestDec writes the
// declarant's. GetAdresseSiegeSocial / SetAdresseSiegeSocial: members 1 to 8 of the registered
// office at the previous year and now, for each record that is not null. GetAdresseDestDiff /
// SetAdresseDestDiff: a recipient other than the declarant, with its name.
// GetAdresseSiegeSocial_PourCerfa: the registered office now (true) or at the previous year.
KVARN_EXPORT void GetAdresseDestDec(TAdresseFormatTDFC& dossier, TAdresseFormatTDFC& declarant);
KVARN_EXPORT void SetAdresseDestDec(const TAdresseFormatTDFC& dossier, const TAdresseFormatTDFC& declarant);
KVARN_EXPORT void GetAdresseSiegeSocial(TAdresseFormatTDFC* exercicePrecedent, TAdresseFormatTDFC* courant);
KVARN_EXPORT void SetAdresseSiegeSocial(const TAdresseFormatTDFC* exercicePrecedent, const TAdresseFormatTDFC* courant);
KVARN_EXPORT void GetAdresseDestDiff(TAdresseFormatTDFC& adresse, std::string& nom);
KVARN_EXPORT void SetAdresseDestDiff(const TAdresseFormatTDFC& adresse, const std::string& nom);
KVARN_EXPORT ADRESSE_CERFA_KV GetAdresseSiegeSocial_PourCerfa(bool courant);

// Whether the declarant's address differs from the recipient's (settings section "DEFAULT").
KVARN_EXPORT void SetAdrDeclarDiffDeAdrDest(bool differente);
KVARN_EXPORT bool GetAdrDeclarDiffDeAdrDest();

// Capital, shares and the rental-income contribution's payment, in the module's settings store.
// SetMontantCapital writes the capital at the start of the year when `debutExercice`, else now.
// GetModePaiement gives 0 when not set; GetNbVirements gives NULL_ENTIER (-2147483647) when not
// set, and SetNbVirements(-2147483647) removes the count. Both truncate a stored real toward zero
// and give NULL_ENTIER when it lies outside the int range, or when the settings store is closed.
KVARN_EXPORT double GetMontantCapital();
KVARN_EXPORT double GetMontantCapitalDebEx();
KVARN_EXPORT void SetMontantCapital(double montant, bool debutExercice);
KVARN_EXPORT double GetNombrePartsDebEx();
KVARN_EXPORT int GetModePaiement();
KVARN_EXPORT void SetModePaiement(const int& mode);
KVARN_EXPORT int GetNbVirements();
KVARN_EXPORT void SetNbVirements(const int& nombre);
// SIREN of the SCM, SEP or SCP of which the dossier is an associate.
KVARN_EXPORT std::string GetSiretSEP_SCP_SCM_Dossier();
