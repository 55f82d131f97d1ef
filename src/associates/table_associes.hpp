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

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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

// What Associe::Creer writes into the row being edited or appended: the members EcrireAssocie
// writes but the name (EcrireNomAssocie, for an appended row), the numbers of rights and the
// registration numbers; the legal category only for a legal person; the birth postcode and INSEE
// code only for a birth in France; the towns upper-cased; and the four membership members.
void EcrireAssocieCree(db::CTable& table, const Associe& associe);
// The same, limited to the columns `retenue` keeps.
void EcrireAssocieCree(db::CTable& table, const Associe& associe, const std::function<bool(std::string_view)>& retenue);
void EcrireNomAssocie(db::CTable& table, const Associe& associe);
int LireCleAssocie(db::CTable& table);
// What the C interface's update writes: the members its record carries back (associe_c.hpp).
void EcrireAssocieInterfaceC(db::CTable& table, const Associe& associe);

// Every member of a record with its name, for a caller that shows them all: integers (codes,
// keys, country identifiers), reals, dates (day counts), booleans and texts, as the record holds
// them (nulls as sentinels); BICouMeuble as a text of its one character.
struct VisiteurMembres {
    std::function<void(const char* nom, int valeur)> entier;
    std::function<void(const char* nom, double valeur)> reel;
    std::function<void(const char* nom, double jour)> date;
    std::function<void(const char* nom, bool valeur)> booleen;
    std::function<void(const char* nom, const std::string& valeur)> texte;
};
void ParcourirMembres(const Associe& associe, const VisiteurMembres& visiteur);

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

// The end-of-year shares as the component's calculated columns show them on the current row.
PartsFinExercice LirePartsFinExercice(db::CTable& table);

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
