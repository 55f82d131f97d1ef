// kvarn: the command-line program over a dossier directory.
//
// This is the only file that sees the command-line parser (it compiles slowly); each command
// family's handlers live in a file of their own and receive plain option structs. Exit status:
// 0 success, 1 the module or the host refused (message on stderr, in French), 2 bad usage, whose
// message, the parser's included, is French too. Every text given must be UTF-8.
#include "adresse_commands.hpp"
#include "associe_commands.hpp"
#include "backup_commands.hpp"
#include "cloture_commands.hpp"
#include "divers_commands.hpp"
#include "import_commands.hpp"
#include "dossier_commands.hpp"
#include "etat_commands.hpp"
#include "ecran_commands.hpp"
#include "identification_commands.hpp"
#include "info_commands.hpp"
#include "intervenant_commands.hpp"
#include "isa_commands.hpp"
#include "liste_commands.hpp"
#include "migration_commands.hpp"
#include "parametre_commands.hpp"
#include "registre_commands.hpp"
#include "parts_cli.hpp"
#include "repartition_commands.hpp"
#include "rof_commands.hpp"
#include "verifier_commands.hpp"
#include "run.hpp"

#include "common/text.hpp"
#include "taxadj/calculs_divers.hpp"
#include "taxadj/table_divers_fisc.hpp"

#include <CLI/CLI.hpp>

#include <array>
#include <functional>
#include <iostream>
#include <memory>
#include <regex>

namespace {

using kvarn::cli::GlobalOptions;
namespace cli = kvarn::cli;

// Exit status of the command that ran; set by the subcommand's callback.
int g_status = kvarn::cli::kSucces;

// An option ("--vers") or a positional argument ("valeur") as a sentence names it.
std::string Nommer(const std::string& nom) {
    return nom.rfind('-', 0) == 0 ? "l'option " + nom : "l'argument « " + nom + " »";
}

// The parser's messages, recognised by their form and said again in French; its validators are
// ours and already speak French.
std::string EnFrancais(const CLI::ParseError& erreur) {
    using Traduction = std::function<std::string(const std::smatch&)>;
    static const std::vector<std::pair<std::regex, Traduction>> formes = {
        {std::regex("A subcommand is required|Requires at least \\d+ subcommands"),
         [](const std::smatch&) { return std::string("une sous-commande est attendue"); }},
        {std::regex("(.+) is required"), [](const std::smatch& m) { return Nommer(m[1]) + " est obligatoire"; }},
        {std::regex("(\\S+) excludes (\\S+)"),
         [](const std::smatch& m) { return Nommer(m[1]) + " et " + Nommer(m[2]) + " s'excluent"; }},
        {std::regex("(\\S+) requires (\\S+)"),
         [](const std::smatch& m) { return Nommer(m[1]) + " demande " + Nommer(m[2]); }},
        {std::regex("The following arguments? (?:was|were) not expected: (.*)"),
         [](const std::smatch& m) { return "argument(s) inattendu(s) : " + m[1].str(); }},
        {std::regex("Could not convert: (\\S+) = (.*)"),
         [](const std::smatch& m) { return Nommer(m[1]) + " n'accepte pas « " + m[2].str() + " »"; }},
        {std::regex("The value (.*) is not an allowed value for (\\S+)"),
         [](const std::smatch& m) { return Nommer(m[2]) + " n'accepte pas « " + m[1].str() + " »"; }},
        {std::regex("(\\S+)(?:: too many inputs for a flag| was given a disallowed flag override)"),
         [](const std::smatch& m) { return Nommer(m[1]) + " ne prend pas de valeur"; }},
        {std::regex("(\\S+): Should be true/false or a number"),
         [](const std::smatch& m) { return Nommer(m[1]) + " attend true, false ou un nombre"; }},
        {std::regex("(\\S+): \\d+ required .* missing"),
         [](const std::smatch& m) { return Nommer(m[1]) + " attend une valeur"; }},
        {std::regex("Expected (?:exactly|at least) (\\d+) arguments? to (\\S+), got (\\d+)"),
         [](const std::smatch& m) {
             return Nommer(m[2]) + " attend " + m[1].str() + " valeur(s), " + m[3].str() + " reçue(s)";
         }},
        {std::regex("(\\S+): At (least|Most) (\\d+) required but received (\\d+)"),
         [](const std::smatch& m) {
             return Nommer(m[1]) + " attend " + (m[2] == "least" ? "au moins " : "au plus ") + m[3].str() +
                    " valeur(s), " + m[4].str() + " reçue(s)";
         }},
        {std::regex("(\\S+): (.*)"), [](const std::smatch& m) { return Nommer(m[1]) + " : " + m[2].str(); }},
    };
    const std::string message = erreur.what();
    std::smatch match;
    for (const auto& [forme, traduire] : formes)
        if (std::regex_match(message, match, forme)) return traduire(match);
    return "ligne de commande incorrecte";
}

// Every text of the command line is UTF-8: the module keeps texts so, and --json prints them.
const CLI::Validator kUtf8([](std::string& valeur) {
    return kvarn::IsValidUtf8(valeur) ? std::string() : std::string("le texte n'est pas en UTF-8");
}, "", "UTF-8");

const CLI::Validator kNonVide([](std::string& valeur) {
    return valeur.empty() ? std::string("ne peut pas être vide") : std::string();
}, "", "non vide");

// A simulated disk's size: removable media are formatted FAT, whose files stop at 4 GiB - 1.
const CLI::Validator kTailleVolume([](std::string& valeur) {
    const bool chiffres = !valeur.empty() && valeur.size() <= 10 &&
                          valeur.find_first_not_of("0123456789") == std::string::npos;
    return chiffres && std::stoull(valeur) <= 4294967295ULL
               ? std::string()
               : std::string("attend un nombre d'octets de 0 à 4 294 967 295");
}, "", "taille");

// Whole euros, negatives allowed; empty only where it clears.
const CLI::Validator kEuros([](std::string& valeur) {
    return kvarn::taxadj::LireEurosSaisis(valeur) ? std::string() : std::string("attend un montant en euros entiers");
}, "", "EUROS");

const CLI::Validator kDesignation([](std::string& valeur) {
    return !valeur.empty() && kvarn::CharacterCount(valeur) <= kvarn::taxadj::kLargeurDesignation
               ? std::string()
               : std::string("attend une désignation de 1 à 30 caractères");
}, "", "TEXTE");

// DESIGNATION=N or DESIGNATION= (clears).
const CLI::Validator kSaisie([](std::string& valeur) {
    const std::size_t egal = valeur.rfind('=');
    return egal != std::string::npos && egal > 0 && kvarn::taxadj::LireEurosSaisis(valeur.substr(egal + 1))
               ? std::string()
               : std::string("attend DÉSIGNATION=MONTANT");
}, "", "DÉSIGNATION=N");

void VerifierTextes(CLI::App& app) {
    for (CLI::Option* option : app.get_options()) option->check(kUtf8);
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) VerifierTextes(*sub);
}

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

