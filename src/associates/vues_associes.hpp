// The filtered views of the list of associates, as plain functions over the cached map.
//
// Each view is one predicate on an associate's end-of-year shares (PP, U, NP: NbPartsPPFinExo,
// NbPartsUFinExo, NbPartsNPFinExo, compared exactly), its quality and its tax regime. A view fills
// the caller's map with copies, or the caller's vector with keys; both walk the map, so a vector
// comes in ascending key order, whatever order the table gave. The shares-by-regime count and the
// "some shareholder other than a manager" question are here too, over the same records.
#pragma once

#include <kvarn/associe.hpp>
#include <kvarn/liste_associes.hpp>

namespace kvarn::associates {

enum class Vue {
    NbPartsNonNull,                         // PP ≠ 0
    PasAssoGerantNbPartsNbPartsUnonNull,    // (PP ≠ 0 or U ≠ 0), quality ≠ 9
    PasAssoGerantNbParts,                   // quality ≠ 10
    PasAssoGerant,                          // quality ≠ 9
    NbPartsNbPartsUnonNull,                 // PP ≠ 0 or U ≠ 0
    RFOuBNCPasAssoGerantNbPartsNbPartsUnonNull,  // (PP, U or NP ≠ 0), quality ≠ 9, regime 3 or 4
    RFPasAssoGerantNbPartsNbPartsUnonNull,       // (PP ≠ 0 or U ≠ 0), quality ≠ 9, regime 3
    NonRFPasAssoGerantNbPartsNbPartsUnonNull,    // (PP ≠ 0 or U ≠ 0), quality ≠ 9, regime ≠ 3
    BICouBAouISetNbPartsPPouUouNPNonNull,        // (PP, U or NP > 0), regime neither 3 nor 4
};

bool Retenu(Vue vue, const Associe& associe);

void Filtrer(const CarteAssocies& source, Vue vue, CarteAssocies& retenus);
void Filtrer(const CarteAssocies& source, Vue vue, OrdreAssocies& retenus);

// Some associate holding shares at year end who is not a manager without shares (quality 9),
// under RF or BNC when `rfOuBnc`, under any other regime otherwise.
bool AuMoinsUnDetenteur(const CarteAssocies& associes, bool rfOuBnc);

// The regimes under which some row holds end-of-year shares.
struct RegimesDetenteurs {
    bool rf = false;
    bool bicOuIs = false;
    bool ba = false;
    bool bnc = false;

    // Counts one row: its regime's flag is set when any of its end-of-year shares is not 0.
    void Compter(int regime, double pp, double u, double np);
};

}  // namespace kvarn::associates
