// A fresh dossier with an environment object in the module-wide slot, as the data module sets it,
// for the tests of the exported functions; and the text of the last exception box shown.
#pragma once

#include "environment/environ_kv.hpp"
#include "environment/environnement_courant.hpp"
#include "support/dossier_ouvert.hpp"

#include <string>

namespace kvarn::frame {

// The exports run over the environment layer; its names are used here as they stand.
using namespace kvarn::environment;

class Exports : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        env_.Initialiser();
        DefinirEnvironnementCourant(&env_);
    }
    void TearDown() override {
        DefinirEnvironnementCourant(nullptr);
        DossierOuvert::TearDown();
    }
    // The last exception box's text, empty when none was shown.
    std::string DerniereException() const {
        for (auto it = boxes_.shown().rbegin(); it != boxes_.shown().rend(); ++it)
            if (it->type == host::TypeBoite::Exception) return it->texte;
        return {};
    }

    cEnvironKV env_;
};

}  // namespace kvarn::frame
