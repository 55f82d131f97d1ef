// A fresh dossier with the data module created (not started), for the tests of the
// exported functions, which act on its environment; and the text of the last exception box shown.
#pragma once

#include "frame/etat_module.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/module.hpp>

#include <string>

namespace kvarn::frame {

// The exports run over the environment layer; its names are used here as they stand.
using namespace kvarn::environment;

class Exports : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        InitDataModuleKV();
        ASSERT_NE(DataModule(), nullptr);
    }
    void TearDown() override {
        DetruireDataModuleKV();
        DossierOuvert::TearDown();
    }
    static cEnvironKV& Env() { return DataModule()->Environnement(); }
    // The last exception box's text, empty when none was shown.
    std::string DerniereException() const {
        for (auto it = boxes_.shown().rbegin(); it != boxes_.shown().rend(); ++it)
            if (it->type == host::TypeBoite::Exception) return it->texte;
        return {};
    }
};

}  // namespace kvarn::frame
