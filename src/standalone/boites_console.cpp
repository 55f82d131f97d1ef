#include "standalone/boites_console.hpp"

#include "common/ini_values.hpp"
#include "common/text.hpp"

#include <iostream>

#include <unistd.h>

namespace kvarn::standalone {

BoitesConsole::BoitesConsole(ReponseQuestions politique) : politique_(politique) {}

bool BoitesConsole::Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int) {
    switch (type) {
        case host::TypeBoite::Erreur: std::cerr << "Erreur : " << texte << '\n'; return true;
        case host::TypeBoite::Attention: std::cerr << "Attention : " << texte << '\n'; return true;
        case host::TypeBoite::Information: std::cerr << texte << '\n'; return true;
        case host::TypeBoite::MsgBox: std::cerr << titre << " : " << texte << '\n'; return true;
        case host::TypeBoite::Exception: std::cerr << "Erreur interne " << texte << '\n'; return true;
        case host::TypeBoite::Question: return Repondre(texte, titre, false);
        case host::TypeBoite::OkAnnuler: return Repondre(texte, titre, true);
    }
    return true;
}

bool BoitesConsole::Repondre(const std::string& texte, const std::string& titre, bool okAnnuler) {
    std::cerr << (titre.empty() ? "" : titre + " : ") << texte << '\n';
    if (politique_ != ReponseQuestions::Demander || !::isatty(STDIN_FILENO)) {
        const bool oui = politique_ == ReponseQuestions::Oui;
        std::cerr << "→ " << (oui ? (okAnnuler ? "OK" : "oui") : (okAnnuler ? "annuler" : "non")) << '\n';
        return oui;
    }
    for (;;) {
        std::cerr << (okAnnuler ? "[ok/annuler] " : "[o/n] ");
        std::string reponse;
        if (!std::getline(std::cin, reponse)) return false;
        reponse = ToUpperFrench(Trim(reponse));
        if (reponse == "O" || reponse == "OUI" || reponse == "OK") return true;
        if (reponse == "N" || reponse == "NON" || reponse == "A" || reponse == "ANNULER") return false;
    }
}

host::ChoixDansListe ChoixListeConsole(ReponseQuestions politique) {
    return [politique](const std::string& titre, const std::vector<std::string>& contexte,
                       const std::vector<std::string>& choix) -> std::optional<std::size_t> {
        std::cerr << titre << '\n';
        for (const std::string& ligne : contexte) std::cerr << "  " << ligne << '\n';
        if (politique != ReponseQuestions::Demander || !::isatty(STDIN_FILENO)) {
            std::cerr << "→ aucun choix\n";
            return std::nullopt;
        }
        for (std::size_t n = 0; n < choix.size(); ++n) std::cerr << "  " << n + 1 << ". " << choix[n] << '\n';
        std::cerr << "Numéro choisi (vide pour aucun) : ";
        std::string reponse;
        if (!std::getline(std::cin, reponse)) return std::nullopt;
        const std::optional<int> numero = ParseIniInteger(reponse);
        if (!numero || *numero < 1 || static_cast<std::size_t>(*numero) > choix.size()) return std::nullopt;
        return static_cast<std::size_t>(*numero - 1);
    };
}

}  // namespace kvarn::standalone
