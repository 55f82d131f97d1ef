// Working table SyntheseMouvementKV, one row per associate and kind of shares concerned by a
// movement, as the movements see it: the one place that names its columns.
//
// EcrireLigneSynthese finds the row of the movement and detail key (synthese.hpp) or appends it,
// then writes the movement's date and type (empty when none is set), the associate, and the
// signed shares in the column of their kind, the other two emptied. EstCedant is never written.
#pragma once

#include "db/table.hpp"
#include "movements/synthese.hpp"

#include <kvarn/mouvements.hpp>

#include <optional>

namespace kvarn::movements {

void EcrireLigneSynthese(db::CTable& table, const cMouvParts& mouvement, int idAssocie, const LigneSynthese& ligne);

// A row's type and its signed shares, empty columns as 0: what its displayed type is made from.
struct TypeEtParts {
    std::optional<int> type;
    double pp = 0.0, u = 0.0, np = 0.0;
};
TypeEtParts LireTypeEtParts(db::CTable& table);

// A row as stored: its movement, its detail key (synthese.hpp), its associate, its type and its
// three share columns, empty ones empty.
struct LigneSyntheseStockee {
    int idMouvement = 0;
    int idDetail = 0;
    int idAssocie = 0;
    std::optional<int> type;
    std::optional<double> pp, u, np;
};
LigneSyntheseStockee LireLigneSyntheseStockee(db::CTable& table);

// The display-text handlers of the associate and type columns, replacing whatever was there.
void AffecterTextesSynthese(db::CTable& table, db::TFieldGetTextEvent idAssocie, db::TFieldGetTextEvent type);

}  // namespace kvarn::movements
