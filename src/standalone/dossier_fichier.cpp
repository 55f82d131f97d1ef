#include "standalone/dossier_fichier.hpp"

#include "common/clock.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/ini_values.hpp"
#include "common/nulls.hpp"
#include "common/text.hpp"
#include "host/formes_juridiques.hpp"
#include "standalone/fichier_ini_partage.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace kvarn::standalone {
namespace {

using host::TypeROF;

enum class Genre { Texte, Entier, Date };

struct Cle {
    const char* section;
    const char* cle;  // nullptr: every key of the section
    Genre genre;
};

// The typed values of the record; every other value is text.
constexpr std::array kClesTypees{
    Cle{"Dossier", "FormeJuridique", Genre::Entier},   Cle{"Dossier", "RegimeFiscal", Genre::Entier},
    Cle{"Dossier", "RegimeImposition", Genre::Entier}, Cle{"Dossier", "Categorie", Genre::Entier},
    Cle{"Dossier", "DernierExportISACOMPTA", Genre::Date},
    Cle{"Exercice", nullptr, Genre::Date},
    Cle{"Activite", "Debut", Genre::Date},             Cle{"Activite", "Cessation", Genre::Date},
    Cle{"Adresse", "Pays", Genre::Entier},             Cle{"SiegeSocial", "Pays", Genre::Entier},
    Cle{"SiegeSocialN-1", "Pays", Genre::Entier},      Cle{"InfoEtendue", "DateEngagement", Genre::Date},
    Cle{"AdresseCorrespondance", "Pays", Genre::Entier},
    Cle{"Intervenants", nullptr, Genre::Entier},       Cle{"Hote", "LanceParISAGI", Genre::Entier},
    Cle{"Hote", "DonneesEdi", Genre::Entier},
};

Genre GenreDe(std::string_view section, std::string_view cle) {
    for (const Cle& typee : kClesTypees)
        if (EqualsIgnoringCase(section, typee.section) && (!typee.cle || EqualsIgnoringCase(cle, typee.cle)))
            return typee.genre;
    return Genre::Texte;
}

// Why a value is refused for its key, or empty when it is fine.
std::string Refus(std::string_view section, std::string_view cle, std::string_view valeur) {
    if (valeur.empty()) return {};
    switch (GenreDe(section, cle)) {
        case Genre::Date:
            return ParseDate(valeur) ? "" : "date attendue au format jj/mm/aaaa";
        case Genre::Entier:
            return ParseIniInteger(valeur) ? "" : "nombre entier attendu";
        case Genre::Texte:
            return {};
    }
    return {};
}

void Valider(const IniDocument& document, const std::string& source) {
    for (const std::string& section : document.Sections())
        for (const auto& [cle, valeur] : document.Entries(section))
            if (const std::string raison = Refus(section, cle, valeur); !raison.empty())
                throw IniSyntaxError(source, document.LineOf(section, cle),
                                     "[" + section + "] " + cle + "=" + valeur + " : " + raison);
}

double DateDe(const IniDocument& document, const char* cle) {
    return ParseDate(document.Get("Exercice", cle).value_or("")).value_or(0.0);
}

// A financial year cannot end before it starts.
void VerifierExercices(const IniDocument& document) {
    const auto verifier = [&](const char* debut, const char* fin, const char* nom) {
        const double d = DateDe(document, debut);
        const double f = DateDe(document, fin);
        if (d != 0 && f != 0 && f < d) throw std::runtime_error(std::string("La fin de ") + nom + " précède son début");
    };
    verifier("Debut", "Fin", "l'exercice");
    verifier("DebutPrecedent", "FinPrecedent", "l'exercice précédent");
}

constexpr const char* kSectionIdentification = "Identification";

identification::NumerosIdentification NumerosDe(const IniDocument& document) {
    const auto texte = [&](const char* cle) { return document.Get(kSectionIdentification, cle).value_or(""); };
    return {texte("Prefixe"), texte("Siren"), texte("Nic")};
}

constexpr std::array kClesAdresse{"Complement1", "Complement2", "NoVoie",  "CmplNoVoie", "NomVoie",
                                  "BP",          "CP",          "Ville",   "BureauDistributeur",
                                  "Telephone",   "Fax",         "Email",   "Pays",       "CodeInsee"};

const char* NomROF(TypeROF type) {
    static constexpr const char* kNoms[] = {"TVA", "TDFC", "IS", "CVAE", "RCM"};
    return kNoms[static_cast<int>(type)];
}

std::string CleROF(TypeROF type, bool calculee) {
    return std::string(NomROF(type)) + (calculee ? "Calculee" : "");
}

std::optional<double> DateDonnee(const std::vector<ValeurDossier>& valeurs, const char* cle) {
    std::optional<double> date;
    for (const ValeurDossier& v : valeurs)
        if (EqualsIgnoringCase(v.section, "Exercice") && EqualsIgnoringCase(v.cle, cle)) date = ParseDate(v.valeur);
    return date;
}

// Defaults of a new dossier: a twelve-month financial year from the dates given (either end), or
// else the current calendar year; the situation date is the year's end; the previous year is the
// twelve months before.
std::vector<ValeurDossier> ValeursParDefaut(const std::vector<ValeurDossier>& valeurs) {
    const auto debutDonne = DateDonnee(valeurs, "Debut");
    const auto finDonnee = DateDonnee(valeurs, "Fin");
    const int annee = DecodeDate(Today()).year;
    double debut = *EncodeDate({annee, 1, 1});
    if (debutDonne) debut = *debutDonne;
    else if (finDonnee) debut = AddYears(*finDonnee, -1) + 1;
    const double fin = finDonnee.value_or(AddYears(debut, 1) - 1);
    return {{"Exercice", "Debut", FormatDate(debut)},
            {"Exercice", "Fin", FormatDate(fin)},
            {"Exercice", "DebutPrecedent", FormatDate(AddYears(debut, -1))},
            {"Exercice", "FinPrecedent", FormatDate(debut - 1)},
            {"Exercice", "Situation", FormatDate(fin)},
            {"Dossier", "TenuEn", "EUR"}};
}

}  // namespace

