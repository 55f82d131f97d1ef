// kvarn: the command-line program over a dossier directory.
//
// This is the only file that sees the command-line parser (it compiles slowly); each command
// family's handlers live in a file of their own and receive plain option structs. Exit status:
// 0 success, 1 the module or the host refused (message on stderr, in French), 2 bad usage.
#include "intervenant_commands.hpp"
#include "parametre_commands.hpp"
#include "run.hpp"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

using kvarn::cli::GlobalOptions;
namespace cli = kvarn::cli;

// Exit status of the command that ran; set by the subcommand's callback.
int g_status = kvarn::cli::kSucces;

// Makes `sub` run `handler` once parsed, through the common error handling.
void Bind(CLI::App* sub, std::function<int()> handler) {
    sub->callback([handler = std::move(handler)] { g_status = kvarn::cli::Run(handler); });
}

// The options of a postal address, shared by every command that takes one.
void AddAdresseOptions(CLI::App* sub, cli::AdresseOptions& a) {
    sub->add_option("--complement1", a.complement1, "Complément d'adresse 1");
    sub->add_option("--complement2", a.complement2, "Complément d'adresse 2");
    sub->add_option("--numero-voie", a.numeroVoie, "Numéro dans la voie");
    sub->add_option("--indice-repetition", a.indiceRepetition, "Indice de répétition (B, T, Q)");
    sub->add_option("--voie", a.voie, "Nom de la voie");
    sub->add_option("--bp", a.bp, "Boîte postale");
    sub->add_option("--cp", a.cp, "Code postal");
    sub->add_option("--ville", a.ville, "Ville");
    sub->add_option("--telephone", a.telephone, "Téléphone");
    sub->add_option("--fax", a.fax, "Télécopie");
    sub->add_option("--email", a.email, "Adresse électronique");
    sub->add_option("--pays", a.pays, "Identifiant du pays (76 = France)");
}

void AddIntervenantCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("intervenant", "Annuaire des intervenants extérieurs");
    family->require_subcommand(1);

    static cli::IntervenantAjouterOptions ajouter;
    CLI::App* add = family->add_subcommand("ajouter", "Ajoute un intervenant à l'annuaire et affiche son numéro");
    add->add_option("--type", ajouter.type, "Type (comptable, conseil, CGA, AGA, cabinet, SIE, CGI, administrateur)")
        ->required();
    add->add_option("--nom", ajouter.nom, "Nom ou dénomination")->required();
    add->add_option("--siret", ajouter.siret, "SIRET de l'intervenant");
    add->add_flag("--personne-physique", ajouter.personnePhysique, "L'intervenant est une personne physique");
    add->add_option("--agrement", ajouter.agrement, "Numéro d'agrément (CGA, AGA)");
    add->add_option("--contact", ajouter.contact, "Personne à contacter");
    add->add_option("--observations", ajouter.observations, "Observations");
    add->add_flag("--par-defaut", ajouter.parDefaut, "Intervenant par défaut de son type");
    add->add_option("--mode-affectation", ajouter.modeAffectation,
                    "Fiche du cabinet : 2 si le comptable se choisit dossier par dossier");
    AddAdresseOptions(add, ajouter.adresse);
    Bind(add, [&globals] { return cli::IntervenantAjouter(globals, ajouter); });

    static cli::IntervenantListerOptions lister;
    CLI::App* list = family->add_subcommand("lister", "Liste les intervenants de l'annuaire");
    list->add_option("--type", lister.type, "Seulement ce type");
    list->add_flag("--json", lister.json, "Sortie JSON");
    Bind(list, [&globals] { return cli::IntervenantLister(globals, lister); });

    static cli::IntervenantAttacherOptions attacher;
    CLI::App* attach = family->add_subcommand("attacher", "Attache au dossier un intervenant de l'annuaire");
    attach->add_option("--type", attacher.type, "Type d'intervenant")->required();
    attach->add_option("--id", attacher.id, "Numéro de l'intervenant (sinon choisi dans la liste)");
    Bind(attach, [&globals] { return cli::IntervenantAttacher(globals, attacher); });

    CLI::App* detach = family->add_subcommand("detacher", "Détache du dossier l'intervenant d'un type");
    detach->add_option("--type", attacher.type, "Type d'intervenant")->required();
    detach->add_option("--id", attacher.id, "Numéro attendu de l'intervenant attaché");
    Bind(detach, [&globals] { return cli::IntervenantDetacher(globals, attacher); });
}

void AddParametreCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("parametre", "Paramètres du dossier (fichier KOLMI$$G.dat)");
    family->require_subcommand(1);

    static cli::ParametreCleOptions cle;
    CLI::App* read = family->add_subcommand("lire", "Affiche la valeur d'une clé (rien si elle est absente)");
    read->add_option("SECTION", cle.section, "Section")->required();
    read->add_option("CLE", cle.cle, "Clé")->required();
    Bind(read, [&globals] { return cli::ParametreLire(globals, cle); });

    static cli::ParametreEcrireOptions ecrire;
    CLI::App* write = family->add_subcommand("ecrire", "Écrit la valeur d'une clé (une valeur vide la supprime)");
    write->add_option("SECTION", ecrire.section, "Section")->required();
    write->add_option("CLE", ecrire.cle, "Clé")->required();
    write->add_option("VALEUR", ecrire.valeur, "Valeur")->required();
    Bind(write, [&globals] { return cli::ParametreEcrire(globals, ecrire); });

    CLI::App* remove = family->add_subcommand("supprimer", "Supprime une clé");
    remove->add_option("SECTION", cle.section, "Section")->required();
    remove->add_option("CLE", cle.cle, "Clé")->required();
    Bind(remove, [&globals] { return cli::ParametreSupprimer(globals, cle); });

    static cli::ParametreListerOptions lister;
    CLI::App* list = family->add_subcommand("lister", "Liste les paramètres, ou ceux d'une section");
    list->add_option("SECTION", lister.section, "Seulement cette section");
    list->add_flag("--json", lister.json, "Sortie JSON");
    Bind(list, [&globals] { return cli::ParametreLister(globals, lister); });
}

void ConfigureApp(CLI::App& app, GlobalOptions& globals) {
    app.description("kvarn : données permanentes d'un dossier de société (associés, parts, "
                    "identification, régimes), clôture, sauvegarde et export.");
    app.set_version_flag("--version", "kvarn " KVARN_VERSION, "Affiche la version et quitte");
    app.set_help_flag("-h,--help", "Affiche l'aide et quitte");
    app.add_option("--dossier", globals.dossier, "Répertoire du dossier")->type_name("RÉPERTOIRE");
    auto* oui = app.add_flag("--oui", globals.oui, "Répond oui à toutes les questions");
    app.add_flag("--non", globals.non, "Répond non à toutes les questions")->excludes(oui);
    app.require_subcommand(0, 1);
    app.fallthrough();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"", "kvarn"};
    GlobalOptions globals;
    ConfigureApp(app, globals);
    AddIntervenantCommands(app, globals);
    AddParametreCommands(app, globals);
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
