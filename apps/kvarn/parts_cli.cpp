#include "parts_cli.hpp"

#include "lien_commands.hpp"
#include "mouvement_commands.hpp"
#include "positions_commands.hpp"

#include <CLI/CLI.hpp>

namespace kvarn::cli {
namespace {

void AjouterMouvement(CLI::App& app, GlobalOptions& globals, LierCommande lier) {
    CLI::App* family = app.add_subcommand("mouvement", "Mouvements de parts de l'exercice (--dossier)");
    family->require_subcommand(1);

    static MouvementAjouterOptions ajouter;
    CLI::App* add = family->add_subcommand(
        "ajouter",
        "Ajoute un mouvement contrôlé en entier et affiche son numéro. Pour une cession d'usufruit (type 2), "
        "un lien enregistre en IDNP l'acquéreur de l'usufruit et en IDU le nu-propriétaire");
    add->add_option("--date", ajouter.date, "Date du mouvement (jj/mm/aaaa)")->required();
    add->add_option("--type", ajouter.type,
                    "0 cession PP, 1 cession NP, 2 cession U, 3 démembrement, 4 augmentation de capital, "
                    "5 réduction de capital, 6 reconstitution")
        ->required();
    add->add_option("--cedant", ajouter.cedant, "Vendeur (bénéficiaire pour le type 6)");
    add->add_option("--detail", ajouter.details,
                    "Quantité d'un associé : ID:COLONNE:NOMBRE, COLONNE parmi PPAug, PPDim, NPAug, NPDim, UAug, UDim "
                    "(ou NbPartsPPAug...)")
        ->type_name("ID:COLONNE:NOMBRE");
    add->add_option("--lien", ajouter.liens, "Usufruits liés à un nu-propriétaire : IDNP:IDU:NOMBRE")
        ->type_name("IDNP:IDU:NOMBRE");
    lier(add, [&globals] { return MouvementAjouter(globals, ajouter); });

    static MouvementListerOptions lister;
    CLI::App* list = family->add_subcommand("lister", "Synthèse des mouvements, par date");
    list->add_flag("--json", lister.json, "Sortie JSON");
    lier(list, [&globals] { return MouvementLister(globals, lister); });

    static int id = 0;
    CLI::App* remove = family->add_subcommand("supprimer", "Supprime un mouvement, ses lignes et ses liens");
    remove->add_option("ID", id, "Numéro du mouvement")->required();
    lier(remove, [&globals] { return MouvementSupprimer(globals, id); });

    CLI::App* check = family->add_subcommand("verifier-liens", "Vérifie que chaque mouvement affecte tous ses usufruits");
    lier(check, [&globals] { return MouvementVerifierLiens(globals); });
}

void AjouterLien(CLI::App& app, GlobalOptions& globals, LierCommande lier) {
    CLI::App* family = app.add_subcommand("lien", "Liens entre nus-propriétaires et usufruitiers (--dossier)");
    family->require_subcommand(1);

    static LienAjouterOptions ajouter;
    CLI::App* add = family->add_subcommand(
        "ajouter", "Fixe le nombre d'usufruits d'un lien, ou l'ajoute ; pour une cession d'usufruit (type 2), "
                   "--np est l'acquéreur de l'usufruit et --u le nu-propriétaire");
    add->add_option("--mouvement", ajouter.mouvement, "Numéro du mouvement (0 : début d'exercice)")->required();
    add->add_option("--np", ajouter.np, "Nu-propriétaire")->required();
    add->add_option("--u", ajouter.u, "Usufruitier")->required();
    add->add_option("--nombre", ajouter.nombre, "Nombre d'usufruits")->required();
    lier(add, [&globals] { return LienAjouter(globals, ajouter); });

    static bool json = false;
    CLI::App* list = family->add_subcommand("lister", "Liste les liens enregistrés");
    list->add_flag("--json", json, "Sortie JSON");
    lier(list, [&globals] { return LienLister(globals, json); });
}

void AjouterPositions(CLI::App& app, GlobalOptions& globals, LierCommande lier) {
    static PositionsOptions options;
    CLI::App* positions = app.add_subcommand("positions", "Parts de chaque associé au début, en mouvement et en fin d'exercice");
    positions->add_option("--valeur-unitaire", options.valeurUnitaire, "Valeur d'une part : calcule le montant");
    positions->add_flag("--json", options.json, "Sortie JSON");
    lier(positions, [&globals] { return Positions(globals, options); });

    static int id = 0;
    static bool json = false;
    CLI::App* usufruitiers = app.add_subcommand("usufruitiers", "Usufruitiers d'un nu-propriétaire en fin d'exercice");
    usufruitiers->add_option("ID", id, "Nu-propriétaire")->required();
    usufruitiers->add_flag("--json", json, "Sortie JSON");
    lier(usufruitiers, [&globals] { return Usufruitiers(globals, id, json); });
}

}  // namespace

void AjouterCommandesParts(CLI::App& app, GlobalOptions& globals, LierCommande lier) {
    AjouterMouvement(app, globals, lier);
    AjouterLien(app, globals, lier);
    AjouterPositions(app, globals, lier);
}

}  // namespace kvarn::cli
