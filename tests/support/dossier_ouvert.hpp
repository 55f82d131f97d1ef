// A fresh dossier opened through the standalone host, for the tests above the host: its directory,
// the scripted boxes that record every message, and helpers to read and plant the settings file.
#pragma once

#include "standalone/standalone_host.hpp"
#include "support/nom_du_cas.hpp"
#include "support/scripted_boxes.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kvarn::testing_support {

class DossierOuvert : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Changes values of the dossier record ({section, key, value}).
    void ModifierDossier(const std::vector<standalone::ValeurDossier>& valeurs);
    std::filesystem::path FichierParametres() const;
    // The settings file's bytes as they are on disk; empty when there is no file.
    std::string OctetsParametres() const;
    // Replaces the settings file's bytes, as another program would.
    void PlanterParametres(const std::string& octets) const;

    std::filesystem::path dir_;
    ScriptedBoxes boxes_;
    QueuedChoice choice_;
    std::unique_ptr<standalone::StandaloneHost> host_;
};

// The same dossier in the current layout, with the module's data module created over it (not
// started: no InitKV), and released at the end.
class ModuleOuvert : public DossierOuvert {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The same, the dossier started: inside the InitKV bracket for the whole test.
class ModuleDemarre : public ModuleOuvert {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace kvarn::testing_support
