// kvarn: the command-line program over a dossier directory.
//
// This is the only file that sees the command-line parser (it compiles slowly); each command
// family's handlers live in a file of their own and receive plain option structs. Exit status:
// 0 success, 1 the module or the host refused (message on stderr, in French), 2 bad usage.
#include "backup_commands.hpp"
#include "run.hpp"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace {

using kvarn::cli::GlobalOptions;

// Exit status of the command that ran; set by the subcommand's callback.
int g_status = kvarn::cli::kSucces;

// Makes `sub` run `handler` once parsed, through the common error handling.
[[maybe_unused]] void Bind(CLI::App* sub, std::function<int()> handler) {
    sub->callback([handler = std::move(handler)] { g_status = kvarn::cli::Run(handler); });
}

void ConfigureApp(CLI::App& app, GlobalOptions& globals) {
    app.description("kvarn : données permanentes d'un dossier de société (associés, parts, "
                    "identification, régimes), clôture, sauvegarde et export.");
    app.set_version_flag("--version", "kvarn " KVARN_VERSION, "Affiche la version et quitte");
    app.set_help_flag("-h,--help", "Affiche l'aide et quitte");
    app.add_option("--dossier", globals.dossier, "Répertoire du dossier")->type_name("RÉPERTOIRE");
    app.require_subcommand(0, 1);
    app.fallthrough();
}

// sauvegarder, restaurer, archive lister, archive verifier.
void AddBackupCommands(CLI::App& app, GlobalOptions&) {
    using namespace kvarn::cli;
    auto sauvegarde = std::make_shared<SauvegarderOptions>();
    CLI::App* sub = app.add_subcommand("sauvegarder", "Sauvegarde un répertoire dans une archive");
    sub->add_option("--source", sauvegarde->source, "Répertoire à sauvegarder")
        ->required()->type_name("RÉPERTOIRE");
    sub->add_option("--vers", sauvegarde->vers, "Répertoire des volumes de l'archive")
        ->required()->type_name("RÉPERTOIRE");
    sub->add_option("--nom", sauvegarde->nom, "Nom des volumes (SAUVEGARDE par défaut)")
        ->type_name("NOM");
    sub->add_flag("--sous-repertoires", sauvegarde->sousRepertoires,
                  "Sauvegarde aussi les sous-répertoires");
    sub->add_option("--description", sauvegarde->description, "Description de l'archive")
        ->type_name("TEXTE");
    Bind(sub, [sauvegarde] { return Sauvegarder(*sauvegarde); });

    auto restauration = std::make_shared<RestaurerOptions>();
    sub = app.add_subcommand("restaurer", "Restaure une archive dans un répertoire");
    sub->add_option("--depuis", restauration->depuis, "Répertoire des volumes de l'archive")
        ->required()->type_name("RÉPERTOIRE");
    sub->add_option("--nom", restauration->nom, "Nom des volumes (SAUVEGARDE par défaut)")
        ->type_name("NOM");
    sub->add_option("--vers", restauration->vers, "Répertoire où restaurer")
        ->required()->type_name("RÉPERTOIRE");
    sub->add_flag("--ecraser", restauration->ecraser, "Remplace les fichiers existants");
    Bind(sub, [restauration] { return Restaurer(*restauration); });

    CLI::App* archive = app.add_subcommand("archive", "Examine une archive sans rien restaurer");
    archive->require_subcommand(1);
    auto examen = std::make_shared<ArchiveOptions>();
    for (const bool listing : {true, false}) {
        sub = listing ? archive->add_subcommand("lister", "Liste le contenu d'une archive")
                      : archive->add_subcommand("verifier",
                                                "Relit et décompresse tout le contenu d'une archive");
        sub->add_option("--depuis", examen->depuis, "Répertoire des volumes de l'archive")
            ->required()->type_name("RÉPERTOIRE");
        sub->add_option("--nom", examen->nom, "Nom des volumes (SAUVEGARDE par défaut)")
            ->type_name("NOM");
        if (listing) {
            sub->add_flag("--json", examen->json, "Sortie JSON");
            Bind(sub, [examen] { return ListerArchive(*examen); });
        } else {
            Bind(sub, [examen] { return VerifierArchive(*examen); });
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"", "kvarn"};
    GlobalOptions globals;
    ConfigureApp(app, globals);
    AddBackupCommands(app, globals);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);  // --help, --version
    } catch (const CLI::ParseError& e) {
        std::cerr << "kvarn : " << e.what() << "\n(kvarn --help pour l'aide)\n";
        return kvarn::cli::kUsage;
    }
    if (app.get_subcommands().empty()) {
        std::cout << app.help();
        return kvarn::cli::kSucces;
    }
    return g_status;
}
