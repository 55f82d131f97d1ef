// Working table MouvementKV, one row per associate's position, as the movements see it: the one
// place that names its columns. A position becomes the columns of the row being appended or
// edited (the caller posts); a new row also gets the associate and its kind of person. The
// amount column is cleared when the position has no amount; MontantDeb is never written here.
#pragma once

#include "db/table.hpp"
#include "movements/positions.hpp"

#include <optional>
#include <string>

namespace kvarn::movements {

inline constexpr const char* kIndexIdAssocie = "IDXIDASSOCIE";

int LireIdAssociePosition(db::CTable& table);
// Empty columns read 0.
double LirePartsPPFin(db::CTable& table);
double LirePartsUFin(db::CTable& table);
double LirePartsNPDebut(db::CTable& table);
PartsPPUNP LirePartsDebut(db::CTable& table);

// A row as stored, for whoever reports the positions as they are: an empty column stays empty.
struct PartsStockees {
    std::optional<double> pp, u, np;
};
struct PositionStockee {
    int idAssocie = 0;
    std::string designation;
    bool personnePhysique = false;
    PartsStockees debut, mouvements, fin;
};
PositionStockee LirePositionStockee(db::CTable& table);

void EcrireNouvellePosition(db::CTable& table, const PositionAssocie& position);
void EcrirePosition(db::CTable& table, const PositionAssocie& position);

}  // namespace kvarn::movements
