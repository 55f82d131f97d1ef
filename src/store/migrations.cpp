#include "store/migrations.hpp"

#include "host/barre.hpp"
#include "host/boites.hpp"
#include "store/data_module.hpp"

namespace kvarn::store {
namespace {

// The data module's place of a failing migration step.
constexpr std::uint32_t kPlaceEtape = 40;

// The last structure version of the dossiers that predate the data chain.
constexpr std::uint32_t kDerniereStructureSansDonnees = 0x10407;

}  // namespace

CMigrations::CMigrations(std::string nomService, environment::CGestTRPIni& parametres)
    : nomService_(std::move(nomService)), parametres_(parametres) {}

void CMigrations::Ajouter(EtapeMigration etape) { etapes_.push_back(std::move(etape)); }

std::optional<std::uint32_t> CMigrations::VersionEnregistree() const {
    if (parametres_.GetAssString(nomService_, kCleMigrations).empty()) return std::nullopt;
    return static_cast<std::uint32_t>(parametres_.GetAssInteger(nomService_, kCleMigrations, 0));
}

void CMigrations::Enregistrer(std::uint32_t version) {
    parametres_.SetAssInteger(nomService_, kCleMigrations, static_cast<int>(version));
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
                        const std::function<void()>& copierTables) {
    CMigrations structure(kServiceStructure, parametres);
    const std::optional<std::uint32_t> versionAvant = structure.VersionEnregistree();
    for (const EtapeMigration& etape : chaines.structure) structure.Ajouter(etape);
    if (versionAvant) structure.Executer("Mise à jour du kvarn");
    else structure.EnregistrerCreation();

    copierTables();

    CMigrations donnees(kServiceDonnees, parametres);
    for (const EtapeMigration& etape : chaines.donnees) donnees.Ajouter(etape);
    const bool ancienneStructure = versionAvant.value_or(0) != 0 && *versionAvant <= kDerniereStructureSansDonnees;
    if (donnees.VersionEnregistree() || ancienneStructure) donnees.Executer("Mise à jour des données du kvarn");
    else donnees.EnregistrerCreation();
}

}  // namespace kvarn::store
