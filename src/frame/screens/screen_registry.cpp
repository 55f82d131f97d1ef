#include "frame/screens/screen_registry.hpp"

#include <map>

namespace kvarn::frame {
namespace {

// Filled during the static initialisation of the module's objects, hence a function-local object.
std::map<std::string, ScreenFactory, std::less<>>& Registry() {
    static std::map<std::string, ScreenFactory, std::less<>> registry;
    return registry;
}

}  // namespace

bool RegisterScreen(std::string formClass, ScreenFactory factory) {
    return Registry().try_emplace(std::move(formClass), std::move(factory)).second;
}

std::unique_ptr<Screen> CreateScreen(std::string_view formClass) {
    const auto found = Registry().find(formClass);
    return found == Registry().end() ? nullptr : found->second();
}

std::vector<std::string> RegisteredFormClasses() {
    std::vector<std::string> classes;
    for (const auto& [formClass, factory] : Registry()) classes.push_back(formClass);
    return classes;
}

}  // namespace kvarn::frame
