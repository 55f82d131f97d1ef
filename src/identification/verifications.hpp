// The rules of the identification numbers, each a plain function giving its verdict and, when it
// refuses, the reason in French. The standalone host's checks (host/verifications.hpp) apply them.
//
// SIREN: 9 digits whose Luhn key is right. SIRET: 14 digits, Luhn over the 14, the first nine a
// valid SIREN; La Poste (SIREN 356000000) numbers its establishments otherwise: every SIRET of it
// but the head office 35600000000048 is valid when the sum of its 14 digits is a multiple of 5.
// French VAT number: "FR", a key of two characters, the SIREN (nine digits starting "000" are
// Monaco's and have no SIREN key). A numeric key is (12 + 3 × (SIREN mod 97)) mod 97 on two
// digits; a key with a letter uses the alphabet "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ". Personal tax
// number (SPI): 13 digits, the first 0 to 3, the last three the first ten modulo 511. Postcode:
// 5 digits. Texts are taken as typed: blanks or dots make a number invalid.
#pragma once

#include <string>
#include <string_view>

namespace kvarn::identification {

struct Verdict {
    bool valide = false;
    std::string raison;  // empty when valid
    explicit operator bool() const { return valide; }
};

// Exactly `longueur` ASCII digits; `nom` opens the reason ("Le SIREN").
Verdict VerifierChiffres(std::string_view numero, std::size_t longueur, std::string_view nom);
Verdict VerifierSIREN(std::string_view siren);
Verdict VerifierSIRET(std::string_view siret);
// Empty, a SIREN alone, or a SIRET.
Verdict VerifierSaisieSIRET(std::string_view saisie);
Verdict VerifierTVAIntracommunautaire(std::string_view numero);
Verdict VerifierNumeroFiscal(std::string_view numero);
Verdict VerifierCodePostal(std::string_view codePostal);

}  // namespace kvarn::identification
