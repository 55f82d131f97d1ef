// The scripted boxes seen whole, for the tests that compare what was shown in one expectation:
// the texts in order, and a box as a value (kind, text, caption and flags).
#pragma once

#include "support/scripted_boxes.hpp"

#include <string>
#include <vector>

namespace kvarn::testing_support {

inline bool operator==(const BoxShown& a, const BoxShown& b) {
    return a.type == b.type && a.texte == b.texte && a.titre == b.titre && a.drapeaux == b.drapeaux;
}

inline std::vector<std::string> Textes(const ScriptedBoxes& boxes) {
    std::vector<std::string> textes;
    for (const BoxShown& box : boxes.shown()) textes.push_back(box.texte);
    return textes;
}

}  // namespace kvarn::testing_support