// The values of the dossier record, shared by "dossier creer" and "dossier modifier".
void AddDossierValeurs(CLI::App* sub, cli::DossierValeurs& v) {
    sub->add_option("--raison-sociale", v.raisonSociale, "Raison sociale");
    sub->add_option("--nom", v.nom, "Nom (dossier d'une personne physique)");
    sub->add_option("--prenom", v.prenom, "Prénom");
    sub->add_option("--libelle", v.libelle, "Libellé du dossier");
    sub->add_option("--forme-juridique", v.formeJuridique, "Code de la forme juridique (kvarn formes-juridiques)");
    sub->add_option("--categorie", v.categorie, "Catégorie d'imposition (kvarn categories)");
    sub->add_option("--regime-fiscal", v.regimeFiscal, "Régime fiscal (kvarn regimes)");
    sub->add_option("--regime-imposition", v.regimeImposition, "Régime d'imposition : 1 IR, 2 IS");
    sub->add_option("--debut-exercice", v.debutExercice, "Début de l'exercice (jj/mm/aaaa)");
    sub->add_option("--fin-exercice", v.finExercice, "Fin de l'exercice (jj/mm/aaaa)");
    sub->add_option("--debut-exercice-precedent", v.debutExercicePrecedent, "Début de l'exercice précédent");
    sub->add_option("--fin-exercice-precedent", v.finExercicePrecedent, "Fin de l'exercice précédent");
    sub->add_option("--date-situation", v.dateSituation, "Date de situation");
    sub->add_option("--debut-activite", v.debutActivite, "Date de début d'activité");
    sub->add_option("--cessation-activite", v.cessationActivite, "Date de cessation d'activité");
    sub->add_option("--siret", v.siret, "SIRET (ou SIREN seul)");
    sub->add_option("--tva-intracom", v.tvaIntracom, "Numéro de TVA intracommunautaire (FR, clé, SIREN)");
    sub->add_option("--code-ape", v.codeApe, "Code APE");
    sub->add_option("--code-ape-2008", v.codeApe2008, "Code APE (nomenclature 2008)");
    sub->add_option("--code-nace", v.codeNace, "Code NACE");
    sub->add_option("--activite", v.activite, "Activité principale");
    sub->add_option("--rof-tva", v.rofTva, "ROF TVA saisie");
    sub->add_option("--rof-tdfc", v.rofTdfc, "ROF TDFC saisie");
    sub->add_option("--rof-is", v.rofIs, "ROF IS saisie");
    sub->add_option("--rof-cvae", v.rofCvae, "ROF CVAE saisie");
    sub->add_option("--rof-rcm", v.rofRcm, "ROF RCM saisie");
    sub->add_option("--rof-tva-calculee", v.rofTvaCalculee, "ROF TVA des comptes rendus");
    sub->add_option("--rof-tdfc-calculee", v.rofTdfcCalculee, "ROF TDFC des comptes rendus");
    sub->add_option("--rof-is-calculee", v.rofIsCalculee, "ROF IS des comptes rendus");
    sub->add_option("--rof-cvae-calculee", v.rofCvaeCalculee, "ROF CVAE des comptes rendus");
    sub->add_option("--rof-rcm-calculee", v.rofRcmCalculee, "ROF RCM des comptes rendus");
    sub->add_option("--identifiant-isa", v.identifiantIsa, "Identifiant du dossier dans ISACOMPTA");
    sub->add_option("--dernier-export-isacompta", v.dernierExportIsacompta, "Date du dernier export vers ISACOMPTA");
    sub->add_option("--lance-par-isa", v.lanceParIsa, "1 quand l'hôte est lancé par l'intégration ISA");
    sub->add_option("--assistants", v.assistants, "Codes des assistants installés (ex. 148)");
    sub->add_option("--date-engagement", v.dateEngagement, "Date de la lettre de mission (jj/mm/aaaa, 1980 à 2107)");
    sub->add_option("--frp-sie", v.frpSie, "FRP : code du service des impôts des entreprises (3 caractères)");
    sub->add_option("--frp-dossier", v.frpDossier, "FRP : numéro de dossier (6 caractères)");
    sub->add_option("--frp-cle", v.frpCle, "FRP : clé (2 caractères)");
    sub->add_option("--regime-tva", v.regimeTva, "Régime de TVA (EM, RT, AET... 3 caractères)");
    sub->add_option("--cdi", v.cdi, "Code CDI (3 caractères)");
    sub->add_option("--inspection", v.inspection, "Code de l'inspection (3 caractères)");
    sub->add_option("--service", v.service, "Numéro de service (3 caractères)");
    AddAdresseOptions(sub, v.adresse);
    sub->add_option("--bureau-distributeur", v.adresse.bureauDistributeur, "Bureau distributeur");
    sub->add_option("--code-insee", v.adresse.codeInsee, "Code INSEE de la commune");
}

void AddDossierCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("dossier", "Fiche du dossier");
    family->require_subcommand(1);

    static cli::DossierCreerOptions creer;
    CLI::App* create = family->add_subcommand("creer", "Crée un dossier dans un répertoire");
    create->add_option("repertoire", creer.repertoire, "Répertoire du nouveau dossier")->required();
    AddDossierValeurs(create, creer.valeurs);
    Bind(create, [&globals] { return cli::DossierCreer(globals, creer); });

    static cli::DossierValeurs modifier;
    CLI::App* change = family->add_subcommand("modifier", "Modifie la fiche du dossier (--dossier)");
    AddDossierValeurs(change, modifier);
    Bind(change, [&globals] { return cli::DossierModifier(globals, modifier); });

    static cli::DossierAfficherOptions afficher;
    CLI::App* show = family->add_subcommand("afficher", "Affiche la fiche du dossier (--dossier)");
    show->add_flag("--json", afficher.json, "Sortie JSON");
    Bind(show, [&globals] { return cli::DossierAfficher(globals, afficher); });
}

// adresse lire|ecrire KIND: the kind is an argument, so that every address of the record is one
// command.
void AddAdresseCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("adresse", "Adresses de la fiche du dossier (--dossier)");
    family->require_subcommand(1);
    auto options = std::make_shared<cli::AdresseCommandeOptions>();
    const std::string genres = "Genre d'adresse : " + cli::GenresAdresse();
    CLI::App* read = family->add_subcommand("lire", "Affiche une adresse");
    read->add_option("GENRE", options->genre, genres)->required();
    read->add_flag("--json", options->json, "Sortie JSON");
    Bind(read, [&globals, options] { return cli::AdresseLire(globals, *options); });
    CLI::App* write = family->add_subcommand("ecrire", "Modifie une adresse (les options données)");
    write->add_option("GENRE", options->genre, genres)->required();
    AddAdresseOptions(write, options->adresse);
    write->add_option("--bureau-distributeur", options->adresse.bureauDistributeur, "Bureau distributeur");
    write->add_option("--code-insee", options->adresse.codeInsee, "Code INSEE de la commune");
    Bind(write, [&globals, options] { return cli::AdresseEcrire(globals, *options); });
}

// cloturer, decloturer [--forcer].
void AddClotureCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* sub = app.add_subcommand("cloturer", "Clôture l'exercice du dossier (--dossier ; --oui sans question)");
    Bind(sub, [&globals] { return cli::Cloturer(globals); });
    auto decloture = std::make_shared<cli::DeclotureOptions>();
    CLI::App* undo = app.add_subcommand("decloturer", "Annule la dernière clôture du dossier (--dossier ; --oui sans question)");
    undo->add_flag("--forcer", decloture->forcer, "Annule même si le dossier a été modifié depuis la clôture");
    Bind(undo, [&globals, decloture] { return cli::Decloturer(globals, *decloture); });
}

// exporter-isa FICHIER, participation ajouter|lister|supprimer.
void AddIsaCommands(CLI::App& app, GlobalOptions& globals) {
    auto exporter = std::make_shared<cli::ExporterIsaOptions>();
    CLI::App* sub = app.add_subcommand("exporter-isa", "Écrit le fichier d'échange importé par ISACOMPTA (--dossier)");
    sub->add_option("FICHIER", exporter->fichier, "Fichier à écrire")->required()->check(kNonVide);
    sub->add_flag("--drapeau", exporter->drapeau, "Écrit 1 dans DOISA.FLZORRIMM (0 sinon)");
    Bind(sub, [&globals, exporter] { return cli::ExporterIsa(globals, *exporter); });

    CLI::App* family = app.add_subcommand("participation", "Sociétés dont le dossier détient des parts (kolmicfn.dat)");
    family->require_subcommand(1);
    auto ajouter = std::make_shared<cli::ParticipationAjouterOptions>();
    CLI::App* add = family->add_subcommand("ajouter", "Ajoute une participation et affiche son numéro");
    add->add_option("--forme-juridique", ajouter->formeJuridique, "Code de la forme juridique (kvarn formes-juridiques)")
        ->required();
    add->add_option("--denomination", ajouter->denomination, "Dénomination (60 caractères)")->required();
    add->add_option("--siren", ajouter->siren, "SIREN")->required();
    add->add_option("--pourcentage", ajouter->pourcentage, "Pourcentage détenu, de 0 à 100")->required();
    add->add_option("--numero-voie", ajouter->numeroVoie, "Numéro dans la voie");
    add->add_option("--voie", ajouter->voie, "Libellé de la voie");
    add->add_option("--cp", ajouter->cp, "Code postal");
    add->add_option("--ville", ajouter->ville, "Ville");
    add->add_option("--pays", ajouter->pays, "Identifiant du pays (76 = France)");
    Bind(add, [&globals, ajouter] { return cli::ParticipationAjouter(globals, *ajouter); });
    auto options = std::make_shared<cli::ParticipationOptions>();
    CLI::App* list = family->add_subcommand("lister", "Liste les participations");
    list->add_flag("--json", options->json, "Sortie JSON");
    Bind(list, [&globals, options] { return cli::ParticipationLister(globals, *options); });
    CLI::App* remove = family->add_subcommand("supprimer", "Supprime la participation de ce numéro");
    remove->add_option("N", options->numero, "Numéro (kvarn participation lister)")->required();
    Bind(remove, [&globals, options] { return cli::ParticipationSupprimer(globals, *options); });
}

