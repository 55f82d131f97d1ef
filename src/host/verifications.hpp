// The host's checks of identification numbers, tax numbers and postcodes.
//
// The screens call them before accepting an entry; a refused number keeps the screen open.
// VerificationDuSIRET shows its own error box saying why (the screens show none); the others
// show one only when asked.
#pragma once

#include <string>

namespace kvarn::host {

// Accepts the empty text, a valid SIREN alone (NIC not typed yet), or a valid SIRET.
bool VerificationDuSIRET(const std::string& siret);
// Nine digits; with `verifierCle`, also their key. With `signaler`, a refusal is shown in a box.
bool EstUnSIREN(const std::string& siren, bool verifierCle, bool signaler);
// "FR", a two-character key and a SIREN (13 characters), the key matching the SIREN.
bool EstUnNumeroTVAIntraCommFrancaisValide(const std::string& prefixeEtSiren, bool signaler);
// The personal tax number (SPI); non-zero when valid. The text is NUL-terminated.
int VerificationNumeroFiscal(const wchar_t* numero);
// Five digits.
bool EstCodePostalValide(const std::string& codePostal);

}  // namespace kvarn::host