DossierFichier::DossierFichier(std::filesystem::path repertoire)
    : repertoire_(std::move(repertoire)),
      fichier_(repertoire_ / kFichierDossier, kUtf8Ini, Valider),
      parametres_(std::make_unique<FichierIniPartage>(repertoire_ / kFichierParametres)) {}

bool DossierFichier::Existe(const std::filesystem::path& repertoire) {
    return std::filesystem::is_regular_file(repertoire / kFichierDossier);
}

std::unique_ptr<DossierFichier> DossierFichier::Ouvrir(const std::filesystem::path& repertoire) {
    if (!Existe(repertoire))
        throw std::runtime_error("Aucun dossier dans le répertoire " + repertoire.string() +
                                 " (fichier " + kFichierDossier + " absent)");
    std::unique_ptr<DossierFichier> dossier(new DossierFichier(repertoire));
    dossier->fichier_.Document();  // refuses a damaged record now rather than at first use
    return dossier;
}

std::unique_ptr<DossierFichier> DossierFichier::Creer(const std::filesystem::path& repertoire,
                                                      const Changements& changements) {
    if (Existe(repertoire))
        throw std::runtime_error("Le répertoire " + repertoire.string() + " contient déjà un dossier");
    // A refused value leaves no trace: a directory made here for the dossier goes with it.
    const bool repertoireCree = !std::filesystem::exists(repertoire);
    std::filesystem::create_directories(repertoire);
    try {
        std::unique_ptr<DossierFichier> dossier(new DossierFichier(repertoire));
        const std::vector<ValeurDossier> valeurs = dossier->Recueillir(changements);
        std::vector<ValeurDossier> toutes = ValeursParDefaut(valeurs);
        toutes.insert(toutes.end(), valeurs.begin(), valeurs.end());
        dossier->Modifier(toutes);
        return dossier;
    } catch (...) {
        std::error_code ignore;
        if (repertoireCree) std::filesystem::remove_all(repertoire, ignore);
        throw;
    }
}

