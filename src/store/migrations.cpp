#include "store/migrations.hpp"

#include "common/ini_values.hpp"
#include "host/barre.hpp"
#include "host/boites.hpp"
#include "store/data_module.hpp"

#include <algorithm>

namespace kvarn::store {
namespace {

// The data module's place of a failing migration step.
constexpr std::uint32_t kPlaceEtape = 40;

// The last structure version of the dossiers that predate the data chain.
constexpr std::uint32_t kDerniereStructureSansDonnees = 0x10407;

}  // namespace

CMigrations::CMigrations(std::string nomService, environment::CGestTRPIni& parametres, std::uint32_t versionCourante)
    : nomService_(std::move(nomService)), parametres_(parametres), versionCourante_(versionCourante) {}

void CMigrations::Ajouter(EtapeMigration etape) { etapes_.push_back(std::move(etape)); }

std::string CMigrations::Cle() const {
    return "la clé « " + std::string(kCleMigrations) + " » de la section « " + nomService_ + " » du fichier « " +
           parametres_.Chemin().string() + " »";
}

std::optional<std::uint32_t> CMigrations::VersionEnregistree() const {
    const std::string texte = parametres_.GetAssString(nomService_, kCleMigrations);
    if (texte.empty()) return std::nullopt;
    const std::optional<int> version = ParseIniInteger(texte);
    if (!version || *version < 0)
        throw AgeDuDossierInconnu("La version du dossier, " + Cle() + ", n'est pas un numéro (« " + texte +
                                  " ») : le dossier ne peut pas être mis à jour tant qu'elle n'est pas corrigée.");
    return static_cast<std::uint32_t>(*version);
}

void CMigrations::RefuserSansVersion(const std::string& ecart) const {
    throw AgeDuDossierInconnu("La version du dossier est absente (" + Cle() +
                              ") alors que ses tables sont d'une version antérieure (" + ecart +
                              ") : le dossier ne peut pas être mis à jour sans elle.");
}

void CMigrations::Enregistrer(std::uint32_t version) {
    parametres_.SetAssInteger(nomService_, kCleMigrations, static_cast<int>(version));
}

void CMigrations::EnregistrerCourante() {
    std::uint32_t version = versionCourante_;
    for (const EtapeMigration& etape : etapes_) version = std::max(version, etape.numero);
    Enregistrer(version);
}

bool CMigrations::Executer(const std::string& titre) {
    const std::uint32_t depuis = VersionEnregistree().value_or(0);
    std::vector<const EtapeMigration*> aFaire;
    for (const EtapeMigration& etape : etapes_)
        if (etape.numero > depuis) aFaire.push_back(&etape);
    if (aFaire.empty()) return true;
    const auto barre = host::OuvrirBarre(titre);
    barre->SetMax(static_cast<long>(aFaire.size()));
    for (const EtapeMigration* etape : aFaire) {
        barre->SetTexte(titre + " : " + etape->libelle);
        try {
            etape->methode();
        } catch (const std::exception& erreur) {
            host::ZORDisplayException(host::CodeLocalisation(kUniteDataModule, kPlaceEtape), erreur);
            return false;
        }
        Enregistrer(etape->numero);
        barre->Avancer();
    }
    return true;
}

void ExecuterMigrations(environment::CGestTRPIni& parametres, const ChainesMigration& chaines,
                        const EcartDisposition& ecart, const std::function<void()>& copierTables) {
    CMigrations structure(kServiceStructure, parametres, kVersionStructureCourante);
    CMigrations donnees(kServiceDonnees, parametres, kVersionDonneesCourante);
    for (const EtapeMigration& etape : chaines.structure) structure.Ajouter(etape);
    for (const EtapeMigration& etape : chaines.donnees) donnees.Ajouter(etape);

    // Everything that could refuse the start-up is decided before the first step runs.
    const std::optional<std::uint32_t> versionAvant = structure.VersionEnregistree();
    const std::optional<std::uint32_t> versionDonnees = donnees.VersionEnregistree();
    const bool ancienneStructure = versionAvant.value_or(0) != 0 && *versionAvant <= kDerniereStructureSansDonnees;
    const bool donneesSansVersion = !versionDonnees && !ancienneStructure;
    if (!versionAvant || donneesSansVersion)
        if (const std::optional<std::string> difference = ecart())
            (versionAvant ? donnees : structure).RefuserSansVersion(*difference);

    if (versionAvant) structure.Executer("Mise à jour du kvarn");
    else structure.EnregistrerCourante();

    copierTables();

    if (donneesSansVersion) donnees.EnregistrerCourante();
    else donnees.Executer("Mise à jour des données du kvarn");
}

}  // namespace kvarn::store
