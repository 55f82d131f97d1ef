#include "import_commands.hpp"

#include "db/transaction.hpp"
#include "frame/etat_module.hpp"
#include "session.hpp"

#include <kvarn/kvarn.h>

#include <CLI/CLI.hpp>

#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace kvarn::cli {
namespace {

struct ImportOptions {
    std::string genre;
    std::string fichier;
};

std::string LireFichier(const std::string& chemin) {
    std::ifstream entree(chemin, std::ios::binary);
    if (!entree) throw Refus("Le fichier « " + chemin + " » ne peut pas être lu");
    std::string octets((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
    if (entree.bad()) throw Refus("Le fichier « " + chemin + " » ne peut pas être lu");
    return octets;
}

// Feeds each record of `octets` to `migrer`, in one transaction: the first refusal undoes them all.
template <class Enregistrement>
int Importer(const GlobalOptions& globals, const std::string& chemin, bool (*migrer)(const Enregistrement*)) {
    const std::string octets = LireFichier(chemin);
    const std::size_t taille = sizeof(Enregistrement);
    if (octets.size() % taille != 0)
        throw MauvaisUsage("Le fichier « " + chemin + " » n'est pas fait d'enregistrements entiers de " +
                           std::to_string(taille) + " octets (l'enregistrement n° " +
                           std::to_string(octets.size() / taille + 1) + " est incomplet) : rien n'est importé");
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    db::Transaction transaction(frame::DataModuleCree().Donnees().Session());
    const std::size_t nombre = octets.size() / taille;
    for (std::size_t i = 0; i < nombre; ++i) {
        Enregistrement enregistrement;
        std::memcpy(&enregistrement, octets.data() + i * taille, taille);
        if (!migrer(&enregistrement)) {
            transaction.Rollback();
            throw Refus("L'enregistrement n° " + std::to_string(i + 1) + " n'est pas importé : rien n'est importé");
        }
    }
    transaction.Commit();
    std::cout << nombre << '\n';
    return kSucces;
}

}  // namespace

void AjouterCommandesImport(CLI::App& app, GlobalOptions& globals, LierCommande lier) {
    static ImportOptions options;
    CLI::App* sub = app.add_subcommand(
        "importer", "Importe un fichier d'enregistrements d'un produit antérieur, tout ou rien (--dossier) ; "
                    "affiche le nombre d'enregistrements importés");
    sub->add_option("GENRE", options.genre, "divers (46 octets) ou associes (428 octets)")
        ->required()
        ->check(CLI::IsMember({"divers", "associes"}));
    sub->add_option("FICHIER", options.fichier, "Fichier des enregistrements, bout à bout")->required();
    lier(sub, [&globals] {
        return options.genre == "divers"
                   ? Importer<DEDUCTION_REINTEGRATION_C>(globals, options.fichier, MigrerDeductionsReintegrations)
                   : Importer<ASSOCIE_ANCIEN_C>(globals, options.fichier, MigrerAssocie);
    });
}

}  // namespace kvarn::cli