std::unique_ptr<DossierFichier> DossierFichier::Creer(const std::filesystem::path& repertoire,
                                                      const std::vector<ValeurDossier>& valeurs) {
    return Creer(repertoire, [&](DossierFichier& dossier) { dossier.Enregistrer(valeurs); });
}

std::vector<ValeurDossier> DossierFichier::Recueillir(const Changements& changements) {
    std::vector<ValeurDossier> recueil;
    recueil_ = &recueil;
    try {
        changements(*this);
    } catch (...) {
        recueil_ = nullptr;
        throw;
    }
    recueil_ = nullptr;
    return recueil;
}

void DossierFichier::Modifier(const Changements& changements) { Modifier(Recueillir(changements)); }

void DossierFichier::Enregistrer(const std::vector<ValeurDossier>& valeurs) {
    if (recueil_) recueil_->insert(recueil_->end(), valeurs.begin(), valeurs.end());
    else Modifier(valeurs);
}

void DossierFichier::Modifier(const std::vector<ValeurDossier>& valeurs) {
    for (const ValeurDossier& v : valeurs)
        if (const std::string raison = Refus(v.section, v.cle, v.valeur); !raison.empty())
            throw std::runtime_error("Valeur refusée pour " + v.section + "." + v.cle + " (« " + v.valeur +
                                     " ») : " + raison);
    // The rules between values are checked on the record as it will be, under the file's lock:
    // another process may have changed other values since this one read them.
    fichier_.Update([&](IniEdit& edition) {
        for (const ValeurDossier& v : valeurs) {
            if (v.valeur.empty()) edition.Remove(v.section, v.cle);
            else edition.Set(v.section, v.cle, v.valeur);
        }
        VerifierExercices(edition.Document());
        identification::ExigerCoherence(NumerosDe(edition.Document()));
    });
}

bool DossierFichier::DiffererEcritures() {
    fichier_.BeginDeferred();
    return true;
}

std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>> DossierFichier::Contenu() {
    std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>> contenu;
    const IniDocument& document = fichier_.Document();
    for (const std::string& section : document.Sections())
        contenu.emplace_back(section, document.Entries(section));
    return contenu;
}

std::string DossierFichier::Texte(std::string_view section, std::string_view cle, std::string_view defaut) const {
    return fichier_.Get(section, cle).value_or(std::string(defaut));
}

int DossierFichier::Entier(std::string_view section, std::string_view cle, int defaut) const {
    return ParseIniInteger(Texte(section, cle)).value_or(defaut);
}

double DossierFichier::Date(std::string_view section, std::string_view cle) const {
    return ParseDate(Texte(section, cle)).value_or(0.0);
}

void DossierFichier::Ecrire(std::string_view section, std::string_view cle, const std::string& valeur) {
    Enregistrer({{std::string(section), std::string(cle), valeur}});
}

void DossierFichier::EcrireDate(std::string_view section, std::string_view cle, double date) {
    Ecrire(section, cle, FormatDate(date));
}

void DossierFichier::EcrireCode(std::string_view section, std::string_view cle, int code) {
    Ecrire(section, cle, code == 0 ? std::string() : FormatIniInteger(code));
}

bool DossierFichier::LanceParISAGI() const { return Entier("Hote", "LanceParISAGI", 0) != 0; }

bool DossierFichier::AssistantInstalle(int code) const {
    // "AssistantsInstalles" lists codes separated by commas or blanks.
    const std::string liste = Texte("Hote", "AssistantsInstalles");
    std::size_t debut = 0;
    while (debut < liste.size()) {
        const std::size_t fin = liste.find_first_of(", ", debut);
        const auto valeur = ParseIniInteger(liste.substr(debut, fin - debut));
        if (valeur && *valeur == code) return true;
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }
    return false;
}

int DossierFichier::DonneesEdi() const { return Entier("Hote", "DonneesEdi", 0); }

