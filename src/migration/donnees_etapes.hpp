// The data steps of the older dossiers but the movement model's (mouvements_anciens_etapes.hpp):
// each brings one kind of stored value to the form the current release reads.
//
//   0x10500 legal persons' Titre + 1, for dossiers whose structure was older than 0x10406, when
//           the legal forms' codes moved up by one;
//   0x10501 "SignNom" and "SignDate" move from section "DEFAUT" to "KV";
//   0x10502 the older releases' stand-ins for "empty" in the associates' Number and Long columns
//           become nulls;
//   0x10503 the capital moves from the section of the dossier's tax category to "KV";
//   0x10902 an empty current registered office takes the previous year's address;
//   0x11600 an empty or 0 country of the associates is France (76).
// Steps that touch KOLMIKV1 do nothing when the table does not exist.
#pragma once

#include "store/data_module.hpp"

#include <cstdint>

namespace kvarn::migration {

// The dossier's settings store; std::logic_error when it is not open.
environment::CGestTRPIni& ParametresDuDossier(store::TdmKvarn& module);

// The structure version the dossier had before this start-up's structure steps: "StructureInitiale"
// of section "KVDonnees" when recorded, else the structure chain's own version.
std::uint32_t StructureInitiale(environment::CGestTRPIni& parametres);

void RenumeroterFormesJuridiques(store::TdmKvarn& module);
void DeplacerSignature(store::TdmKvarn& module);
void EffacerValeursVides(store::TdmKvarn& module);
void DeplacerCapital(store::TdmKvarn& module);
void ReprendreSiegeSocial(store::TdmKvarn& module);
void PaysParDefaut(store::TdmKvarn& module);

}  // namespace kvarn::migration
