// The views of the screens, by form class, beside the screens' own registry (frame/screens).
//
// A view registers its factory once, from a static object in its .cpp:
//     const ViewRegistration kVue = ViewRegistration::Of<TfrmSiretView, TfrmSiret>("TfrmSiret");
// The window asks for the view of the screen it has just created for a node; a form class whose
// view has not landed gives nothing, and the window shows the node's caption and a notice instead.
#pragma once

#include "frame/screens/screen.hpp"
#include "ui/screen_view.hpp"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kvarn::ui {

using ViewFactory = std::function<std::unique_ptr<ScreenView>(frame::Screen&)>;

// False, and nothing registered, when the form class already has its view.
bool RegisterView(std::string formClass, ViewFactory factory);
// Puts `factory` in the place of the form class's current one (an empty factory removes it) and
// returns the one it replaces.
ViewFactory ReplaceView(const std::string& formClass, ViewFactory factory);
// The view of `screen` for that form class, or nullptr when none is registered.
std::unique_ptr<ScreenView> CreateView(std::string_view formClass, frame::Screen& screen);

struct ViewRegistration {
    ViewRegistration(const char* formClass, ViewFactory factory) { RegisterView(formClass, std::move(factory)); }

    // The registration of View, built over the screen of type ScreenType.
    template <class View, class ScreenType>
    static ViewRegistration Of(const char* formClass) {
        return ViewRegistration(formClass, [](frame::Screen& screen) -> std::unique_ptr<ScreenView> {
            return std::make_unique<View>(dynamic_cast<ScreenType&>(screen));
        });
    }
};

}  // namespace kvarn::ui