void DossierFichier::SetRaisonSociale(const std::string& raison) { Ecrire("Dossier", "RaisonSociale", raison); }
void DossierFichier::SetNom(const std::string& nom) { Ecrire("Dossier", "Nom", nom); }
void DossierFichier::SetPrenom(const std::string& prenom) { Ecrire("Dossier", "Prenom", prenom); }
void DossierFichier::SetLibelle(const std::string& libelle) { Ecrire("Dossier", "Libelle", libelle); }
void DossierFichier::SetFormeJuridique(int code) { EcrireCode("Dossier", "FormeJuridique", code); }
void DossierFichier::SetCategorie(int code) { EcrireCode("Dossier", "Categorie", code); }
void DossierFichier::SetRegimeFiscal(int code) { EcrireCode("Dossier", "RegimeFiscal", code); }
void DossierFichier::SetRegimeImposition(int code) { EcrireCode("Dossier", "RegimeImposition", code); }
void DossierFichier::SetDateDebutExercice(double date) { EcrireDate("Exercice", "Debut", date); }
void DossierFichier::SetDateFinExercice(double date) { EcrireDate("Exercice", "Fin", date); }
void DossierFichier::SetDateDebutExercicePrecedent(double date) { EcrireDate("Exercice", "DebutPrecedent", date); }
void DossierFichier::SetDateFinExercicePrecedent(double date) { EcrireDate("Exercice", "FinPrecedent", date); }
void DossierFichier::SetDateSituation(double date) { EcrireDate("Exercice", "Situation", date); }
void DossierFichier::SetIdentifiantISA(const std::string& identifiant) { Ecrire("Dossier", "IdentifiantISA", identifiant); }
void DossierFichier::SetDernierExportVersISACOMPTA(double date) { EcrireDate("Dossier", "DernierExportISACOMPTA", date); }
void DossierFichier::SetLanceParISAGI(bool lance) { Ecrire("Hote", "LanceParISAGI", lance ? "1" : "0"); }
void DossierFichier::SetAssistantsInstalles(const std::string& codes) { Ecrire("Hote", "AssistantsInstalles", codes); }

void DossierFichier::SetDateEngagement(double date) {
    if (date != 0 && !ToDosDateWord(DecodeDate(date)))
        throw std::invalid_argument("La date d'engagement " + FormatDate(date) +
                                    " n'est pas représentable (années 1980 à 2107)");
    EcrireDate("InfoEtendue", "DateEngagement", date);
}

identification::NumerosIdentification DossierFichier::GetNumerosIdentification() const {
    return NumerosDe(fichier_.Document());
}

void DossierFichier::SetNumerosIdentification(const identification::NumerosIdentification& numeros) {
    Enregistrer({{kSectionIdentification, "Prefixe", numeros.prefixe},
                 {kSectionIdentification, "Siren", numeros.siren},
                 {kSectionIdentification, "Nic", numeros.nic}});
}

std::string DossierFichier::GetLibelle() const { return Texte("Dossier", "Libelle"); }
std::string DossierFichier::GetNom() const { return Texte("Dossier", "Nom"); }
std::string DossierFichier::GetPrenom() const { return Texte("Dossier", "Prenom"); }

std::string DossierFichier::GetRaisonSociale() const {
    const std::string raison = Texte("Dossier", "RaisonSociale");
    return raison.empty() ? Trim(GetNom() + " " + GetPrenom()) : raison;
}

int DossierFichier::GetFormeJuridique() const { return Entier("Dossier", "FormeJuridique", 0); }
int DossierFichier::GetRegimeFiscal() const { return Entier("Dossier", "RegimeFiscal", 0); }
int DossierFichier::GetRegimeImposition() const { return Entier("Dossier", "RegimeImposition", 0); }
int DossierFichier::GetCategorie() const { return Entier("Dossier", "Categorie", 0); }
double DossierFichier::GetDateDebutExercice() const { return Date("Exercice", "Debut"); }
double DossierFichier::GetDateFinExercice() const { return Date("Exercice", "Fin"); }
double DossierFichier::GetDateDebutExercicePrecedent() const { return Date("Exercice", "DebutPrecedent"); }
double DossierFichier::GetDateFinExercicePrecedent() const { return Date("Exercice", "FinPrecedent"); }
double DossierFichier::GetDateSituation() const { return Date("Exercice", "Situation"); }
double DossierFichier::GetDateDebutActivite() const { return Date("Activite", "Debut"); }
void DossierFichier::SetDateDebutActivite(double date) { EcrireDate("Activite", "Debut", date); }
double DossierFichier::GetDateCessation() const { return Date("Activite", "Cessation"); }
void DossierFichier::SetDateCessation(double date) { EcrireDate("Activite", "Cessation", date); }
host::StaticFichierINI& DossierFichier::FichierINI() { return *parametres_; }
std::string DossierFichier::GetIdentifiantISA() const { return Texte("Dossier", "IdentifiantISA"); }
double DossierFichier::GetDernierExportVersISACOMPTA() const { return Date("Dossier", "DernierExportISACOMPTA"); }

