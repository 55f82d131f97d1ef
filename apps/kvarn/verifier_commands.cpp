#include "verifier_commands.hpp"

#include "identification/verifications.hpp"

#include <iostream>

namespace kvarn::cli {

int Verifier(const VerifierOptions& options) {
    identification::Verdict verdict;
    if (options.genre == "siren") verdict = identification::VerifierSIREN(options.valeur);
    else if (options.genre == "siret") verdict = identification::VerifierSaisieSIRET(options.valeur);
    else if (options.genre == "tva") verdict = identification::VerifierTVAIntracommunautaire(options.valeur);
    else if (options.genre == "nif") verdict = identification::VerifierNumeroFiscal(options.valeur);
    else if (options.genre == "cp") verdict = identification::VerifierCodePostal(options.valeur);
    else throw MauvaisUsage("genre de vérification inconnu : " + options.genre);
    if (!verdict) throw Refus(verdict.raison);
    std::cout << "valide\n";
    return kSucces;
}

}  // namespace kvarn::cli
