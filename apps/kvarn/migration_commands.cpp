#include "migration_commands.hpp"

#include "db/database_copy.hpp"
#include "db/dossier_lock.hpp"
#include "db/pending_files.hpp"
#include "db/session.hpp"
#include "json.hpp"
#include "session.hpp"
#include "standalone/repertoire_temporaire.hpp"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>

namespace kvarn::cli {
namespace {

namespace fs = std::filesystem;

std::string Hexa(std::uint32_t version) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "0x%X", static_cast<unsigned>(version));
    return texte;
}

std::string Version(const std::optional<std::uint32_t>& version) { return version ? Hexa(*version) : "absente"; }

// The dossier's files in a private directory, the database copied through SQLite's online
// backup while the dossier is held; removed with the object.
class CopiePrivee {
public:
    explicit CopiePrivee(const fs::path& dossier)
        : repertoire_(standalone::RepertoireTemporaire() / "simulation-migration") {
        fs::remove_all(repertoire_);
        fs::create_directories(repertoire_);
        const fs::path base = dossier / db::DOSSIER_DATABASE_FILE;
        const db::DossierLock tenue(base, db::SessionOptions{}.busyTimeout);
        for (const fs::directory_entry& fichier : fs::directory_iterator(dossier)) {
            const std::string nom = fichier.path().filename().string();
            if (fichier.is_regular_file() && nom.rfind(db::DOSSIER_DATABASE_FILE, 0) != 0)
                fs::copy_file(fichier.path(), repertoire_ / nom);
        }
        if (fs::exists(dossier / db::PENDING_MARKER_FILE))
            fs::copy_file(dossier / db::PENDING_MARKER_FILE, repertoire_ / db::PENDING_MARKER_FILE,
                          fs::copy_options::overwrite_existing);
        db::CopyDatabaseOnline(base, repertoire_ / db::DOSSIER_DATABASE_FILE, db::SessionOptions{}.busyTimeout);
    }
    ~CopiePrivee() {
        std::error_code ignore;
        fs::remove_all(repertoire_, ignore);
    }
    CopiePrivee(const CopiePrivee&) = delete;
    CopiePrivee& operator=(const CopiePrivee&) = delete;
    const fs::path& Repertoire() const { return repertoire_; }

private:
    fs::path repertoire_;
};

void EcrireVersions(JsonWriter& json, std::string_view cle, const store::VersionsDossier& versions) {
    json.Key(cle).BeginObject();
    for (const auto& [service, version] : {std::pair{store::kServiceStructure, versions.structure},
                                           std::pair{store::kServiceDonnees, versions.donnees}}) {
        json.Key(service);
        if (version) json.Integer(*version);
        else json.Null();
    }
    json.EndObject();
}

std::string Json(const store::RapportMigration& rapport) {
    JsonWriter json;
    json.BeginObject();
    EcrireVersions(json, "avant", rapport.avant);
    EcrireVersions(json, "apres", rapport.apres);
    json.Key("etapes").BeginArray();
    for (const store::EtapeExecutee& etape : rapport.etapes) {
        json.BeginObject().Field("service", etape.service).Field("numero", static_cast<long long>(etape.numero));
        json.Field("libelle", etape.libelle).Key("changements").BeginArray();
        for (const std::string& changement : etape.changements) json.String(changement);
        json.EndArray().EndObject();
    }
    json.EndArray().Key("echec");
    if (const auto& echec = rapport.echec) {
        json.BeginObject().Field("service", echec->service).Field("numero", static_cast<long long>(echec->numero));
        json.Field("libelle", echec->libelle).Field("message", echec->Texte()).EndObject();
    } else {
        json.Null();
    }
    json.EndObject();
    return json.str();
}

std::string Texte(const store::RapportMigration& rapport) {
    std::string texte = "Versions avant : KV " + Version(rapport.avant.structure) + ", KVDonnees " +
                        Version(rapport.avant.donnees) + "\n";
    for (const store::EtapeExecutee& etape : rapport.etapes) {
        texte += etape.service + " " + Hexa(etape.numero) + " " + etape.libelle + "\n";
        for (const std::string& changement : etape.changements) texte += "  " + changement + "\n";
    }
    if (rapport.etapes.empty() && !rapport.echec) texte += "Aucune étape à exécuter : le dossier est à jour.\n";
    if (rapport.echec)
        texte += "Échec : " + rapport.echec->service + " " + Hexa(rapport.echec->numero) + " " +
                 rapport.echec->Texte() + "\n";
    return texte + "Versions après : KV " + Version(rapport.apres.structure) + ", KVDonnees " +
           Version(rapport.apres.donnees) + "\n";
}

}  // namespace

std::string ResumeMiseAJour(const store::RapportMigration& rapport) {
    const std::size_t n = rapport.etapes.size();
    return "Dossier mis à jour : structure " + Version(rapport.avant.structure) + " → " +
           Version(rapport.apres.structure) + ", données " + Version(rapport.avant.donnees) + " → " +
           Version(rapport.apres.donnees) + " (" + std::to_string(n) + (n > 1 ? " étapes)" : " étape)");
}

int DossierMigrer(const GlobalOptions& globals, const MigrerOptions& options) {
    std::optional<CopiePrivee> copie;
    GlobalOptions cible = globals;
    if (options.simuler) cible.dossier = copie.emplace(RequireDossier(globals)).Repertoire().string();
    Session session = Session::WithDossier(cible);
    const ModuleOuvert module(cible.modeChargement, true);
    const store::RapportMigration& rapport = module.Rapport();
    std::cout << (options.json ? Json(rapport) + "\n" : Texte(rapport));
    if (options.simuler) std::cerr << "Simulation : le dossier n'a pas été modifié.\n";
    return rapport.echec ? kRefus : kSucces;
}

void AjouterCommandeMigrer(CLI::App& app, GlobalOptions& globals, LierCommande lier) {
    static MigrerOptions options;
    CLI::App* sub = app.get_subcommand("dossier")->add_subcommand(
        "migrer", "Met à jour un dossier d'une version antérieure et détaille chaque étape (--dossier)");
    sub->add_flag("--simuler", options.simuler, "Sur une copie privée : le dossier n'est pas modifié");
    sub->add_flag("--json", options.json, "Sortie JSON");
    lier(sub, [&globals] { return DossierMigrer(globals, options); });
}

}  // namespace kvarn::cli
