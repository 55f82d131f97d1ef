// A registry of factories by form class: the screens' (screen_registry.hpp) and, in src/ui, the
// views'. One factory per form class; a later registration of the same class is refused, a
// replacement (a program or a test standing in for one) hands back the factory it replaces.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvarn::frame {

template <class Factory>
class FactoryRegistry {
public:
    bool Register(std::string formClass, Factory factory) {
        return factories_.try_emplace(std::move(formClass), std::move(factory)).second;
    }

    // An empty factory removes the form class's.
    Factory Replace(const std::string& formClass, Factory factory) {
        Factory previous{};
        if (const auto found = factories_.find(formClass); found != factories_.end()) {
            previous = std::move(found->second);
            factories_.erase(found);
        }
        if (factory) factories_.emplace(formClass, std::move(factory));
        return previous;
    }

    // The form class's factory, or nullptr.
    const Factory* Find(std::string_view formClass) const {
        const auto found = factories_.find(formClass);
        return found == factories_.end() ? nullptr : &found->second;
    }

    std::vector<std::string> FormClasses() const {
        std::vector<std::string> classes;
        for (const auto& entry : factories_) classes.push_back(entry.first);
        return classes;
    }

private:
    std::map<std::string, Factory, std::less<>> factories_;
};

}  // namespace kvarn::frame
