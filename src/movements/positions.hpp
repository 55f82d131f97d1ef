// An associate's position over the year: the shares held at the start, the net change by the
// year's movements and the shares held at the end, in full ownership (PP), usufruct (U) and bare
// ownership (NP); with the associate's name and designation as the position table shows them,
// and, when asked for, the amount of the shares held at the end (PP + NP) at a unit value.
//
// The end is the start plus the change, unrounded: the position table keeps what the movements
// give, where the associates' end-of-year columns round both to 5 decimals (fin_exercice.hpp).
// The designation is the civility (or for a legal person the legal form), the name and the first
// names, trimmed; in loading mode 5 a physical person is named by the married name. Pure.
#pragma once

#include "movements/cumul.hpp"

#include <kvarn/associe.hpp>

#include <optional>
#include <string>

namespace kvarn::movements {

struct PositionAssocie {
    int idAssocie = 0;
    std::string nom;
    bool personnePhysique = false;
    std::string designation;
    PartsPPUNP debut, mouvements, fin;
    std::optional<double> montant;  // empty when no amount was asked for
};

std::string DesignationAsso(const Associe& associe, int modeChargement);

// `valeurUnitaire` empty: no amount.
PositionAssocie CalculerPosition(const Associe& associe, const PartsPPUNP& mouvements, int modeChargement,
                                 std::optional<double> valeurUnitaire);

}  // namespace kvarn::movements