void AddListeCommands(CLI::App& app) {
    static cli::ListeOptions formes, pays, regimes, categories;
    const std::tuple<const char*, const char*, cli::ListeOptions*, int (*)(const cli::ListeOptions&)> listes[] = {
        {"formes-juridiques", "Liste des formes juridiques", &formes, cli::ListerFormesJuridiques},
        {"pays", "Liste des pays", &pays, cli::ListerPays},
        {"regimes", "Liste des régimes fiscaux et d'imposition", &regimes, cli::ListerRegimes},
        {"categories", "Liste des catégories d'imposition", &categories, cli::ListerCategories}};
    for (const auto& [nom, description, options, lister] : listes) {
        CLI::App* sub = app.add_subcommand(nom, description);
        sub->add_flag("--json", options->json, "Sortie JSON");
        Bind(sub, [options = options, lister = lister] { return lister(*options); });
    }
}

void AddIdentificationCommands(CLI::App& app, GlobalOptions& globals) {
    auto siret = std::make_shared<cli::SiretOptions>();
    CLI::App* family = app.add_subcommand("siret", "SIRET, pseudo-SIRET et IDSP à une date de clôture (--dossier)");
    family->require_subcommand(1);
    for (const bool ecrire : {false, true}) {
        CLI::App* sub = family->add_subcommand(ecrire ? "ecrire" : "lire",
                                               ecrire ? "Enregistre les numéros après les contrôles de l'écran SIRET"
                                                      : "Affiche les numéros enregistrés");
        sub->add_option("--date", siret->date, "Date de clôture (jj/mm/aaaa)")->required();
        if (ecrire) {
            sub->add_option("--siret", siret->siret, "SIRET à cette date (vide : supprime)");
            sub->add_option("--pseudo-siret", siret->pseudoSiret, "Pseudo-SIRET à cette date");
            sub->add_option("--idsp", siret->idsp, "IDSP à cette date");
        } else {
            sub->add_flag("--json", siret->json, "Sortie JSON");
        }
        Bind(sub, [&globals, siret, ecrire] {
            siret->ecrire = ecrire;
            return cli::Siret(globals, *siret);
        });
    }

    auto categorie = std::make_shared<cli::CategorieJuridiqueOptions>();
    family = app.add_subcommand("categorie-juridique", "Catégorie juridique de la société (--dossier)");
    family->require_subcommand(1);
    CLI::App* lire = family->add_subcommand("lire", "Affiche le code et son libellé");
    Bind(lire, [&globals, categorie] { return cli::CategorieJuridique(globals, *categorie); });
    CLI::App* ecrire = family->add_subcommand("ecrire", "Enregistre un code (sans code : l'efface)");
    ecrire->add_option("code", categorie->code, "Code à quatre chiffres");
    Bind(ecrire, [&globals, categorie] {
        categorie->ecrire = true;
        return cli::CategorieJuridique(globals, *categorie);
    });

    auto nomenclature = std::make_shared<cli::NomenclatureOptions>();
    CLI::App* sub = app.add_subcommand("categories-juridiques", "Nomenclature des catégories juridiques");
    auto* code = sub->add_option("--code", nomenclature->code, "Affiche le libellé d'un code");
    auto* libelle = sub->add_option("--libelle", nomenclature->libelle, "Cherche un libellé (sans tenir compte de la casse)");
    auto* arbre = sub->add_flag("--arbre", nomenclature->arbre, "L'arbre du sélecteur (avec --json)");
    code->excludes(libelle)->excludes(arbre);
    libelle->excludes(arbre);
    sub->add_flag("--json", nomenclature->json, "Sortie JSON");
    Bind(sub, [nomenclature] { return cli::Nomenclature(*nomenclature); });
}

