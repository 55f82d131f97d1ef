#include "identification/screens/identification_check.hpp"

#include "host/verifications.hpp"

namespace kvarn::identification {

bool VerifierNumerosIdentification(const NumerosSaisis& n) {
    const std::string siren = n.siren1 + n.siren2 + n.siren3;
    if (siren.empty()) return true;
    if (!host::VerificationDuSIRET(siren + n.nic)) return false;
    if (!host::EstUnSIREN(siren, true, false)) return true;
    if (n.prefixe.empty()) return true;
    return host::EstUnNumeroTVAIntraCommFrancaisValide(n.prefixe + siren, true);
}

Champ ChampApresSaisie(Champ champ, std::size_t longueurAvantTouche) {
    constexpr std::size_t kLongueurGroupe = 3;
    if (champ == Champ::Nic || longueurAvantTouche != kLongueurGroupe - 1) return champ;
    return static_cast<Champ>(static_cast<int>(champ) + 1);
}

}  // namespace kvarn::identification
