// The text a row of the movement synthesis shows for its type: what the movement did for that
// associate, from the type and the sign of the row's shares. An empty type, a type that is not a
// movement, and a dismemberment or reconstitution row that neither gives nor takes, show nothing.
#pragma once

#include <optional>
#include <string>

namespace kvarn::movements {

// Empty share columns are passed as 0.
std::string LibelleTypeSynthese(std::optional<int> type, double partsPP, double partsU, double partsNP);

}  // namespace kvarn::movements
