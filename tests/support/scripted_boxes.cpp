#include "support/scripted_boxes.hpp"

#include <gtest/gtest.h>

namespace kvarn::testing_support {

bool ScriptedBoxes::Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) {
    shown_.push_back({type, texte, titre, drapeaux});
    if (type != host::TypeBoite::Question && type != host::TypeBoite::OkAnnuler) return true;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << texte;
        return false;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int QueuedChoice::Choisir(int type, const std::vector<standalone::Intervenant>& candidats) {
    std::vector<int> ids;
    for (const auto& c : candidats) ids.push_back(c.Id);
    offered_.push_back(ids);
    if (ids_.empty()) {
        ADD_FAILURE() << "unexpected choice of a party of kind " << type;
        return 0;
    }
    const int id = ids_.front();
    ids_.pop_front();
    return id;
}

}  // namespace kvarn::testing_support
