#include "identification/numeros_dossier.hpp"

namespace kvarn::identification {
namespace {

constexpr std::size_t kLongueurSiren = 9;
constexpr std::size_t kLongueurPrefixe = 4;

void Exiger(const Verdict& verdict) {
    if (!verdict) throw NumeroRefuse(verdict.raison);
}

}  // namespace

Verdict VerifierCoherence(std::string_view prefixe, std::string_view siren) {
    if (prefixe.empty() || siren.empty()) return {true, {}};
    return VerifierTVAIntracommunautaire(std::string(prefixe) + std::string(siren));
}

void ExigerCoherence(const NumerosIdentification& numeros) {
    if (const Verdict verdict = VerifierCoherence(numeros.prefixe, numeros.siren); !verdict)
        throw NumeroRefuse("Le numéro de TVA intracommunautaire " + numeros.prefixe + numeros.siren +
                           " ne convient pas au SIREN du dossier : " + verdict.raison);
}

NumerosIdentification AppliquerSaisie(const NumerosIdentification& actuels, const SaisieIdentification& saisie) {
    NumerosIdentification numeros = actuels;
    if (saisie.siret) {
        Exiger(VerifierSaisieSIRET(*saisie.siret));
        numeros.siren = saisie.siret->substr(0, std::min(kLongueurSiren, saisie.siret->size()));
        numeros.nic = saisie.siret->size() > kLongueurSiren ? saisie.siret->substr(kLongueurSiren) : "";
    }
    if (saisie.tva && saisie.tva->empty()) numeros.prefixe.clear();
    if (saisie.tva && !saisie.tva->empty()) {
        Exiger(VerifierTVAIntracommunautaire(*saisie.tva));
        const std::string siren = saisie.tva->substr(kLongueurPrefixe);
        if (saisie.siret && !numeros.siren.empty() && numeros.siren != siren)
            throw NumeroRefuse("Le numéro de TVA intracommunautaire " + *saisie.tva + " ne porte pas le SIREN du SIRET (" +
                               numeros.siren + ")");
        numeros.prefixe = saisie.tva->substr(0, kLongueurPrefixe);
        if (!saisie.siret && numeros.siren.empty()) numeros.siren = siren;
    }
    ExigerCoherence(numeros);
    return numeros;
}

}  // namespace kvarn::identification
