// The screens the wizard can open, by form class (the tree's NoeudEcran::classeFormulaire).
//
// Each screen registers its factory once, from a static object in its own .cpp (every object file
// of the module is linked). A view asks for the screen of the node it shows; a form class no
// screen serves yet gives nothing. A form shared by several nodes asks the tree which one is
// selected (CTree::GetSelectedScreen). A screen opened outside the tree receives what its caller
// asks of it in a ScreenRequest: the ROF request opens the general-numbers screen on one
// obligation's row, mandatory or not; from the tree the request is empty.
#pragma once

#include "frame/screens/screen.hpp"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::frame {

struct ScreenRequest {
    int typeRof = -1;            // 0 TVA, 1 TDFC, 2 IS, 3 CVAE, 4 RCM; -1 when no obligation is asked for
    bool rofObligatoire = false;  // that obligation's entry is mandatory
};

using ScreenFactory = std::function<std::unique_ptr<Screen>(const ScreenRequest&)>;

using PlainScreenFactory = std::function<std::unique_ptr<Screen>()>;

// False, and nothing registered, when the form class already has its screen.
bool RegisterScreen(std::string formClass, ScreenFactory factory);
// A screen that takes no request.
bool RegisterScreen(std::string formClass, PlainScreenFactory factory);
// Puts `factory` in the place of the form class's current one (an empty factory removes it) and
// returns the one it replaces: a program or a test standing in for a screen puts it back after.
ScreenFactory ReplaceScreen(const std::string& formClass, ScreenFactory factory);
// A new screen for that form class, or nullptr.
std::unique_ptr<Screen> CreateScreen(std::string_view formClass, const ScreenRequest& request = {});
std::vector<std::string> RegisteredFormClasses();

struct ScreenRegistration {
    ScreenRegistration(const char* formClass, ScreenFactory factory) { RegisterScreen(formClass, std::move(factory)); }
    ScreenRegistration(const char* formClass, PlainScreenFactory factory) { RegisterScreen(formClass, std::move(factory)); }
};

}  // namespace kvarn::frame
