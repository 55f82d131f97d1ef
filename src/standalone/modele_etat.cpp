#include "standalone/modele_etat.hpp"

#include "common/ini_values.hpp"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>

namespace kvarn::standalone {
namespace {

struct FichierEmbarque {
    const char* nom;
    std::string_view texte;
};

constexpr FichierEmbarque kFichiers[] = {
#include "etats_embarques.inc"
};

bool MemeNom(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// The arguments of one line: blank-separated, double quotes around an argument with blanks.
std::vector<std::string> Decouper(std::string_view ligne) {
    std::vector<std::string> mots;
    std::size_t i = 0;
    while (true) {
        while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
        if (i == ligne.size()) return mots;
        if (ligne[i] == '"') {
            const std::size_t fin = ligne.find('"', i + 1);
            if (fin == std::string_view::npos) throw std::invalid_argument("guillemet non fermé");
            mots.emplace_back(ligne.substr(i + 1, fin - i - 1));
            i = fin + 1;
        } else {
            const std::size_t fin = std::min(ligne.find_first_of(" \t", i), ligne.size());
            mots.emplace_back(ligne.substr(i, fin - i));
            i = fin;
        }
    }
}

int Entier(const std::string& mot, int minimum, int maximum) {
    const std::optional<int> valeur = ParseIniInteger(mot);
    if (!valeur || *valeur < minimum || *valeur > maximum)
        throw std::invalid_argument("nombre attendu de " + std::to_string(minimum) + " à " + std::to_string(maximum) +
                                    " : « " + mot + " »");
    return *valeur;
}

class Lecteur {
public:
    void Ligne(const std::vector<std::string>& mots) {
        const std::string& cle = mots[0];
        if (cle == "partie" && Arguments(mots, 1, 1)) {
            modele_.parties.push_back({Entier(mots[1], 0, 999), {}, {}});
        } else if (cle == "bande" && Arguments(mots, 1, 1)) {
            Partie().bandes.push_back({mots[1], {}});
        } else if (cle == "champ" && Arguments(mots, 1, 2)) {
            if (Partie().bandes.empty()) throw std::invalid_argument("champ hors d'une bande");
            const bool titre = mots.size() == 3 && mots[2] == "titre";
            Partie().bandes.back().champs.push_back({mots[1], titre, mots.size() == 3 && !titre ? mots[2] : ""});
        } else if (cle == "tableau" && Arguments(mots, 1, 1)) {
            Partie().tableaux.push_back({mots[1], {}, std::nullopt});
        } else if (cle == "colonne" && Arguments(mots, 4, 4)) {
            if (mots[3] != "texte" && mots[3] != "montant") throw std::invalid_argument("« texte » ou « montant » attendu");
            Tableau().colonnes.push_back({mots[1], mots[2],
                                          mots[3] == "texte" ? GenreColonne::Texte : GenreColonne::Montant,
                                          Entier(mots[4], 1, 100)});
        } else if (cle == "total" && Arguments(mots, 1, 1)) {
            Tableau().libelleTotal = mots[1];
        } else {
            throw std::invalid_argument("ligne incomprise « " + cle + " »");
        }
    }
    ModeleEtat Fin() {
        if (modele_.parties.empty()) throw std::invalid_argument("aucune partie");
        return std::move(modele_);
    }

private:
    static bool Arguments(const std::vector<std::string>& mots, std::size_t minimum, std::size_t maximum) {
        if (mots.size() - 1 < minimum || mots.size() - 1 > maximum)
            throw std::invalid_argument("nombre d'arguments incorrect pour « " + mots[0] + " »");
        return true;
    }
    PartieModele& Partie() {
        if (modele_.parties.empty()) throw std::invalid_argument("« partie » attendue d'abord");
        return modele_.parties.back();
    }
    TableauModele& Tableau() {
        if (Partie().tableaux.empty()) throw std::invalid_argument("colonne ou total hors d'un tableau");
        return Partie().tableaux.back();
    }
    ModeleEtat modele_;
};

}  // namespace

ModeleEtat LireModeleEtat(std::string_view texte, const std::string& nomFichier) {
    Lecteur lecteur;
    int numero = 0;
    while (!texte.empty()) {
        ++numero;
        const std::size_t fin = std::min(texte.find('\n'), texte.size());
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        try {
            const std::vector<std::string> mots = Decouper(ligne);
            if (!mots.empty() && mots[0][0] != '#') lecteur.Ligne(mots);
        } catch (const std::invalid_argument& erreur) {
            throw std::invalid_argument("Fichier d'état " + nomFichier + ", ligne " + std::to_string(numero) + " : " +
                                        erreur.what());
        }
    }
    try {
        return lecteur.Fin();
    } catch (const std::invalid_argument& erreur) {
        throw std::invalid_argument("Fichier d'état " + nomFichier + " : " + erreur.what());
    }
}

std::optional<std::string_view> FichierEtatEmbarque(std::string_view nom) {
    for (const FichierEmbarque& fichier : kFichiers)
        if (MemeNom(fichier.nom, nom)) return fichier.texte;
    return std::nullopt;
}

}  // namespace kvarn::standalone
