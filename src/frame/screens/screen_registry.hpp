// The screens the wizard can open, by form class (the tree's NoeudEcran::classeFormulaire).
//
// Each screen registers its factory once, from a static object in its own .cpp (every object file
// of the module is linked). A view asks for the screen of the node it shows; a form class no
// screen serves yet gives nothing. A form shared by several nodes asks the tree which one is
// selected (CTree::GetSelectedScreen).
#pragma once

#include "frame/screens/screen.hpp"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::frame {

using ScreenFactory = std::function<std::unique_ptr<Screen>()>;

// False, and nothing registered, when the form class already has its screen.
bool RegisterScreen(std::string formClass, ScreenFactory factory);
// A new screen for that form class, or nullptr.
std::unique_ptr<Screen> CreateScreen(std::string_view formClass);
std::vector<std::string> RegisteredFormClasses();

struct ScreenRegistration {
    ScreenRegistration(const char* formClass, ScreenFactory factory) { RegisterScreen(formClass, std::move(factory)); }
};

}  // namespace kvarn::frame
