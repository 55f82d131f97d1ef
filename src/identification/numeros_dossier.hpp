// The company's identification numbers as the dossier record keeps them, and the one rule that
// binds them.
//
// The record keeps a SIREN, a NIC and an intra-community prefix ("FR" and a key of two
// characters); the VAT number is the prefix followed by the SIREN, so the key must fit the SIREN.
// VerifierCoherence is that rule: the command line reaches it through AppliquerSaisie, the
// dossier record before every write, the identification screen when it closes.
#pragma once

#include "identification/verifications.hpp"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvarn::identification {

struct NumerosIdentification {
    std::string prefixe;
    std::string siren;
    std::string nic;
};

// A number the rules refuse; what() says why, in French.
class NumeroRefuse : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Prefix and SIREN may stand together: nothing to check while either is empty; otherwise the VAT
// number they make must be valid, and the verdict's reason says why it is not.
Verdict VerifierCoherence(std::string_view prefixe, std::string_view siren);

// The same rule for a record about to be written: NumeroRefuse naming the VAT number when it
// fails.
void ExigerCoherence(const NumerosIdentification& numeros);

// What a user typed; nullopt leaves that number as it is.
struct SaisieIdentification {
    std::optional<std::string> siret;  // a SIRET, or a SIREN alone (NIC not typed yet); empty clears
    std::optional<std::string> tva;    // a whole VAT number ("FR", key, SIREN); empty clears the prefix
};

// The numbers after `saisie` over `actuels`. A SIRET gives the SIREN and the NIC; a VAT number
// gives the prefix, and the SIREN to a dossier that has none and was given no SIRET. NumeroRefuse
// for a SIRET or a VAT number refused on its own, a VAT number carrying another SIREN than the
// SIRET typed with it, and numbers that break the rule.
NumerosIdentification AppliquerSaisie(const NumerosIdentification& actuels, const SaisieIdentification& saisie);

}  // namespace kvarn::identification
