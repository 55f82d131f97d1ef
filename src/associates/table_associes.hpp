// Table KOLMIKV1 as the associates see it: the one place that names its columns.
//
// A row of a component over the table (tblAssociesKV, or any other that declares the columns)
// becomes an Associe here, member by member, with the null rules of the record: a member whose
// column is empty takes its null value, which for several members differs from the reset value
// (a quality of 0, a real of kNulReel). The handlers of the associates component come back here
// to read the members they show and to write the calculated columns, and to find the columns
// their display texts belong to; the check of the regimes comes for the regime column.
#pragma once

#include "db/field.hpp"
#include "db/table.hpp"

#include <kvarn/associe.hpp>

#include <memory>
#include <optional>
#include <string>

namespace kvarn::associates {

// Reads the rows of one open component into records, its columns found once: a walk over many
// rows builds one and reads each row with it. `Tous` reads as LireAssocie does, `Calculs` as
// LireMembresCalcules, `Positions` as LireMembresPositions, `Stockes` as LireAssocieStocke. Valid while the component stays open.
class LecteurAssocie {
public:
    enum class Membres { Tous, Calculs, Positions, Stockes };
    LecteurAssocie(db::CTable& table, Membres membres);
    ~LecteurAssocie();
    LecteurAssocie(const LecteurAssocie&) = delete;
    LecteurAssocie& operator=(const LecteurAssocie&) = delete;

    Associe Lire() const;

private:
    struct Champs;
    std::unique_ptr<Champs> champs_;
};

// The current row as a record. The membership members are not read, nor the two members the
// list of associates computes (PourcentageDetention, ConcerneExercice); a beneficiary's six share
// members stay 0.
Associe LireAssocie(db::CTable& table);

// The current row of a plain table over KOLMIKV1, which has none of the component's calculated
// columns: every stored member, and the start-of-year shares as stored whatever the quality
// (the exchange file counts every row's stored shares). The end-of-year members stay 0.
Associe LireAssocieStocke(db::CTable& table);

// Writes every stored member LireAssocie reads into the row being edited or appended, the key
// excepted (the table assigns it); a member holding its null value clears its column.
void EcrireAssocie(db::CTable& table, const Associe& associe);

// Only the members the calculated columns are computed from: key, person kind, title, names,
// address parts and start-of-year shares (read whatever the quality).
Associe LireMembresCalcules(db::CTable& table);

// Only the members the positions are computed from: key, quality, person kind, title, names and
// married name, start-of-year shares (read whatever the quality).
Associe LireMembresPositions(db::CTable& table);

struct PartsFinExercice {
    double pp = 0;
    double u = 0;
    double np = 0;
};

struct ColonnesCalculees {
    std::string nomAffichage;
    std::string identite;
    std::string adresseAffichage;
    std::string identiteComplete;
    std::optional<PartsFinExercice> finExercice;  // untouched when nothing computes them
};

void EcrireColonnesCalculees(db::CTable& table, const ColonnesCalculees& colonnes);

// The display-text handlers of the component's columns; an empty handler shows the value as it is.
struct TextesColonnes {
    db::TFieldGetTextEvent titre;
    db::TFieldGetTextEvent regimeImpositionSCI;
    db::TFieldGetTextEvent qualite;
    db::TFieldGetTextEvent nbParts;
    db::TFieldGetTextEvent situationFamille;
};

// Assigns the handlers to their columns, replacing whatever was there.
void AffecterTextesColonnes(db::CTable& table, TextesColonnes textes);

// The start-of-year shares of the row being edited (the caller posts): full and bare ownership
// together, usufruct on its own.
void EcrirePartsDebut(db::CTable& table, double pp, double np);
void EcrirePartsUDebut(db::CTable& table, double u);

// The row's tax regime column, which the check of a 2036 dossier's regimes clears.
db::Field& RegimeImpositionSCI(db::CTable& table);

}  // namespace kvarn::associates