void AddVerifierCommands(CLI::App& app) {
    CLI::App* family = app.add_subcommand("verifier", "Vérifie un numéro (code de sortie 0 s'il est valide, 1 sinon)");
    family->require_subcommand(1);
    static cli::VerifierOptions options;
    const std::pair<const char*, const char*> genres[] = {
        {"siren", "SIREN (9 chiffres, clé)"},
        {"siret", "SIRET (14 chiffres, clé ; vide ou SIREN seul acceptés)"},
        {"tva", "Numéro de TVA intracommunautaire français (FR, clé, SIREN)"},
        {"nif", "Numéro fiscal de personne physique (13 chiffres)"},
        {"cp", "Code postal (5 chiffres)"},
        {"pseudo-siret", "Pseudo-SIRET (PXXXXXXXX00001)"},
        {"idsp", "IDSP (14 caractères, une lettre autre que P en tête)"}};
    for (const auto& [genre, description] : genres) {
        CLI::App* sub = family->add_subcommand(genre, description);
        sub->add_option("valeur", options.valeur, "Valeur à vérifier, telle que saisie")->required();
        Bind(sub, [genre = std::string(genre)] {
            options.genre = genre;
            if (genre == "pseudo-siret" || genre == "idsp") return cli::VerifierIdentifiant(genre, options.valeur);
            return cli::Verifier(options);
        });
    }
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

// The options of an associate, shared by "associe ajouter" and "associe modifier".
void AddAssocieOptions(CLI::App* sub, cli::AssocieAjouterOptions& o) {
    auto* physique = sub->add_flag("--physique", o.physique, "Personne physique");
    auto* morale = sub->add_flag("--morale", o.morale, "Personne morale")->excludes(physique);
    physique->excludes(morale);
    sub->add_option("--nom", o.nom, "Nom, ou dénomination d'une personne morale");
    sub->add_option("--prenoms", o.prenoms, "Prénoms");
    sub->add_option("--titre", o.titre, "Civilité (0 M, 1 MME, 2 MLE) ou forme juridique");
    sub->add_option("--qualite", o.qualite, "Qualité (0 à 12 ; 7 Associé par défaut)");
    sub->add_option("--regime", o.regime, "Régime d'imposition (0 BIC, 1 IS, 2 BA, 3 RF, 4 BNC)");
    sub->add_option("--regime-matrimonial", o.regimeMatrimonial, "Régime matrimonial (0 à 4)");
    sub->add_option("--situation-famille", o.situationFamille, "Situation de famille (0 à 5)");
    sub->add_option("--pp", o.pp, "Parts en pleine propriété au début de l'exercice");
    sub->add_option("--u", o.u, "Parts en usufruit au début de l'exercice");
    sub->add_option("--np", o.np, "Parts en nue-propriété au début de l'exercice");
    sub->add_option("--nom-naissance", o.nomNaissance, "Nom de naissance");
    sub->add_option("--nom-marital", o.nomMarital, "Nom marital");
    sub->add_option("--profession", o.profession, "Profession");
    sub->add_option("--numero-fiscal", o.numeroFiscal, "Numéro fiscal");
    sub->add_option("--siret", o.siret, "SIRET d'une personne morale");
    sub->add_option("--date-naissance", o.dateNaissance, "Date de naissance (jj/mm/aaaa)");
    sub->add_option("--cp-naissance", o.cpNaissance, "Code postal du lieu de naissance");
    sub->add_option("--lieu-naissance", o.lieuNaissance, "Lieu de naissance");
    sub->add_option("--pays-naissance", o.paysNaissance, "Identifiant du pays de naissance (76 = France)");
    AddAdresseOptions(sub, o.adresse);
}

void AddAssocieCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("associe", "Associés du dossier (--dossier)");
    family->require_subcommand(1);

    static cli::AssocieAjouterOptions ajouter;
    CLI::App* add = family->add_subcommand("ajouter", "Ajoute un associé et affiche son numéro");
    AddAssocieOptions(add, ajouter);
    add->get_option("--nom")->required();
    Bind(add, [&globals] {
        if (!ajouter.physique && !ajouter.morale) throw cli::MauvaisUsage("--physique ou --morale est obligatoire");
        return cli::AssocieAjouter(globals, ajouter);
    });

    static cli::AssocieListerOptions lister;
    CLI::App* list = family->add_subcommand("lister", "Liste les associés dans l'ordre de la liste du module");
    list->add_flag("--par-nom", lister.parNom, "Dans l'ordre des noms");
    list->add_flag("--json", lister.json, "Sortie JSON");
    Bind(list, [&globals] { return cli::AssocieLister(globals, lister); });

    static cli::AssocieAjouterOptions modifier;
    static int id = 0;
    CLI::App* change = family->add_subcommand("modifier", "Modifie les seules colonnes des options données");
    change->add_option("ID", id, "Numéro de l'associé")->required();
    AddAssocieOptions(change, modifier);
    change->add_option("--champ", modifier.champs, "Écrit une colonne stockée de l'associé par son nom (VALEUR vide l'efface)")
        ->type_name("COLONNE=VALEUR");
    Bind(change, [&globals, change] {
        std::vector<std::string> donnees;
        for (const CLI::Option* option : change->get_options())
            if (option->count() > 0 && option->get_name() != "ID" && option->get_name() != "--help")
                donnees.push_back(option->get_name());
        return cli::AssocieModifier(globals, id, modifier, donnees);
    });

    CLI::App* remove = family->add_subcommand("supprimer", "Supprime un associé qui ne détient pas de parts, et ses liens d'usufruit");
    remove->add_option("ID", id, "Numéro de l'associé")->required();
    Bind(remove, [&globals] { return cli::AssocieSupprimer(globals, id); });

    static bool json = false;
    CLI::App* manager = family->add_subcommand("gerant", "Le gérant et les cogérants, comme les déclarations les lisent");
    manager->add_flag("--json", json, "Sortie JSON");
    Bind(manager, [&globals] { return cli::AssocieGerant(globals, json); });
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

void AddInfoCommands(CLI::App& app, GlobalOptions& globals) {
    static cli::InfoOptions options;
    CLI::App* sub = app.add_subcommand("info", "Données permanentes du dossier vues par le module (--dossier)");
    sub->add_flag("--json", options.json, "Sortie JSON");
    Bind(sub, [&globals] { return cli::Info(globals, options); });
}

void AddRofCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("rof", "Références obligations fiscales (ROF) du dossier");
    family->require_subcommand(1);
    static cli::RofSaisirOptions saisir;
    CLI::App* sub =
        family->add_subcommand("saisir", "Demande la ROF d'une obligation absente ou divergente (--dossier)");
    sub->add_option("TYPE", saisir.type, "TVA, TDFC, IS, CVAE ou RCM")->required();
    sub->add_flag("--obligatoire", saisir.obligatoire, "La ROF est obligatoire : avertit au lieu de demander");
    Bind(sub, [&globals] { return cli::RofSaisir(globals, saisir); });
}

