// kvarn: the command-line program over a dossier directory.
//
// This is the only file that sees the command-line parser (it compiles slowly); each command
// family's handlers live in a file of their own and receive plain option structs. Exit status:
// 0 success, 1 the module or the host refused (message on stderr, in French), 2 bad usage.
#include "run.hpp"

#include <CLI/CLI.hpp>

#include <iostream>

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

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"", "kvarn"};
    GlobalOptions globals;
    ConfigureApp(app, globals);
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
