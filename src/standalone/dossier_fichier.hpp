// The standalone host's dossier record, kept in "dossier.ini" in the dossier directory.
//
// One human-readable UTF-8 file of sections and "key=value" lines (dates "dd/mm/yyyy"), replaced
// atomically on every change, reloaded when another process changed it. A file that does not parse,
// or whose dates and numbers are not what they should be, is refused with its name and line and
// never overwritten by defaults. The dossier's settings file ("KOLMI$$G.dat", beside it) is shared
// with the module's settings store. Besides the values the module reads, the record keeps the host
// settings the environment reports (started by the ISA package, installed assistants) and the
// outside party attached for each kind. The record's setters name its keys; the programs and the
// module change it through them, several at once inside Modifier(changements).
#pragma once

#include "common/ini_file.hpp"
#include "host/dossier.hpp"
#include "identification/numeros_dossier.hpp"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::standalone {

inline constexpr const char* kFichierDossier = "dossier.ini";
inline constexpr const char* kFichierParametres = "KOLMI$$G.dat";

// A value of the record, by section and key, as the command line and the tests set it.
struct ValeurDossier {
    std::string section;
    std::string cle;
    std::string valeur;  // empty removes it
};

class DossierFichier final : public host::CDossier {
public:
    // Calls of the record's setters, to be checked and written together.
    using Changements = std::function<void(DossierFichier&)>;

    // Opens the record of an existing dossier; throws when there is none or it is damaged.
    static std::unique_ptr<DossierFichier> Ouvrir(const std::filesystem::path& repertoire);
    // Creates the record in `repertoire` (created when missing); throws when one is already there
    // or a value is refused. Values not given keep their defaults.
    static std::unique_ptr<DossierFichier> Creer(const std::filesystem::path& repertoire, const Changements& valeurs);
    static std::unique_ptr<DossierFichier> Creer(const std::filesystem::path& repertoire,
                                                 const std::vector<ValeurDossier>& valeurs);
    static bool Existe(const std::filesystem::path& repertoire);

    const std::filesystem::path& Repertoire() const { return repertoire_; }

    // Runs the setters `changements` calls, then checks every value they set and writes them in
    // one replacement of the file; a refused value, or an error thrown by `changements`, writes
    // nothing. Inside, the getters still give the values as they were.
    void Modifier(const Changements& changements);
    // The same with values given by section and key (tests, fixtures).
    void Modifier(const std::vector<ValeurDossier>& valeurs);
    // Every section and its values, as stored.
    std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>> Contenu();

    bool LanceParISAGI() const;
    bool AssistantInstalle(int code) const;
    int DonneesEdi() const;

    // The values only the dossier's owner changes (the host's own screens, the command line). A
    // code or a date of 0, an empty text, removes the value.
    void SetRaisonSociale(const std::string& raison);
    void SetNom(const std::string& nom);
    void SetPrenom(const std::string& prenom);
    void SetLibelle(const std::string& libelle);
    void SetFormeJuridique(int code);
    void SetCategorie(int code);
    void SetRegimeFiscal(int code);
    void SetRegimeImposition(int code);
    void SetDateDebutExercice(double date);
    void SetDateFinExercice(double date);
    void SetDateDebutExercicePrecedent(double date);
    void SetDateFinExercicePrecedent(double date);
    void SetDateSituation(double date);
    // The reference the user entered (as the SetROF_... of the host's record), and the one computed
    // from the administration's reports (ARS).
    void SetROFSaisie(host::TypeROF type, const std::string& rof);
    void SetROFCalculee(host::TypeROF type, const std::string& rof);
    void SetIdentifiantISA(const std::string& identifiant);
    void SetDernierExportVersISACOMPTA(double date);
    void SetLanceParISAGI(bool lance);
    // Codes separated by commas or blanks.
    void SetAssistantsInstalles(const std::string& codes);
    // The engagement letter's date of the extended information, kept as the host keeps it, an
    // MS-DOS date: refused (std::invalid_argument) outside 1980-2107. 0 removes it.
    void SetDateEngagement(double date);
    identification::NumerosIdentification GetNumerosIdentification() const;
    // Refused (identification::NumeroRefuse) when the prefix does not fit the SIREN.
    void SetNumerosIdentification(const identification::NumerosIdentification& numeros);

