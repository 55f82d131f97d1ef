#include "verifier_commands.hpp"

#include "standalone/verifications.hpp"

#include <iostream>

namespace kvarn::cli {

int Verifier(const VerifierOptions& options) {
    standalone::Verdict verdict;
    if (options.genre == "siren") verdict = standalone::VerifierSIREN(options.valeur);
    else if (options.genre == "siret") verdict = standalone::VerifierSaisieSIRET(options.valeur);
    else if (options.genre == "tva") verdict = standalone::VerifierTVAIntracommunautaire(options.valeur);
    else if (options.genre == "nif") verdict = standalone::VerifierNumeroFiscal(options.valeur);
    else if (options.genre == "cp") verdict = standalone::VerifierCodePostal(options.valeur);
    else throw MauvaisUsage("genre de vérification inconnu : " + options.genre);
    if (!verdict) throw Refus(verdict.raison);
    std::cout << "valide\n";
    return kSucces;
}

}  // namespace kvarn::cli
