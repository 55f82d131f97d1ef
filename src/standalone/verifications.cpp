// The host's checks of identification numbers, tax numbers and postcodes, over the rules of the
// identification subsystem; a refusal is shown in an error box with its reason when asked.
#include "host/verifications.hpp"

#include "host/boites.hpp"
#include "identification/verifications.hpp"

namespace kvarn::host {
namespace {

bool Signaler(const identification::Verdict& verdict, bool signaler) {
    if (!verdict && signaler) ZORErreur(verdict.raison);
    return verdict.valide;
}

}  // namespace

bool VerificationDuSIRET(const std::string& siret) {
    return Signaler(identification::VerifierSaisieSIRET(siret), true);
}

bool EstUnSIREN(const std::string& siren, bool verifierCle, bool signaler) {
    return Signaler(verifierCle ? identification::VerifierSIREN(siren) : identification::VerifierChiffres(siren, 9, "Le SIREN"),
                    signaler);
}

bool EstUnNumeroTVAIntraCommFrancaisValide(const std::string& prefixeEtSiren, bool signaler) {
    return Signaler(identification::VerifierTVAIntracommunautaire(prefixeEtSiren), signaler);
}

int VerificationNumeroFiscal(const wchar_t* numero) {
    std::string texte;
    for (; numero && *numero; ++numero) {
        if (*numero > 0x7F) return 0;  // only ASCII digits can be valid
        texte.push_back(static_cast<char>(*numero));
    }
    return identification::VerifierNumeroFiscal(texte).valide ? 1 : 0;
}

bool EstCodePostalValide(const std::string& codePostal) { return identification::VerifierCodePostal(codePostal).valide; }

}  // namespace kvarn::host
