// Table KOLMIKVM, one row per movement, as the movements see it: the one place that names its
// columns. A row becomes a movement without details, and a movement becomes the columns of the
// row being appended (the caller appends and posts).
#pragma once

#include "db/table.hpp"

#include <kvarn/mouvements.hpp>

#include <array>
#include <optional>
#include <string_view>

namespace kvarn::movements {

// An undated movement has no record: it takes no rank. An empty transferor reads 0 (nobody), an
// empty type -1 (none set). The row of a component, or of a reader following its walk
// (db/forward_reader.hpp).
template <class Curseur>
std::optional<cMouvParts> LireMouvement(Curseur& table);
// Any movement's key, type (-1 when empty) and transferor (0 when empty), dated or not.
struct TypeEtCedant {
    int autoID = 0;
    int type = -1;
    int idCedant = 0;
};
template <class Curseur>
TypeEtCedant LireTypeEtCedant(Curseur& table);
// The fields LireMouvement reads.
inline constexpr std::array<std::string_view, 4> kChampsMouvement{"AutoID", "DateMouvement", "TypeMouvement",
                                                                  "IDCedant"};

// A transferor of 0 is stored empty: a movement whose transferor is set counts as a transfer,
// and a capital increase stored with 0 would make its participants impossible to delete.
void EcrireMouvement(db::CTable& table, const cMouvParts& mouvement);

}  // namespace kvarn::movements
