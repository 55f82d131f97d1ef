// The result view tblResultatsAssocies over table KOLMIKV1: the one place that names its columns.
//
// The view keeps some stored columns of an associate (key, names, profession, quality, regime,
// start-of-year shares, the five entered shares) and adds the calculated columns of the result
// distribution. A row comes in here as an Associe holding just those members (the null rules of
// the record: an empty entered share is kNulEntier, an empty regime -1, an empty quality 0, empty
// shares 0); the calculated columns go out from ColonnesResultats, an empty optional clearing its
// column. The entered shares are written back here too, by the screens that let the user enter them.
#pragma once

#include "associates/table_associes.hpp"
#include "db/table.hpp"

#include <kvarn/associe.hpp>

#include <optional>
#include <string>

namespace kvarn::associates {

inline constexpr const char* kVueResultats = "tblResultatsAssocies";

struct ColonnesResultats {
    std::string denomination;
    std::optional<long> resultatTotal, resultatBICTotal, resultatBATotal, abandonsTotal, pvltTotal;
    std::optional<long> resultat, resultatBIC, resultatBA, abandons, pvlt;  // the "…Calc" shares
    std::optional<long> benefice, deficit, pvltAssocie;                     // Benefice, Deficit, PVLT
    PartsFinExercice fin;
    double nbPartsCalc = 0;
};

// The current row's stored members the view keeps.
Associe LireLigneResultats(db::CTable& vue);
void EcrireColonnesResultats(db::CTable& vue, const ColonnesResultats& colonnes);
// What the calculated columns show on the current row.
ColonnesResultats LireColonnesResultats(db::CTable& vue);

// The entered shares, into the row being edited; kNulEntier clears.
enum class Saisie { Benefice, PVLT, ResultatBIC, ResultatBA, Abandons };
void EcrireSaisie(db::CTable& vue, Saisie saisie, int valeur);
const char* NomColonneSaisie(Saisie saisie);

// The display text of the regime column: the long label, as the associates component shows it.
void AttacherTextesResultats(db::CTable& vue);

}  // namespace kvarn::associates