std::string DossierFichier::Rof(TypeROF type, bool calculee) const { return Texte("ROF", CleROF(type, calculee)); }

// The record is written at every change, so the "write now" flag of the setters changes nothing.
void DossierFichier::SetROFSaisie(TypeROF type, const std::string& rof) { Ecrire("ROF", CleROF(type, false), rof); }
void DossierFichier::SetROFCalculee(TypeROF type, const std::string& rof) { Ecrire("ROF", CleROF(type, true), rof); }

void DecouperROF(const std::string& rof, std::string& partie1, std::string& partie2) {
    std::size_t lettres = 0;
    while (lettres < rof.size() && std::isalpha(static_cast<unsigned char>(rof[lettres]))) ++lettres;
    partie1 = rof.substr(0, lettres);
    partie2 = rof.substr(lettres);
}

std::string DossierFichier::GetROF_TVA(bool calculee) const { return Rof(TypeROF::TVA, calculee); }
void DossierFichier::SetROF_TVA(const std::string& rof, bool) { SetROFSaisie(TypeROF::TVA, rof); }
void DossierFichier::GetROF_TDFC(std::string& partie1, std::string& partie2, bool calculee) const {
    DecouperROF(Rof(TypeROF::TDFC, calculee), partie1, partie2);
}
void DossierFichier::SetROF_TDFC(const std::string& rof, bool) { SetROFSaisie(TypeROF::TDFC, rof); }
void DossierFichier::GetROF_IS(std::string& partie1, std::string& partie2, bool calculee) const {
    DecouperROF(Rof(TypeROF::IS, calculee), partie1, partie2);
}
void DossierFichier::SetROF_IS(const std::string& rof, bool) { SetROFSaisie(TypeROF::IS, rof); }
std::string DossierFichier::GetROF_CVAE(bool calculee) const { return Rof(TypeROF::CVAE, calculee); }
void DossierFichier::SetROF_CVAE(const std::string& rof, bool) { SetROFSaisie(TypeROF::CVAE, rof); }
std::string DossierFichier::GetROF_RCM(bool calculee) const { return Rof(TypeROF::RCM, calculee); }
void DossierFichier::SetROF_RCM(const std::string& rof, bool) { SetROFSaisie(TypeROF::RCM, rof); }

std::string DossierFichier::GetRofRetenue(TypeROF type) const {
    const std::string calculee = Rof(type, true);
    return calculee.empty() ? Rof(type, false) : calculee;
}

std::string DossierFichier::GetCodeAPE() const { return Texte("Activite", "CodeAPE"); }
void DossierFichier::SetCodeAPE(const std::string& code) { Ecrire("Activite", "CodeAPE", code); }
std::string DossierFichier::GetCodeAPE_2008() const { return Texte("Activite", "CodeAPE2008"); }
void DossierFichier::SetCodeAPE_2008(const std::string& code) { Ecrire("Activite", "CodeAPE2008", code); }
std::string DossierFichier::GetCodeNACE() const { return Texte("Activite", "CodeNACE"); }
void DossierFichier::SetCodeNACE(const std::string& code) { Ecrire("Activite", "CodeNACE", code); }
std::string DossierFichier::GetActivitePrincipale() const { return Texte("Activite", "ActivitePrincipale"); }
void DossierFichier::SetActivitePrincipale(const std::string& activite) {
    Ecrire("Activite", "ActivitePrincipale", activite);
}

