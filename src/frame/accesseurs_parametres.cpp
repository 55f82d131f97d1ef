// The exported accessors that read and write the module's settings store directly: capital,
// shares at the start of the year, the rental-income contribution's payment mode and transfer
// count, the partner company's SIREN, and the declarant's-address flag.
//
// The store is open for the data module's whole life; should it be closed, the readers give their
// value for "nothing stored" without a message (0, NULL_ENTIER for the two integers read as
// reals, false, empty text) and the writers do nothing. Errors of the file itself are shown like
// every other (exports_proteges.hpp).
#include <kvarn/accesseurs.hpp>

#include "common/nulls.hpp"
#include "environment/environ_kv.hpp"
#include "frame/exports_proteges.hpp"

#include <cstdint>
#include <limits>

namespace {

using kvarn::NULL_ENTIER;
using kvarn::environment::CGestTRPIni;
using kvarn::environment::kUniteEnvironnement;

constexpr const char* kCleMontantCapital = "MontantCapital";
constexpr const char* kCleMontantCapitalDebEx = "MontantCapitalDebEx";
constexpr const char* kCleNbPartsDebEx = "NbPartsDebEx";
constexpr const char* kCleModePaiement = "ModePaiementCRL";
constexpr const char* kCleNbVirements = "NbVirementsCRL";

enum Place : std::uint32_t {
    kPlaceMontantCapital = kvarn::frame::kPlacesParametres, kPlaceMontantCapitalDebEx, kPlaceSetMontantCapital,
    kPlaceNombrePartsDebEx, kPlaceGetModePaiement, kPlaceSetModePaiement, kPlaceGetNbVirements,
    kPlaceSetNbVirements, kPlaceSiretSEP, kPlaceAdrDeclarDiffDeAdrDest,
};

template <class Resultat, class Lecture>
Resultat Lire(Place place, Resultat sansStore, Lecture&& lecture) {
    return kvarn::frame::Proteger(kUniteEnvironnement, place, sansStore, [&] {
        CGestTRPIni* store = kvarn::frame::Environnement().GestIni();
        return store ? lecture(*store) : sansStore;
    });
}

template <class Ecriture>
void Ecrire(Place place, Ecriture&& ecriture) {
    kvarn::frame::Proteger(kUniteEnvironnement, place, [&] {
        if (CGestTRPIni* store = kvarn::frame::Environnement().GestIni()) ecriture(*store);
    });
}

// The integers kept as reals are truncated toward zero; a value that no int can hold (another
// program's damage) reads as not set rather than as an arbitrary number.
int Tronquer(double valeur) {
    if (!(valeur >= std::numeric_limits<int>::min() && valeur <= std::numeric_limits<int>::max())) return NULL_ENTIER;
    return static_cast<int>(valeur);
}

}  // namespace

double GetMontantCapital() {
    return Lire(kPlaceMontantCapital, 0.0, [](const CGestTRPIni& s) { return s.GetReal(kCleMontantCapital, 0); });
}

double GetMontantCapitalDebEx() {
    return Lire(kPlaceMontantCapitalDebEx, 0.0,
                [](const CGestTRPIni& s) { return s.GetReal(kCleMontantCapitalDebEx, 0); });
}

void SetMontantCapital(double montant, bool debutExercice) {
    Ecrire(kPlaceSetMontantCapital, [&](CGestTRPIni& s) {
        s.SetReal(debutExercice ? kCleMontantCapitalDebEx : kCleMontantCapital, montant);
    });
}

double GetNombrePartsDebEx() {
    return Lire(kPlaceNombrePartsDebEx, 0.0,
                [](const CGestTRPIni& s) { return static_cast<double>(s.GetInteger(kCleNbPartsDebEx, 0)); });
}

int GetModePaiement() {
    return Lire(kPlaceGetModePaiement, NULL_ENTIER,
                [](const CGestTRPIni& s) { return Tronquer(s.GetReal(kCleModePaiement, 0)); });
}

void SetModePaiement(const int& mode) {
    Ecrire(kPlaceSetModePaiement, [&](CGestTRPIni& s) { s.SetInteger(kCleModePaiement, mode); });
}

int GetNbVirements() {
    return Lire(kPlaceGetNbVirements, NULL_ENTIER,
                [](const CGestTRPIni& s) { return Tronquer(s.GetReal(kCleNbVirements, NULL_ENTIER)); });
}

void SetNbVirements(const int& nombre) {
    Ecrire(kPlaceSetNbVirements, [&](CGestTRPIni& s) { s.SetInteger(kCleNbVirements, nombre); });
}

std::string GetSiretSEP_SCP_SCM_Dossier() {
    return Lire(kPlaceSiretSEP, std::string(), [](const CGestTRPIni& s) { return s.GetString(kvarn::environment::kCleSirenSocieteAssociee); });
}

bool GetAdrDeclarDiffDeAdrDest() {
    return Lire(kPlaceAdrDeclarDiffDeAdrDest, false, [](CGestTRPIni& s) {
        return s.GetAssBool(kvarn::environment::kSectionAdrDeclarDifDest, kvarn::environment::kCleAdrDeclarDifDest);
    });
}
