// Message boxes on the terminal, for the command-line program.
//
// Every box is written to stderr with its kind. A question is answered by the policy the program
// sets: always yes (--oui), always no (--non), or asked on the terminal when standard input is
// one, and no otherwise, so that a script never hangs on a question.
#pragma once

#include "host/boites.hpp"

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

}  // namespace kvarn::standalone
