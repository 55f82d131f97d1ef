// What one detail row of a movement stands for.
//
// A row of KOLMIKVP holds up to six non-negative quantities, increase and decrease of each kind,
// each empty when unused; an empty quantity is not a quantity of 0 (a stored 0 is a decrease of
// 0). The row names one main detail: the first kind, PP, then NP, then U, with an increase or a
// decrease, signed. A decrease of PP with an increase of U or NP also gives the usufruct or bare
// ownership kept by whoever dismembers; an increase of PP with a decrease of NP or U also gives
// the dismembered share that goes back into full ownership. Pure: no table is read here.
#pragma once

#include <kvarn/mouvements.hpp>

#include <array>
#include <optional>
#include <string_view>

namespace kvarn::movements {

struct LigneDetail {
    int idAsso = 0;
    std::optional<double> ppAug, ppDim, npAug, npDim, uAug, uDim;
};

// The six quantity columns of a row, in the table's order; each increase is followed by its
// decrease.
enum class Colonne : int { PPAug, PPDim, NPAug, NPDim, UAug, UDim };
inline constexpr std::array<Colonne, 6> kColonnes{Colonne::PPAug, Colonne::PPDim, Colonne::NPAug,
                                                  Colonne::NPDim,  Colonne::UAug,  Colonne::UDim};

// The column's name in KOLMIKVP ("NbPartsPPAug").
std::string_view NomColonne(Colonne colonne);
std::optional<double>& Quantite(LigneDetail& ligne, Colonne colonne);
const std::optional<double>& Quantite(const LigneDetail& ligne, Colonne colonne);

// The details of a row: none when every quantity is empty; else the row's main detail first,
// then those derived from its second quantity.
struct DetailsLigne {
    std::array<cDetailMouvementParts, 3> details;
    std::array<Colonne, 3> colonnes{};  // the column each detail was read from
    int nombre = 0;

    // Whether some detail was read from that column.
    bool Utilise(Colonne colonne) const;

    const cDetailMouvementParts* begin() const { return details.data(); }
    const cDetailMouvementParts* end() const { return details.data() + nombre; }
};

DetailsLigne DecoderLigneDetail(const LigneDetail& ligne);

}  // namespace kvarn::movements
