// The completeness check of the physical-person associates for the electronic returns.
//
// The associates are taken in key order; the first failure ends the check: a tax number the
// verifier refuses (an empty one passes), then, for a record that is not blank, a missing birth
// or married name, first names, birth postcode, birth place or birth date. A record is blank when
// it has no title, none of its names and address texts, no birth data, and its quality asks for
// no identity (on a property-company dossier, category 5, no quality does).
#pragma once

#include <kvarn/liste_associes.hpp>

#include <functional>
#include <string>

namespace kvarn::associates {

enum class EchecEdi { Aucun, NumeroFiscal, Incomplet };

using VerificateurNumeroFiscal = std::function<bool(const std::string& numero)>;

EchecEdi ControlerEdi(const CarteAssocies& associes, int categorieDossier, const VerificateurNumeroFiscal& valide);

// The messages of the two failures.
inline constexpr const char* kMessageNumeroFiscal = "Le numéro fiscal d'au moins un associé est incorrect.";
inline constexpr const char* kMessageIncomplet =
    "Pour au moins un associé, les données suivantes ne sont pas renseignées : prénom, date de naissance, "
    "lieu de naissance (ville, département et pays).";

}  // namespace kvarn::associates
