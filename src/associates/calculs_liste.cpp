#include "associates/calculs_liste.hpp"

#include <algorithm>

namespace kvarn::associates {

double PourcentageDetention(double partsPPFinExo, double totalPPFin) {
    return totalPPFin == 0 ? Associe::kNulReel : partsPPFinExo / totalPPFin * 100;
}

bool DetientDesParts(const Associe& a) {
    return a.NbParts > 0 || a.NbPartsU > 0 || a.NbPartsN > 0 || a.NbPartsPPFinExo > 0 || a.NbPartsUFinExo > 0 ||
           a.NbPartsNPFinExo > 0;
}

int Successeur(const OrdreAssocies& ordre, int idAssocie) {
    const auto place = std::find(ordre.begin(), ordre.end(), idAssocie);
    if (place == ordre.end() || std::next(place) == ordre.end()) return 0;
    return *std::next(place);
}

}  // namespace kvarn::associates