    // host::CDossier
    std::string GetLibelle() const override;
    std::string GetNom() const override;
    std::string GetPrenom() const override;
    std::string GetRaisonSociale() const override;
    int GetFormeJuridique() const override;
    int GetRegimeFiscal() const override;
    int GetRegimeImposition() const override;
    int GetCategorie() const override;
    double GetDateDebutExercice() const override;
    double GetDateFinExercice() const override;
    double GetDateDebutExercicePrecedent() const override;
    double GetDateFinExercicePrecedent() const override;
    double GetDateSituation() const override;
    double GetDateDebutActivite() const override;
    void SetDateDebutActivite(double date) override;
    double GetDateCessation() const override;
    void SetDateCessation(double date) override;
    host::StaticFichierINI& FichierINI() override;
    std::string GetIdentifiantISA() const override;
    double GetDernierExportVersISACOMPTA() const override;
    std::string GetROF_TVA(bool calculee) const override;
    void SetROF_TVA(const std::string& rof, bool enregistrer) override;
    void GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) const override;
    void SetROF_TDFC(const std::string& rof, bool enregistrer) override;
    void GetROF_IS(std::string& partie1, std::string& partie2, bool calculee) const override;
    void SetROF_IS(const std::string& rof, bool enregistrer) override;
    std::string GetROF_CVAE(bool calculee) const override;
    void SetROF_CVAE(const std::string& rof, bool enregistrer) override;
    std::string GetROF_RCM(bool calculee) const override;
    void SetROF_RCM(const std::string& rof, bool enregistrer) override;
    std::string GetRofRetenue(host::TypeROF type) const override;
    std::string GetCodeAPE() const override;
    void SetCodeAPE(const std::string& code) override;
    std::string GetCodeAPE_2008() const override;
    void SetCodeAPE_2008(const std::string& code) override;
    std::string GetCodeNACE() const override;
    void SetCodeNACE(const std::string& code) override;
    std::string GetActivitePrincipale() const override;
    void SetActivitePrincipale(const std::string& activite) override;
    host::CAdresse GetAdresse() const override;
    void MAJAdresse(const host::CAdresse& adresse) override;
    host::CAdresse GetAdresseSiegeSocial() const override;
    void SetAdresseSiegeSocial(const host::CAdresse& adresse) override;
    host::CAdresse GetAdresseSiegeSocialNm1() const override;
    void SetAdresseSiegeSocialNm1(const host::CAdresse& adresse) override;
    host::CAdresse GetAdresseCorrespondance() const override;
    void SetAdresseCorrespondance(const host::CAdresse& adresse) override;
    std::string GetBureauDistributeur() const override;
    void SetBureauDistributeur(const std::string& bureau) override;
    void GetDonneesAdministratives(tagDONNEES_ADM& donnees) const override;
    void SetDonneesAdministratives(const tagDONNEES_ADM& donnees) override;
    void GetNoIntraComm(tagNOINTRACOMM& numero) const override;
    void SetNoIntraComm(const tagNOINTRACOMM& numero) override;
    std::string GetSIRET() const override;
    void ReadExtendedInfo(host::tagDONNEES_DOSSIER& info) const override;
    std::string GetTenuEn() const override;
    std::string GetDossierPropStrDyn(int numero) const override;
    std::string GetInformationDossierCourt(int numero) const override;
    std::string GetInformationDossierLong(int numero) const override;
    int GetIntervenantAttache(int type) const override;
    void SetIntervenantAttache(int type, int id) override;
    bool DiffererEcritures() override;
    std::string FichierEnregistrement() const override { return kFichierDossier; }
    std::string ImageDifferee() const override { return fichier_.FutureBytes(); }
    void CesserDeDifferer() override { fichier_.EndDeferred(); }

private:
    explicit DossierFichier(std::filesystem::path repertoire);

    std::string Texte(std::string_view section, std::string_view cle, std::string_view defaut = "") const;
    int Entier(std::string_view section, std::string_view cle, int defaut) const;
    double Date(std::string_view section, std::string_view cle) const;
    // Writes at once, or adds to the changes being gathered (Modifier(changements)).
    void Enregistrer(const std::vector<ValeurDossier>& valeurs);
    void Ecrire(std::string_view section, std::string_view cle, const std::string& valeur);
    void EcrireDate(std::string_view section, std::string_view cle, double date);
    void EcrireCode(std::string_view section, std::string_view cle, int code);
    std::vector<ValeurDossier> Recueillir(const Changements& changements);
    host::CAdresse LireAdresse(std::string_view section) const;
    void EcrireAdresse(std::string_view section, const host::CAdresse& adresse);
    std::string Rof(host::TypeROF type, bool calculee) const;

    std::filesystem::path repertoire_;
    mutable IniFile fichier_;
    std::unique_ptr<host::StaticFichierINI> parametres_;
    std::vector<ValeurDossier>* recueil_ = nullptr;  // the changes being gathered, if any
};

// Splits a TDFC or IS reference into its code letters and the number that follows.
void DecouperROF(const std::string& rof, std::string& partie1, std::string& partie2);

}  // namespace kvarn::standalone
