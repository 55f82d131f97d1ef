#include "environment/gest_trp_ini.hpp"

#include "common/dates.hpp"
#include "common/ini_values.hpp"
#include "common/nulls.hpp"
#include "common/numbers.hpp"
#include "host/environnement.hpp"

#include <stdexcept>

namespace kvarn::environment {
namespace {

// The directory always ends with the platform's separator, so that the file name is simply
// appended (on Windows that separator is the backslash; here it is the slash).
std::string AvecSeparateurFinal(std::string repertoire) {
    if (!repertoire.empty() && repertoire.back() != '/') repertoire += '/';
    return repertoire;
}

std::string RepertoireDuDossier() {
    if (!host::pEnvironnement)
        throw std::runtime_error("Paramètres du dossier : aucun environnement hôte n'est installé");
    std::string repertoire = host::pEnvironnement->NomFichier2(host::kRepertoireDossier);
    // An empty dossier directory would put the settings file at the root of the disk: refuse it.
    if (repertoire.empty()) throw std::runtime_error("Paramètres du dossier : aucun dossier n'est ouvert");
    return repertoire;
}

// Restores the store's current section when a named-section operation ends, even by an error.
class SectionRestauree {
public:
    SectionRestauree(std::string& section, std::string_view temporaire)
        : section_(section), sauvee_(std::exchange(section, std::string(temporaire))) {}
    ~SectionRestauree() { section_ = std::move(sauvee_); }
    SectionRestauree(const SectionRestauree&) = delete;
    SectionRestauree& operator=(const SectionRestauree&) = delete;

private:
    std::string& section_;
    std::string sauvee_;
};

}  // namespace

CGestTRPIni::CGestTRPIni(const std::string& repertoire)
    : repertoire_(AvecSeparateurFinal(repertoire.empty() ? RepertoireDuDossier() : repertoire)),
      section_(kSectionOuverture) {
    fichier_ = SharedIniFile(Chemin());
}

std::filesystem::path CGestTRPIni::Chemin() const { return repertoire_ + kNomFichierParametres; }

// Writes are never left pending: each one has replaced the file before it returns, and every
// read compares the file with what was loaded and reloads when another writer changed it. Reading
// after a flush, as the store must, is therefore what every read here does.
std::optional<std::string> CGestTRPIni::Lire(std::string_view cle) const { return fichier_->Get(section_, cle); }

std::string CGestTRPIni::GetString(std::string_view cle, std::string_view defaut) const {
    return Lire(cle).value_or(std::string(defaut));
}

int CGestTRPIni::GetInteger(std::string_view cle, int defaut) const {
    return ParseIniInteger(Lire(cle).value_or("")).value_or(defaut);
}

bool CGestTRPIni::GetBool(std::string_view cle, bool defaut) const { return GetInteger(cle, defaut ? 1 : 0) != 0; }

double CGestTRPIni::GetReal(std::string_view cle, double defaut) const {
    const std::string texte = GetString(cle);
    return texte.empty() ? defaut : ZORStr2Double(texte);
}

double CGestTRPIni::GetDate(std::string_view cle, double defaut) const {
    const auto texte = Lire(cle);
    const auto date = texte ? ParseDate(*texte) : std::nullopt;
    return date.value_or(defaut);
}

void CGestTRPIni::SetString(std::string_view cle, std::string_view valeur) {
    if (valeur.empty()) SupprimerCle(cle);
    else fichier_->Set(section_, cle, valeur);
}

void CGestTRPIni::SetInteger(std::string_view cle, int valeur) {
    if (valeur == NULL_ENTIER) SupprimerCle(cle);
    else fichier_->Set(section_, cle, FormatIniInteger(valeur));
}

void CGestTRPIni::SetBool(std::string_view cle, bool valeur) { SetInteger(cle, valeur ? 1 : 0); }

void CGestTRPIni::SetReal(std::string_view cle, double valeur) {
    if (valeur == NULL_REEL) SupprimerCle(cle);
    else fichier_->Set(section_, cle, FormatIniReal(valeur));
}

void CGestTRPIni::SetDate(std::string_view cle, double valeur) {
    if (valeur == 0) SupprimerCle(cle);
    else fichier_->Set(section_, cle, FormatDate(valeur));
}

void CGestTRPIni::SupprimerCle(std::string_view cle) { fichier_->Remove(section_, cle); }

template <class Operation>
auto CGestTRPIni::DansSection(std::string_view section, Operation&& operation) {
    SectionRestauree restauree(section_, section);
    return operation();
}

std::string CGestTRPIni::GetAssString(std::string_view section, std::string_view cle) {
    return DansSection(section, [&] { return GetString(cle); });
}

double CGestTRPIni::GetAssDate(std::string_view section, std::string_view cle, double defaut) {
    return DansSection(section, [&] { return GetDate(cle, defaut); });
}

int CGestTRPIni::GetAssInteger(std::string_view section, std::string_view cle, int defaut) {
    return DansSection(section, [&] { return GetInteger(cle, defaut); });
}

bool CGestTRPIni::GetAssBool(std::string_view section, std::string_view cle, bool defaut) {
    return DansSection(section, [&] { return GetBool(cle, defaut); });
}

void CGestTRPIni::SetAssString(std::string_view section, std::string_view cle, std::string_view valeur) {
    DansSection(section, [&] { SetString(cle, valeur); });
}

void CGestTRPIni::SetAssDate(std::string_view section, std::string_view cle, double valeur) {
    DansSection(section, [&] { SetDate(cle, valeur); });
}

void CGestTRPIni::SetAssInteger(std::string_view section, std::string_view cle, int valeur) {
    DansSection(section, [&] { SetInteger(cle, valeur); });
}

void CGestTRPIni::SetAssBool(std::string_view section, std::string_view cle, bool valeur) {
    DansSection(section, [&] { SetBool(cle, valeur); });
}

void CGestTRPIni::SupprimerCleAss(std::string_view section, std::string_view cle) {
    DansSection(section, [&] { SupprimerCle(cle); });
}

std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>> CGestTRPIni::Contenu() const {
    const IniDocument& document = fichier_->Document();
    std::vector<std::pair<std::string, std::vector<IniDocument::Entry>>> contenu;
    for (const std::string& section : document.Sections()) contenu.emplace_back(section, document.Entries(section));
    return contenu;
}

}  // namespace kvarn::environment
