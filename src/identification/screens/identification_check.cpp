#include "identification/screens/identification_check.hpp"

#include "host/boites.hpp"
#include "host/verifications.hpp"
#include "identification/numeros_dossier.hpp"

namespace kvarn::identification {

bool VerifierNumerosIdentification(const NumerosSaisis& n) {
    const std::string siren = n.siren1 + n.siren2 + n.siren3;
    if (siren.empty()) return true;
    if (!host::VerificationDuSIRET(siren + n.nic)) return false;
    const Verdict coherence = VerifierCoherence(n.prefixe, siren);
    if (!coherence) host::ZORErreur(coherence.raison);
    return coherence.valide;
}

Champ ChampApresSaisie(Champ champ, std::size_t longueurAvantTouche) {
    constexpr std::size_t kLongueurGroupe = 3;
    if (champ == Champ::Nic || longueurAvantTouche != kLongueurGroupe - 1) return champ;
    return static_cast<Champ>(static_cast<int>(champ) + 1);
}

}  // namespace kvarn::identification