// The two kinds, as mutually exclusive flags.
void AddSens(CLI::App* sub, bool& deduction, bool& reintegration, bool pluriel) {
    auto* d = sub->add_flag(pluriel ? "--deductions" : "--deduction", deduction, "Déductions");
    sub->add_flag(pluriel ? "--reintegrations" : "--reintegration", reintegration, "Réintégrations")->excludes(d);
}

void AddDiversCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("divers", "Déductions et réintégrations diverses (--dossier)");
    family->require_subcommand(1);
    for (const bool ajout : {true, false}) {
        auto ligne = std::make_shared<cli::DiversLigneOptions>();
        CLI::App* sub = family->add_subcommand(ajout ? "ajouter" : "modifier",
                                               ajout ? "Ajoute une ligne" : "Modifie une ligne (montant vide : l'efface)");
        AddSens(sub, ligne->deduction, ligne->reintegration, false);
        sub->add_option("--designation", ligne->designation, "Désignation (identifie la ligne)")
            ->required()->check(kDesignation);
        std::array<CLI::Option*, 3> montants;
        const char* noms[] = {"--bic", "--ba", "--bnc"};
        for (int i = 0; i < 3; ++i)
            montants[i] = sub->add_option(noms[i], ligne->montants[i], "Montant en euros entiers")->check(kEuros);
        Bind(sub, [&globals, ligne, montants, ajout] {
            for (int i = 0; i < 3; ++i) ligne->montantsDonnes[i] = montants[i]->count() > 0;
            return ajout ? cli::DiversAjouter(globals, *ligne) : cli::DiversModifier(globals, *ligne);
        });
    }

    static cli::DiversListerOptions lister;
    CLI::App* list = family->add_subcommand("lister", "Liste les lignes dans l'ordre de la table, puis les totaux");
    AddSens(list, lister.deductions, lister.reintegrations, true);
    list->add_flag("--json", lister.json, "Sortie JSON");
    Bind(list, [&globals] { return cli::DiversLister(globals, lister); });

    static cli::DiversSupprimerOptions supprimer;
    CLI::App* remove = family->add_subcommand("supprimer", "Supprime une ligne après confirmation (--oui, --non)");
    remove->add_option("--designation", supprimer.designation, "Désignation")->required()->check(kDesignation);
    Bind(remove, [&globals] { return cli::DiversSupprimer(globals, supprimer); });

    static cli::DiversAssocieOptions associe;
    CLI::App* part = family->add_subcommand("associe", "Parts d'un associé dans les lignes");
    part->add_option("ID", associe.idAssocie, "Numéro de l'associé")->required();
    AddSens(part, associe.deductions, associe.reintegrations, true);
    part->add_option("--numerateur", associe.numerateur, "Numérateur de la part du résultat")->required();
    part->add_option("--denominateur", associe.denominateur, "Dénominateur de la part du résultat")->required();
    part->add_flag("--ba", associe.ba, "Parts des montants BA (sinon BIC)");
    part->add_option("--saisi", associe.saisies, "Part saisie d'une ligne (DÉSIGNATION= l'efface)")->check(kSaisie);
    part->add_flag("--json", associe.json, "Sortie JSON");
    Bind(part, [&globals] { return cli::DiversAssocie(globals, associe); });
}

void AddEtatCommands(CLI::App& app, GlobalOptions& globals) {
    CLI::App* family = app.add_subcommand("etat", "États imprimés en PDF (--dossier)");
    family->require_subcommand(1);
    static cli::EtatDiversOptions divers;
    CLI::App* sub = family->add_subcommand("divers", "Détail des divers à déduire ou à réintégrer");
    AddSens(sub, divers.deductions, divers.reintegrations, true);
    sub->add_flag("--bic", divers.bic, "Colonne BIC/IS");
    sub->add_flag("--ba", divers.ba, "Colonne BA");
    sub->add_flag("--bnc", divers.bnc, "Colonne BNC");
    sub->add_option("--copies", divers.copies, "Nombre d'exemplaires")->check(CLI::Range(1, 65535));
    sub->add_option("--document", divers.document, "Nom du document (GED), titre du PDF");
    sub->add_option("--criteres", divers.criteres, "Critères (GED), mots-clés du PDF");
    sub->add_option("--pdf", divers.pdf, "Fichier PDF à écrire")->required()->check(kNonVide);
    Bind(sub, [&globals] { return cli::EtatDivers(globals, divers); });
}

