#include "ui/view_registry.hpp"

#include "frame/screens/factory_registry.hpp"

namespace kvarn::ui {
namespace {

// Filled during static initialisation, hence a function-local object.
frame::FactoryRegistry<ViewFactory>& Registry() {
    static frame::FactoryRegistry<ViewFactory> registry;
    return registry;
}

}  // namespace

bool RegisterView(std::string formClass, ViewFactory factory) {
    return Registry().Register(std::move(formClass), std::move(factory));
}

ViewFactory ReplaceView(const std::string& formClass, ViewFactory factory) {
    return Registry().Replace(formClass, std::move(factory));
}

std::unique_ptr<ScreenView> CreateView(std::string_view formClass, frame::Screen& screen) {
    const ViewFactory* factory = Registry().Find(formClass);
    return factory ? (*factory)(screen) : nullptr;
}

}  // namespace kvarn::ui
