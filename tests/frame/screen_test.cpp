// The screen contract itself: what an entry does to a field, and which fields refuse entries.
#include "frame/screens/screen.hpp"
#include "frame/screens/screen_registry.hpp"

#include <gtest/gtest.h>

namespace kvarn::frame {
namespace {

class Essai final : public Screen {
public:
    Essai() {
        Declare({.name = "ville", .label = "Ville", .width = 5});
        Declare({.name = "code", .label = "Code", .readOnly = true});
        Declare({.name = "cache", .label = "Caché", .visible = false});
        Declare({.name = "inactif", .label = "Inactif", .enabled = false});
    }
    void Activate() override {}
    std::optional<std::string> Leave() override { return std::nullopt; }
    void Deactivate() override {}
    std::vector<std::string> regles;

protected:
    void Edited(Field& field, const std::string& before) override {
        regles.push_back(field.name + ":" + before + "→" + field.value);
        SetFocus("code");
    }
};

TEST(ScreenContract, AnEntryIsCutToTheFieldsWidthInCharactersThenTheRulesRun) {
    Essai ecran;
    ecran.Edit("ville", "Évreux-Nord");
    ecran.Edit("ville", "Sète");
    EXPECT_EQ(ecran.GetField("ville").value, "Sète");
    EXPECT_EQ(ecran.regles, (std::vector<std::string>{"ville:→Évreu", "ville:Évreu→Sète"}));
    EXPECT_EQ(ecran.Focus(), "code");
}

TEST(ScreenContract, FieldsTheUserCannotTypeIntoRefuseTheEntry) {
    Essai ecran;
    for (const char* champ : {"code", "cache", "inactif"}) EXPECT_THROW(ecran.Edit(champ, "x"), std::logic_error) << champ;
    EXPECT_THROW(ecran.Edit("pays", "x"), std::out_of_range);
    EXPECT_TRUE(ecran.regles.empty());
    EXPECT_EQ(ecran.GetField("code").value, "");
}

}  // namespace
}  // namespace kvarn::frame

namespace kvarn::frame {
namespace {

// A stand-in takes a form class's place and hands back the one it replaced; the request of the
// caller reaches the factory.
TEST(ScreenRegistry, AStandInReplacesARegistrationAndPutsItBack) {
    std::vector<ScreenRequest> demandes;
    ASSERT_TRUE(RegisterScreen("TfrmEssai", [](const ScreenRequest&) { return std::make_unique<Essai>(); }));
    EXPECT_FALSE(RegisterScreen("TfrmEssai", [](const ScreenRequest&) { return nullptr; }));
    ScreenFactory original = ReplaceScreen("TfrmEssai", [&](const ScreenRequest& demande) {
        demandes.push_back(demande);
        return std::make_unique<Essai>();
    });
    ASSERT_NE(CreateScreen("TfrmEssai", {2, true}), nullptr);
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_EQ(demandes[0].typeRof, 2);
    EXPECT_TRUE(demandes[0].rofObligatoire);
    ReplaceScreen("TfrmEssai", std::move(original));
    ASSERT_NE(CreateScreen("TfrmEssai"), nullptr);
    EXPECT_EQ(demandes.size(), 1u);
    EXPECT_FALSE(ReplaceScreen("TfrmEssai", {}) == nullptr);
    EXPECT_EQ(CreateScreen("TfrmEssai"), nullptr);
}

}  // namespace
}  // namespace kvarn::frame
