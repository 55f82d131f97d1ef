// Working table SyntheseMouvementKV, one row per associate and kind of shares concerned by a
// movement, as the movements see it: the one place that names its columns.
//
// A row to write is made from its movement and one synthesis row of a detail (LigneStockee): the
// movement's date and type (empty when none is set), the associate, and the signed shares in the
// column of their kind, the other two empty. EstCedant is never written. Writing finds the row of
// the movement and detail key (synthese.hpp) and overwrites it, or appends it: EcrireLigneSynthese
// through a component, one row; EcrireLignesSynthese a whole walk's rows in prepared statements,
// the keys already stored read once, the rows appended in the order given, so that the table ends
// as the same rows written one by one through a component in key order would leave it, and hands
// back every row of the table as it then stands.
#pragma once

#include "db/table.hpp"
#include "movements/synthese.hpp"

#include <kvarn/mouvements.hpp>

#include <optional>
#include <string>
#include <vector>

namespace kvarn::movements {

// A row's type and its signed shares, empty columns as 0: what its displayed type is made from.
struct TypeEtParts {
    std::optional<int> type;
    double pp = 0.0, u = 0.0, np = 0.0;
};
TypeEtParts LireTypeEtParts(db::CTable& table);

// A row as stored: its movement, its detail key (synthese.hpp), its associate, its movement's
// date and type, and its three share columns, empty ones empty.
struct LigneSyntheseStockee {
    int idMouvement = 0;
    int idDetail = 0;
    int idAssocie = 0;
    double date = 0.0;
    std::optional<int> type;
    std::optional<double> pp, u, np;

    bool operator==(const LigneSyntheseStockee&) const = default;
};
LigneSyntheseStockee LigneStockee(const cMouvParts& mouvement, int idAssocie, const LigneSynthese& ligne);

void EcrireLigneSynthese(db::CTable& table, const LigneSyntheseStockee& ligne);
// Returns the table's rows afterwards, in key order.
std::vector<LigneSyntheseStockee> EcrireLignesSynthese(db::Session& session, const std::string& alias,
                                                       const std::vector<LigneSyntheseStockee>& lignes);

// The display-text handlers of the associate and type columns, replacing whatever was there.
void AffecterTextesSynthese(db::CTable& table, db::TFieldGetTextEvent idAssocie, db::TFieldGetTextEvent type);

}  // namespace kvarn::movements
