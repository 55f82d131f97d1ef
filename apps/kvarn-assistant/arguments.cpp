#include "arguments.hpp"

#include <charconv>

namespace kvarn::assistant {
namespace {

int Groupe(const std::string& texte) {
    int groupe = -1;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), groupe);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || groupe < 0 || groupe > 14)
        throw ArgumentsRefuses("--groupe attend un nombre de 0 à 14, pas « " + texte + " »");
    return groupe;
}

}  // namespace

const char* Usage() {
    return "Usage : kvarn-assistant [DOSSIER] [--groupe N] [--capture SORTIE]\n"
           "  DOSSIER           répertoire du dossier à ouvrir\n"
           "  --groupe N        groupe d'écrans à montrer, de 0 à 14 (0 par défaut)\n"
           "  --capture SORTIE  écrit les 21 écrans du DOSSIER en images dans SORTIE\n"
           "                    (ecran-01.png à ecran-21.png, les messages dans boites.txt), puis s'arrête\n"
           "  -h, --help        cette aide\n";
}

Arguments LireArguments(const std::vector<std::string>& arguments) {
    Arguments lus;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const auto valeur = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) throw ArgumentsRefuses(a + " attend une valeur");
            return arguments[++i];
        };
        if (a == "-h" || a == "--help") lus.aide = true;
        else if (a == "--groupe") lus.groupe = Groupe(valeur());
        else if (a == "--capture") lus.capture = valeur();
        else if (!a.empty() && a[0] == '-') throw ArgumentsRefuses("option inconnue : " + a);
        else if (lus.dossier) throw ArgumentsRefuses("un seul dossier à la fois : " + a);
        else lus.dossier = a;
    }
    if (lus.capture && !lus.dossier && !lus.aide) throw ArgumentsRefuses("--capture demande le répertoire d'un dossier");
    return lus;
}

}  // namespace kvarn::assistant