// repartition [amounts] and repartition saisir ID [entries] [amounts].
void AddRepartitionCommands(CLI::App& app, GlobalOptions& globals) {
    const auto montants = [](CLI::App* sub, cli::MontantsOptions& m) {
        sub->add_option("--resultat", m.resultat, "Résultat à répartir (bénéfice ou perte)")->type_name("EUROS");
        sub->add_option("--pvlt", m.pvlt, "Plus-value à long terme")->type_name("EUROS");
        sub->add_option("--bic", m.bic, "Résultat BIC/IS")->type_name("EUROS");
        sub->add_option("--ba", m.ba, "Résultat BA")->type_name("EUROS");
        sub->add_option("--abandons", m.abandons, "Abandons de loyers consentis")->type_name("EUROS");
        sub->add_option("--montants", m.fichier, "Fichier INI des montants, section [Montants]")
            ->type_name("FICHIER")->check(kNonVide);
    };
    static cli::RepartitionOptions repartition;
    CLI::App* family = app.add_subcommand("repartition", "Répartition du résultat entre les associés (--dossier)");
    montants(family, repartition.montants);
    family->add_flag("--json", repartition.json, "Sortie JSON");
    family->require_subcommand(0, 1);
    Bind(family, [&globals, family] {
        return family->get_subcommands().empty() ? cli::Repartition(globals, repartition) : g_status;
    });

    static cli::RepartitionSaisirOptions saisir;
    CLI::App* sub = family->add_subcommand("saisir", "Parts saisies d'un associé, comme sur les écrans de répartition");
    sub->add_option("ID", saisir.idAssocie, "Numéro de l'associé")->required();
    sub->add_option("--benefice-saisi", saisir.benefice, "Part du bénéfice ou du déficit (\"\" l'efface)");
    sub->add_option("--pvlt-saisi", saisir.pvlt, "Part de la plus-value à long terme");
    sub->add_option("--bic-saisi", saisir.bic, "Part du résultat BIC/IS");
    sub->add_option("--ba-saisi", saisir.ba, "Part du résultat BA");
    sub->add_option("--abandons-saisi", saisir.abandons, "Part des abandons de loyers");
    montants(sub, saisir.montants);
    Bind(sub, [&globals] { return cli::RepartitionSaisir(globals, saisir); });
}

// ecran NOM: the entries and the buttons are kept in the order given, whatever their option.
void AddEcranCommand(CLI::App& app, GlobalOptions& globals) {
    static cli::EcranOptions options;
    static std::vector<std::string> saisies, actions;
    CLI::App* sub = app.add_subcommand("ecran", "Fait passer un écran d'identification comme sa vue (--dossier)");
    sub->add_option("NOM", options.nom, "Écran")->required()->check(CLI::IsMember(cli::NomsEcrans()));
    sub->add_option("--annee", options.annee, "Année N de l'écran siret (par défaut : celle de la fin d'exercice)")
        ->type_name("AAAA");
    sub->add_option("--associe", options.associe, "Associé des écrans adresses et intervenants, comme sous les associés")
        ->type_name("ID");
    sub->add_option("--requis", options.requis, "ROF obligatoires de l'écran num-generaux (TVA, TDFC, CVAE, IS, RCM)")
        ->delimiter(',')
        ->type_name("LISTE");
    const auto etape = [](bool bouton) {
        return [bouton](const std::string& texte) { options.etapes.push_back({bouton, texte}); };
    };
    sub->add_option("--saisir", saisies, "Saisit VALEUR dans CHAMP, comme l'utilisateur")
        ->type_name("CHAMP=VALEUR")
        ->each(etape(false))
        ->trigger_on_parse();
    sub->add_option("--action", actions, "Appuie sur le bouton")->type_name("BOUTON")->each(etape(true))->trigger_on_parse();
    sub->add_flag("--fermer", options.fermer, "Quitte l'écran (ses contrôles) puis, accepté, l'enregistre");
    sub->add_flag("--json", options.json, "Sortie JSON");
    Bind(sub, [&globals] { return cli::Ecran(globals, options); });
}

void ConfigureApp(CLI::App& app, GlobalOptions& globals) {
    app.description("kvarn : données permanentes d'un dossier de société (associés, parts, "
                    "identification, régimes), clôture, sauvegarde et export.");
    app.set_version_flag("--version", "kvarn " KVARN_VERSION, "Affiche la version et quitte");
    app.set_help_flag("-h,--help", "Affiche l'aide et quitte");
    app.add_option("--dossier", globals.dossier, "Répertoire du dossier")->type_name("RÉPERTOIRE");
    auto* oui = app.add_flag("--oui", globals.oui, "Répond oui à toutes les questions");
    app.add_flag("--non", globals.non, "Répond non à toutes les questions")->excludes(oui);
    app.add_option("--mode-chargement", globals.modeChargement,
                   "Mode de chargement du module pour cette commande (5 : avec les bénéficiaires)");
    app.require_subcommand(0, 1);
    app.fallthrough();
}

