#include "frame/screens/screen_registry.hpp"

#include "frame/screens/factory_registry.hpp"

namespace kvarn::frame {
namespace {

// Filled during the static initialisation of the module's objects, hence a function-local object.
FactoryRegistry<ScreenFactory>& Registry() {
    static FactoryRegistry<ScreenFactory> registry;
    return registry;
}

}  // namespace

bool RegisterScreen(std::string formClass, ScreenFactory factory) {
    return Registry().Register(std::move(formClass), std::move(factory));
}

bool RegisterScreen(std::string formClass, PlainScreenFactory factory) {
    return RegisterScreen(std::move(formClass), [f = std::move(factory)](const ScreenRequest&) { return f(); });
}

ScreenFactory ReplaceScreen(const std::string& formClass, ScreenFactory factory) {
    return Registry().Replace(formClass, std::move(factory));
}

std::unique_ptr<Screen> CreateScreen(std::string_view formClass, const ScreenRequest& request) {
    const ScreenFactory* factory = Registry().Find(formClass);
    return factory ? (*factory)(request) : nullptr;
}

std::vector<std::string> RegisteredFormClasses() { return Registry().FormClasses(); }

}  // namespace kvarn::frame
