// The check of the identification numbers run when the identification screen closes, and the
// focus rule of the SIREN entry, without widgets.
#pragma once

#include <string>

namespace kvarn::identification {

struct NumerosSaisis {
    std::string siren1, siren2, siren3;  // the SIREN typed as three groups of three digits
    std::string nic;
    std::string prefixe;
};

// True when the screen may close. No SIREN: nothing checked. A SIREN and NIC the host refuses:
// false (the host says why). No prefix: accepted. Otherwise the prefix must fit the SIREN
// (numeros_dossier.hpp), else an error box says why.
bool VerifierNumerosIdentification(const NumerosSaisis& numeros);

// The entry fields of the SIREN line, in focus order.
enum class Champ { Siren1, Siren2, Siren3, Nic };

// After a digit was typed into `champ`: the field that gets the focus. It moves on when the field
// became full with that key (its length before the key was one less than its maximum).
Champ ChampApresSaisie(Champ champ, std::size_t longueurAvantTouche);

}  // namespace kvarn::identification
