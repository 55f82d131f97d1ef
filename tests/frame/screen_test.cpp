// The screen contract itself: what an entry does to a field, and which fields refuse entries.
#include "frame/screens/screen.hpp"

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