// sauvegarder, restaurer, archive lister, archive verifier.
void AddBackupCommands(CLI::App& app, GlobalOptions& globals) {
    using namespace kvarn::cli;
    const auto addDisques = [](CLI::App* sub, std::vector<std::string>& disques,
                               CLI::Option* directory, const char* help) {
        sub->add_option("--disques", disques, help)
            ->delimiter(',')
            ->excludes(directory)
            ->type_name("D1,D2,...");
    };
    auto sauvegarde = std::make_shared<SauvegarderOptions>();
    CLI::App* sub = app.add_subcommand("sauvegarder", "Sauvegarde un répertoire dans une archive");
    sub->add_option("--source", sauvegarde->source, "Répertoire à sauvegarder")
        ->required()->type_name("RÉPERTOIRE")->check(kNonVide);
    CLI::Option* vers = sub->add_option("--vers", sauvegarde->vers,
                                        "Répertoire des volumes de l'archive")
                            ->type_name("RÉPERTOIRE")->check(kNonVide);
    sub->add_option("--nom", sauvegarde->nom, "Nom des volumes (SAUVEGARDE par défaut)")
        ->type_name("NOM")->check(kNonVide);
    sub->add_flag("--sous-repertoires", sauvegarde->sousRepertoires,
                  "Sauvegarde aussi les sous-répertoires");
    sub->add_option("--description", sauvegarde->description, "Description de l'archive")
        ->type_name("TEXTE");
    sub->add_option("--taille-volume", sauvegarde->tailleVolume,
                    "Simule des disquettes de cette taille, demandées une à une")
        ->type_name("OCTETS")->check(kTailleVolume);
    addDisques(sub, sauvegarde->disques, vers,
               "Répertoires des disquettes successives, au lieu de --vers");
    Bind(sub, [&globals, sauvegarde] { return Sauvegarder(globals, *sauvegarde); });

    auto restauration = std::make_shared<RestaurerOptions>();
    sub = app.add_subcommand("restaurer", "Restaure une archive dans un répertoire");
    CLI::Option* depuis = sub->add_option("--depuis", restauration->depuis,
                                          "Répertoire des volumes de l'archive")
                              ->type_name("RÉPERTOIRE")->check(kNonVide);
    sub->add_option("--nom", restauration->nom, "Nom des volumes (SAUVEGARDE par défaut)")
        ->type_name("NOM")->check(kNonVide);
    sub->add_option("--vers", restauration->vers, "Répertoire où restaurer")
        ->required()->type_name("RÉPERTOIRE")->check(kNonVide);
    sub->add_flag("--ecraser", restauration->ecraser,
                  "Remplace les fichiers existants sans demander (sinon : question pour chacun)");
    addDisques(sub, restauration->disques, depuis,
               "Répertoires des disquettes : volume 1 sur la première, 2 sur la deuxième...");
    Bind(sub, [&globals, restauration] { return Restaurer(globals, *restauration); });

    CLI::App* archive = app.add_subcommand("archive", "Examine une archive sans rien restaurer");
    archive->require_subcommand(1);
    auto examen = std::make_shared<ArchiveOptions>();
    for (const bool listing : {true, false}) {
        sub = listing ? archive->add_subcommand("lister", "Liste le contenu d'une archive")
                      : archive->add_subcommand("verifier",
                                                "Relit et décompresse tout le contenu d'une archive");
        depuis = sub->add_option("--depuis", examen->depuis, "Répertoire des volumes de l'archive")
                     ->type_name("RÉPERTOIRE")->check(kNonVide);
        sub->add_option("--nom", examen->nom, "Nom des volumes (SAUVEGARDE par défaut)")
            ->type_name("NOM")->check(kNonVide);
        addDisques(sub, examen->disques, depuis, "Répertoires des disquettes de l'archive");
        if (listing) {
            sub->add_flag("--json", examen->json, "Sortie JSON");
            Bind(sub, [&globals, examen] { return ListerArchive(globals, *examen); });
        } else {
            Bind(sub, [&globals, examen] { return VerifierArchive(globals, *examen); });
        }
    }
}

void AddRegistreCommand(CLI::App& app, GlobalOptions& globals) {
    static cli::RegistreOptions options;
    CLI::App* sub = app.add_subcommand("registre", "Registre des parts sociales de l'exercice ouvert (--dossier)");
    sub->add_option("--exercice", options.exercice, "Année de fin de l'exercice ouvert (seule acceptée)")
        ->type_name("AAAA");
    sub->add_option("--format", options.format, "json ou csv")->check(CLI::IsMember({"json", "csv"}));
    sub->add_flag("--json", options.json, "Sortie JSON (--format json)");
    sub->add_option("--table", options.table, "Table CSV : detentions (défaut), mouvements, liens, 2072")
        ->check(CLI::IsMember({"detentions", "mouvements", "liens", "2072"}));
    sub->add_option("--sortie", options.sortie, "Fichier à remplacer (sinon la sortie standard)")
        ->type_name("FICHIER")->check(kNonVide);
    sub->add_flag("--sans-bom", options.sansBom, "CSV sans marque d'ordre des octets UTF-8");
    Bind(sub, [&globals] { return cli::TirerRegistre(globals, options); });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"", "kvarn"};
    GlobalOptions globals;
    ConfigureApp(app, globals);
    AddDossierCommands(app, globals);
    cli::AjouterCommandeMigrer(app, globals, Bind);
    AddIntervenantCommands(app, globals);
    AddAssocieCommands(app, globals);
    AddListeCommands(app);
    AddVerifierCommands(app);
    AddIdentificationCommands(app, globals);
    AddBackupCommands(app, globals);
    AddParametreCommands(app, globals);
    AddInfoCommands(app, globals);
    AddRofCommands(app, globals);
    AddDiversCommands(app, globals);
    AddEtatCommands(app, globals);
    AddAdresseCommands(app, globals);
    AddIsaCommands(app, globals);
    AddClotureCommands(app, globals);
    AddEcranCommand(app, globals);
    AddRegistreCommand(app, globals);
    cli::AjouterCommandesParts(app, globals, Bind);
    cli::AjouterCommandesImport(app, globals, Bind);
    AddRepartitionCommands(app, globals);
    VerifierTextes(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);  // --help, --version
    } catch (const CLI::ParseError& e) {
        std::cerr << "kvarn : " << EnFrancais(e) << "\n(kvarn --help pour l'aide)\n";
        return kvarn::cli::kUsage;
    }
    if (app.get_subcommands().empty()) {
        std::cout << app.help();
        return kvarn::cli::kSucces;
    }
    return g_status;
}
