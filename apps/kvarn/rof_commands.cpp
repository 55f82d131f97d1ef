#include "rof_commands.hpp"

#include "common/text.hpp"
#include "environment/ouvreur_num_generaux.hpp"
#include "session.hpp"

#include <kvarn/accesseurs.hpp>

#include <iostream>
#include <iterator>

namespace kvarn::cli {
namespace {

constexpr const char* kTypesROF[] = {"TVA", "TDFC", "IS", "CVAE", "RCM"};
constexpr const char* kOptionsROF[] = {"--rof-tva", "--rof-tdfc", "--rof-is", "--rof-cvae", "--rof-rcm"};

int TypeDe(const std::string& texte) {
    for (int type = 0; type < static_cast<int>(std::size(kTypesROF)); ++type)
        if (EqualsIgnoringCase(texte, kTypesROF[type]) || texte == std::to_string(type)) return type;
    throw MauvaisUsage("Type de ROF inconnu : « " + texte + " » (TVA, TDFC, IS, CVAE ou RCM)");
}

// Installs the command line's stand-in for the general-numbers screen for one command.
class OuvreurConsole {
public:
    explicit OuvreurConsole(std::string dossier)
        : precedent_(environment::DefinirOuvreurNumGeneraux([dossier = std::move(dossier)](int type, bool obligatoire) {
              std::cerr << "Saisissez la ROF " << kTypesROF[type] << (obligatoire ? " (obligatoire)" : "")
                        << " avec : kvarn --dossier " << dossier << " dossier modifier " << kOptionsROF[type]
                        << " VALEUR\n";
          })) {}
    ~OuvreurConsole() { environment::DefinirOuvreurNumGeneraux(precedent_); }
    OuvreurConsole(const OuvreurConsole&) = delete;
    OuvreurConsole& operator=(const OuvreurConsole&) = delete;

private:
    environment::OuvreurNumGeneraux precedent_;
};

}  // namespace

int RofSaisir(const GlobalOptions& globals, const RofSaisirOptions& options) {
    const int type = TypeDe(options.type);
    Session session = Session::WithDossier(globals);
    session.OuvrirModule();
    OuvreurConsole ouvreur(globals.dossier);
    if (!SaisirROF(type, options.obligatoire)) throw Refus("La demande de ROF n'a pas abouti");
    return kSucces;
}

}  // namespace kvarn::cli