host::CAdresse DossierFichier::LireAdresse(std::string_view section) const {
    host::CAdresse a;
    std::string* textes[] = {&a.Complement1, &a.Complement2, &a.NoVoie,    &a.CmplNoVoie, &a.NomVoie,
                             &a.BP,          &a.CP,          &a.Ville,     &a.BureauDistributeur,
                             &a.Telephone,   &a.Fax,         &a.Email,     nullptr,       &a.CodeInsee};
    for (std::size_t i = 0; i < kClesAdresse.size(); ++i)
        if (textes[i]) *textes[i] = Texte(section, kClesAdresse[i]);
    a.IDPays = Entier(section, "Pays", PAYS_FRANCE);
    return a;
}

void DossierFichier::EcrireAdresse(std::string_view section, const host::CAdresse& a) {
    const std::string valeurs[] = {a.Complement1, a.Complement2, a.NoVoie,    a.CmplNoVoie,
                                   a.NomVoie,     a.BP,          a.CP,        a.Ville,
                                   a.BureauDistributeur,         a.Telephone, a.Fax,
                                   a.Email,       std::to_string(a.IDPays),   a.CodeInsee};
    std::vector<ValeurDossier> changements;
    for (std::size_t i = 0; i < kClesAdresse.size(); ++i)
        changements.push_back({std::string(section), kClesAdresse[i], valeurs[i]});
    Enregistrer(changements);
}

host::CAdresse DossierFichier::GetAdresse() const { return LireAdresse("Adresse"); }
void DossierFichier::MAJAdresse(const host::CAdresse& adresse) { EcrireAdresse("Adresse", adresse); }
host::CAdresse DossierFichier::GetAdresseSiegeSocial() const { return LireAdresse("SiegeSocial"); }
void DossierFichier::SetAdresseSiegeSocial(const host::CAdresse& a) { EcrireAdresse("SiegeSocial", a); }
host::CAdresse DossierFichier::GetAdresseSiegeSocialNm1() const { return LireAdresse("SiegeSocialN-1"); }
void DossierFichier::SetAdresseSiegeSocialNm1(const host::CAdresse& a) { EcrireAdresse("SiegeSocialN-1", a); }
host::CAdresse DossierFichier::GetAdresseCorrespondance() const { return LireAdresse("AdresseCorrespondance"); }
void DossierFichier::SetAdresseCorrespondance(const host::CAdresse& a) { EcrireAdresse("AdresseCorrespondance", a); }
std::string DossierFichier::GetBureauDistributeur() const { return Texte("Adresse", "BureauDistributeur"); }
void DossierFichier::SetBureauDistributeur(const std::string& bureau) {
    Ecrire("Adresse", "BureauDistributeur", bureau);
}

namespace {

// A text field of a packed record kept under a key of the record file.
struct ChampOctets {
    const char* cle;
    std::size_t offset;
    std::size_t taille;
};

#define KVARN_CHAMP(Record, champ) ChampOctets{#champ, offsetof(Record, champ), sizeof(Record::champ)}

// NUL-terminated fields.
constexpr std::array kChampsAdm{
    KVARN_CHAMP(tagDONNEES_ADM, CodeSIE),   KVARN_CHAMP(tagDONNEES_ADM, NoDossier),
    KVARN_CHAMP(tagDONNEES_ADM, Cle),       KVARN_CHAMP(tagDONNEES_ADM, RegimeTVA),
    KVARN_CHAMP(tagDONNEES_ADM, CodeCDI),   KVARN_CHAMP(tagDONNEES_ADM, CodeInspection),
    KVARN_CHAMP(tagDONNEES_ADM, NoService),
};

// Zero-padded fields without terminators.
constexpr std::array kChampsIntraComm{
    KVARN_CHAMP(tagNOINTRACOMM, Prefixe), KVARN_CHAMP(tagNOINTRACOMM, Siren), KVARN_CHAMP(tagNOINTRACOMM, Nic)};

#undef KVARN_CHAMP

enum class Terminaison { Zero, Remplissage };

template <typename Record, std::size_t N>
void RemplirRecord(Record& record, const std::array<ChampOctets, N>& champs, Terminaison terminaison,
                   const std::function<std::string(const char*)>& valeur) {
    std::memset(&record, 0, sizeof record);
    auto* octets = reinterpret_cast<char*>(&record);
    for (const ChampOctets& champ : champs) {
        if (terminaison == Terminaison::Zero) WriteCStringField(octets + champ.offset, champ.taille, valeur(champ.cle), CodePage::Ansi);
        else WritePaddedField(octets + champ.offset, champ.taille, valeur(champ.cle), CodePage::Ansi);
    }
}

template <typename Record, std::size_t N>
std::vector<ValeurDossier> ValeursDuRecord(const Record& record, const std::array<ChampOctets, N>& champs,
                                           Terminaison terminaison, const char* section) {
    const auto* octets = reinterpret_cast<const char*>(&record);
    std::vector<ValeurDossier> valeurs;
    for (const ChampOctets& champ : champs) {
        const std::size_t largeur = terminaison == Terminaison::Zero ? champ.taille - 1 : champ.taille;
        valeurs.push_back({section, champ.cle, ReadField(octets + champ.offset, largeur, CodePage::Ansi)});
    }
    return valeurs;
}

}  // namespace

