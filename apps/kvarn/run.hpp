// How the command-line program runs one command: the options every command shares, the exit
// statuses, and the conversion of a refusal into a French message on stderr.
//
// Handlers of each command family live in a file of their own and take plain structs, so that
// only main.cpp sees the command-line parser.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace kvarn::cli {

enum ExitStatus : int { kSucces = 0, kRefus = 1, kUsage = 2 };

// Options given before the command name.
struct GlobalOptions {
    std::string dossier;  // --dossier DIR
    bool oui = false;     // --oui: every question of the module answers yes
    bool non = false;     // --non: every question answers no
    // --mode-chargement N: the loading mode the module uses for this command only, set once its
    // data module exists; none: the mode of the dossier's tax category.
    std::optional<int> modeChargement;
};

// A refusal of the module or of the host: the message goes to stderr, the program exits 1.
class Refus : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command line that parsed but cannot be carried out as given: exit 2.
class MauvaisUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs a handler, turning every exception into a message on stderr and the matching exit status.
// A handler during which the module showed its exception box (SignalerExceptionMontree) exits 1
// even when it returns success: the module caught an error and went on with what it had.
int Run(const std::function<int()>& handler);

// Called by the command line's boxes when the exception box is shown.
void SignalerExceptionMontree();

// The --dossier directory, or MauvaisUsage when the command needs one and none was given.
const std::string& RequireDossier(const GlobalOptions& options);

}  // namespace kvarn::cli
