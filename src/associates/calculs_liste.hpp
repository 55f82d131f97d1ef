// What the list of associates computes for each associate when it loads, from plain values.
//
// The holding percentage is the associate's end-of-year full-ownership shares over the total the
// positions give, × 100; with no share held by anyone it stays empty (kNulReel). An associate
// takes part in the year when it holds any share at the start or at the end of the year, or,
// holding none, when it gains shares in a movement of the year. The successor of an associate is
// the key after its first place in the list's order, 0 after the last and for a key not listed.
#pragma once

#include <kvarn/associe.hpp>
#include <kvarn/liste_associes.hpp>

namespace kvarn::associates {

double PourcentageDetention(double partsPPFinExo, double totalPPFin);

// Any of the six share members strictly above 0.
bool DetientDesParts(const Associe& associe);

template <class AcquiertDesParts>
bool ConcerneExercice(const Associe& associe, AcquiertDesParts&& acquiert) {
    return DetientDesParts(associe) || acquiert(associe.ShIDAssocie);
}

int Successeur(const OrdreAssocies& ordre, int idAssocie);

}  // namespace kvarn::associates
