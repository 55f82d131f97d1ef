// The two messages of the SIRET screen's checks, shown by CSiret and by the command line alike.
#pragma once

namespace kvarn::identification {

inline constexpr const char* kMessagePseudoSiretInvalide =
    "Le format d'un Pseudo-SIRET est \"PXXXXXXXX00001\",\nveuillez rectifier votre saisie.";
inline constexpr const char* kMessageIdspInvalide =
    "Le numéro IDSP doit commencer par une lettre autre que P et avoir 14 caractères,\nveuillez rectifier votre saisie.";

}  // namespace kvarn::identification