void DossierFichier::GetDonneesAdministratives(tagDONNEES_ADM& donnees) const {
    RemplirRecord(donnees, kChampsAdm, Terminaison::Zero, [&](const char* cle) { return Texte("Administratif", cle); });
}

void DossierFichier::SetDonneesAdministratives(const tagDONNEES_ADM& donnees) {
    Enregistrer(ValeursDuRecord(donnees, kChampsAdm, Terminaison::Zero, "Administratif"));
}

void DossierFichier::GetNoIntraComm(tagNOINTRACOMM& numero) const {
    RemplirRecord(numero, kChampsIntraComm, Terminaison::Remplissage,
                  [&](const char* cle) { return Texte(kSectionIdentification, cle); });
}

void DossierFichier::SetNoIntraComm(const tagNOINTRACOMM& numero) {
    Enregistrer(ValeursDuRecord(numero, kChampsIntraComm, Terminaison::Remplissage, kSectionIdentification));
}

std::string DossierFichier::GetSIRET() const {
    tagNOINTRACOMM numero;
    GetNoIntraComm(numero);
    return ReadField(reinterpret_cast<const char*>(&numero) + offsetof(tagNOINTRACOMM, Siren), 14, CodePage::Ansi);
}

void DossierFichier::ReadExtendedInfo(host::tagDONNEES_DOSSIER& info) const {
    const double engagement = Date("InfoEtendue", "DateEngagement");
    info.DateEngagementDOS = engagement == 0 ? 0 : ToDosDateWord(DecodeDate(engagement)).value_or(0);
    info.Commentaire = Texte("InfoEtendue", "Commentaire");
}

std::string DossierFichier::GetTenuEn() const { return Texte("Dossier", "TenuEn", "EUR"); }

std::string DossierFichier::GetDossierPropStrDyn(int numero) const {
    if (numero != 0) return {};
    const std::string exercice = Texte("Dossier", "Exercice");
    const double fin = GetDateFinExercice();
    return !exercice.empty() || fin == 0 ? exercice : std::to_string(DecodeDate(fin).year);
}

// Information 0 is the legal form, as the host's list names the record's code.
std::string DossierFichier::GetInformationDossierCourt(int numero) const {
    std::string abreviation;
    if (numero == 0) host::cFormeJuridique::DonnerInfos(GetFormeJuridique(), nullptr, nullptr, &abreviation, nullptr);
    return abreviation;
}

std::string DossierFichier::GetInformationDossierLong(int numero) const {
    std::string libelle;
    if (numero == 0) host::cFormeJuridique::DonnerInfos(GetFormeJuridique(), &libelle, nullptr, nullptr, nullptr);
    return libelle;
}

int DossierFichier::GetIntervenantAttache(int type) const { return Entier("Intervenants", std::to_string(type), 0); }

void DossierFichier::SetIntervenantAttache(int type, int id) {
    Ecrire("Intervenants", std::to_string(type), id == 0 ? std::string() : std::to_string(id));
}

}  // namespace kvarn::standalone
