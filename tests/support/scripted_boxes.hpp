// Message boxes and party choices for tests: answers queued in advance, every box recorded.
//
// A question or OK/cancel box takes the next queued answer; one that comes with no answer queued
// fails the running test (and answers no). Every box is kept with its kind, text, caption and
// flags so a test can check the messages word for word.
#pragma once

#include "host/boites.hpp"
#include "standalone/annuaire_fichier.hpp"

#include <deque>
#include <string>
#include <vector>

namespace kvarn::testing_support {

struct BoxShown {
    host::TypeBoite type;
    std::string texte;
    std::string titre;
    int drapeaux;
};

class ScriptedBoxes final : public host::MessageBoxes {
public:
    void QueueAnswer(bool answer) { answers_.push_back(answer); }
    bool Show(host::TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) override;

    const std::vector<BoxShown>& shown() const { return shown_; }
    std::size_t pendingAnswers() const { return answers_.size(); }

private:
    std::deque<bool> answers_;
    std::vector<BoxShown> shown_;
};

class QueuedChoice final : public standalone::ChoixIntervenant {
public:
    void QueueId(int id) { ids_.push_back(id); }
    int Choisir(int type, const std::vector<standalone::Intervenant>& candidats) override;

    // The candidates offered at each call, by identifier.
    const std::vector<std::vector<int>>& offered() const { return offered_; }

private:
    std::deque<int> ids_;
    std::vector<std::vector<int>> offered_;
};

}  // namespace kvarn::testing_support
