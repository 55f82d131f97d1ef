// What the UI tests drive the window with: a Qt application for the whole run, a test screen and
// its view standing in for a form class's own, and the window over a dossier the test creates,
// with scripted boxes and queued party choices.
//
// The test screen: "nom" (10 characters), then an address panel ("adresse-..."). Typing three
// letters of the name sends the focus to the town; the telephone is enabled only while there is a
// name. Activating loads the journal's address, renames screen 3 "Identité" and disables screen 4
// (as the associates screen does); leaving runs the panel's postcode check; deactivating writes
// the address back into the journal. The journal outlives the screens the window creates.
#pragma once

#include "frame/screens/address_panel.hpp"
#include "frame/screens/screen_registry.hpp"
#include "session_assistant.hpp"
#include "support/scripted_boxes.hpp"
#include "ui/main_window.hpp"
#include "ui/screen_view.hpp"
#include "ui/view_registry.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kvarn::testing_support {

struct JournalEssai {
    int activations = 0;
    int sauvegardes = 0;
    bool activationEchoue = false;
    std::vector<frame::ScreenRequest> demandes;
    host::TAdresseFormatTDFC adresse;
};

class EcranEssai final : public frame::Screen {
public:
    explicit EcranEssai(JournalEssai& journal);
    void Activate() override;
    std::optional<std::string> Leave() override { return panneau_.Check(*this); }
    void Deactivate() override;
    const frame::AddressPanel& Panneau() const { return panneau_; }

protected:
    void Edited(frame::Field& field, const std::string& before) override;

private:
    JournalEssai& journal_;
    frame::AddressPanel panneau_{"adresse-"};
};

// The test screen and its view in the place of a form class's, for the life of the object.
class EcranRemplace {
public:
    EcranRemplace(std::string formClass, JournalEssai& journal);
    ~EcranRemplace();

private:
    std::string formClass_;
    frame::ScreenFactory ecran_;
    ui::ViewFactory vue_;
};

class FenetreOuverte : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The window over the test's dossier, on `groupe`, shown and active.
    void Ouvrir(int groupe);
    QWidget* Champ(const std::string& nom) const;

    std::filesystem::path dir_;
    ScriptedBoxes boxes_;
    QueuedChoice choice_;
    std::unique_ptr<assistant::SessionAssistant> session_;
    std::unique_ptr<ui::FenetreAssistant> fenetre_;
};

}  // namespace kvarn::testing_support
