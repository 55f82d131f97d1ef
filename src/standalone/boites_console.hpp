// Message boxes on the terminal, for the command-line program.
//
// Every box is written to stderr with its kind. A question is answered by the policy the program
// sets: always yes (--oui), always no (--non), or asked on the terminal when standard input is
// one, and no otherwise, so that a script never hangs on a question. A list to pick from is shown
// the same way.
#pragma once

#include "host/boites.hpp"
#include "host/choix_liste.hpp"

namespace kvarn::standalone {

enum class ReponseQuestions { Demander, Oui, Non };

class BoitesConsole final : public host::MessageBoxes {
public:
    explicit BoitesConsole(ReponseQuestions politique = ReponseQuestions::Demander);
    bool Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) override;

private:
    bool Repondre(const std::string& texte, const std::string& titre, bool okAnnuler);
    ReponseQuestions politique_;
};

// The host's picker on the terminal: the title, the context and the numbered items on stderr, the
// number read from standard input. No answer under --oui or --non (neither names an item) or
// without a terminal, so that a script never hangs on a choice.
host::ChoixDansListe ChoixListeConsole(ReponseQuestions politique);

}  // namespace kvarn::standalone
