// The synthesis rows one detail row of a movement gives: one signed number of shares of one kind
// per row, as the movement synthesis lists them. Pure.
//
// The main row takes the row's first kind (PP, then NP, then U): its increase when there is one,
// else its decrease, and it is a loss whenever the kind's decrease is set. The derived rows are
// those of the decoding (decodage_detail.hpp): the usufruct or bare ownership kept by whoever
// dismembers, the dismembered share that goes back into full ownership.
//
// The synthesis finds its rows again by movement and detail key. A main row's key is its detail
// row's AutoID; a derived row's key is negative, as a derived row's always was, and its own:
// −2 × AutoID for the first derived row of a detail row, −2 × AutoID − 1 for the second (a row
// that both dismembers and reconstitutes). A single −1 for every derived row would make two
// dismemberments in one movement meet on one key, the second overwriting the first.
#pragma once

#include "movements/decodage_detail.hpp"

#include <vector>

namespace kvarn::movements {

struct LigneSynthese {
    int idDetail = 0;
    int typeParts = 0;
    double parts = 0.0;  // signed: negative for a loss
};

std::vector<LigneSynthese> LignesSynthese(const LigneDetail& ligne, int idDetail);

}  // namespace kvarn::movements
