// A column read as stored: empty stays empty, where the engine's AsFloat would read 0.
#pragma once

#include "db/field.hpp"

#include <optional>

namespace kvarn::movements {

inline std::optional<double> NombreOuVide(const db::Field& champ) {
    return champ.IsNull() ? std::nullopt : std::optional<double>(champ.AsFloat());
}

}  // namespace kvarn::movements
