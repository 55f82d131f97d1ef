// Which usufructuaries stand behind the bare owners of one movement, or of the start of the year,
// as the association screen opens: its upper rows, the links it deletes and appends, the number to
// assign and what remains. Pure: the caller reads the rows and links and writes the result.
//
// For a movement the upper rows are the rows that gain bare ownership (a sale of usufruct: the
// rows that gain usufruct; a reconstitution: the rows that lose bare ownership). The caller's map
// gives each associate the usufruct shares the movement hands over (a dismemberment: its gains of
// U; a reconstitution: its losses of U; other types: every row with 0). Each upper row loses its
// links to associates outside the map and gains a link to each other associate of the map it is
// not linked to yet, numbered in a dismemberment or a reconstitution when one side is alone: the
// map's number when there is one upper row, else the row's own number when the map has one entry.
// A link without a number counts for nothing in the total.
#pragma once

#include "movements/decodage_detail.hpp"

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace kvarn::movements {

// One row of KOLMIKVA with its key (0 for a link not stored yet) and its number, empty or not.
struct LienNPU {
    int autoID = 0;
    int idMouv = 0;
    int idNP = 0;
    int idU = 0;
    std::optional<double> nbU;
};

struct LigneHaute {
    int idAsso = 0;
    double nombre = 0.0;
};

// Associate → usufruct shares handed over.
using CarteParts = std::map<int, double>;

struct Affectation {
    std::vector<LigneHaute> hautes;
    std::vector<LienNPU> liens;     // the upper rows' links after the opening, new ones with key 0
    std::vector<int> supprimes;     // keys of the stored links the opening deletes
    double aAffecter = 0.0;

    double TotalAffecte() const;
    double ResteAAffecter() const { return aAffecter - TotalAffecte(); }
    // The link of that pair, or nullptr.
    LienNPU* Lien(int idNP, int idU);
};

// The usufruct shares a movement's rows hand over (the map of the entry screen's link check).
CarteParts CartePartsUsufruit(int type, const std::vector<LigneDetail>& lignes);

// `liens`: the stored links of the movement.
Affectation OuvrirAffectationMouvement(int idMouv, int type, const std::vector<LigneDetail>& lignes,
                                       const CarteParts& carte, const std::vector<LienNPU>& liens);

// The start of the year: `nusProprietaires` are the bare owners at the start of the year with
// their bare ownership, `liens` the stored start-of-year links.
Affectation OuvrirAffectationDebut(const std::vector<LigneHaute>& nusProprietaires, const CarteParts& carte,
                                   const std::vector<LienNPU>& liens);

// A movement not stored yet: the opening over its rows, then each given link's number set on the
// link of its pair, or the link appended.
Affectation AffecterNouveauMouvement(int type, const std::vector<LigneDetail>& lignes,
                                     const std::vector<LienNPU>& donnes);

}  // namespace kvarn::movements
