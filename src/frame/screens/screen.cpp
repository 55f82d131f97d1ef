#include "frame/screens/screen.hpp"

#include "common/text.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace kvarn::frame {

const Field& Screen::GetField(std::string_view name) const {
    const auto found = std::find_if(fields_.begin(), fields_.end(), [&](const Field& f) { return f.name == name; });
    if (found == fields_.end()) throw std::out_of_range("champ inconnu de l'écran : " + std::string(name));
    return *found;
}

Field& Screen::FieldRef(std::string_view name) { return const_cast<Field&>(GetField(name)); }

void Screen::Declare(Field field) { fields_.push_back(std::move(field)); }

void Screen::Edit(std::string_view name, std::string text) {
    Field& field = FieldRef(name);
    if (!field.enabled || !field.visible || field.readOnly)
        throw std::logic_error("le champ « " + field.name + " » n'accepte pas de saisie");
    if (field.width > 0) text = CutToWidth(text, static_cast<std::size_t>(field.width));
    focus_.clear();
    const std::string before = std::exchange(field.value, std::move(text));
    Edited(field, before);
}

void Screen::Edited(Field&, const std::string&) {}

}  // namespace kvarn::frame
