// Which usufructuaries stand behind each bare owner, from the movements and their links. Pure.
//
// Each link (a row of KOLMIKVA) adds its usufruct shares to the pair it names: a link of the
// start of the year (movement 0), of a sale of bare ownership (1), of a dismemberment (3) links
// its bare owner to its usufructuary; a reconstitution (6) takes them back from the pair. A sale
// of bare ownership also takes the shares from the seller's pair with that usufructuary. In a
// sale of usufruct (2) the link names the bare owner in IdU and the buyer in IdNP: the buyer
// comes in front of the bare owner and the seller leaves. A link without a number, or of a
// movement that is unknown or of another type, counts for nothing. The usufructuaries of one
// bare owner are those whose shares do not sum to 0, the largest holding first.
#pragma once

#include <kvarn/mouvements.hpp>

#include <map>
#include <unordered_map>
#include <vector>

namespace kvarn::movements {

// Bare owner → usufructuary → the usufructuary with the signed sum of the shares linking them.
using CarteNPU = std::map<int, std::map<int, cUsufruitier>>;

struct MouvementLie {
    int type = -1;
    int idCedant = 0;
};

// A link whose number is empty is not passed in.
CarteNPU AssocierNPU(const std::unordered_map<int, MouvementLie>& mouvements, const std::vector<cAssoNPU>& liens);

std::vector<cUsufruitier> Usufruitiers(const CarteNPU& carte, int idNP);

}  // namespace kvarn::movements
