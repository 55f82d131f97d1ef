// Table KOLMIKVP, one row per associate concerned by a movement, as the movements see it: the one
// place that names its columns. Each of the six quantities is read as empty or a number, never
// through the engine's 0 for an empty column: a stored 0 is a quantity. A detail becomes the
// columns of the row being appended (the caller appends and posts).
//
// ColonnesDetail finds the columns once in a table component over the table and reads them at
// each row.
#pragma once

#include "db/field.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "movements/decodage_detail.hpp"

#include <kvarn/mouvements.hpp>

#include <functional>
#include <optional>
#include <string>

namespace kvarn::movements {

class ColonnesDetail {
public:
    template <class Curseur>
    explicit ColonnesDetail(Curseur& curseur)
        : autoID_(curseur.FieldByName("AutoID")), idAsso_(curseur.FieldByName("IdAsso")), ppAug_(curseur.FieldByName("NbPartsPPAug")),
          ppDim_(curseur.FieldByName("NbPartsPPDim")), npAug_(curseur.FieldByName("NbPartsNPAug")),
          npDim_(curseur.FieldByName("NbPartsNPDim")), uAug_(curseur.FieldByName("NbPartsUAug")),
          uDim_(curseur.FieldByName("NbPartsUDim")) {}

    LigneDetail Lire() const;
    int IdDetail() const { return autoID_.AsInteger(); }
    int IdAsso() const { return idAsso_.AsInteger(); }

private:
    const db::Field &autoID_, &idAsso_, &ppAug_, &ppDim_, &npAug_, &npDim_, &uAug_, &uDim_;
};

// Every row of the table that names a movement, in one statement stepped straight from the
// engine (no cursor, no copy of the result): `lire(idMouvement, ligne)` for each, in the order of
// entry.
void ParcourirLignesDetail(db::Session& session, const std::function<void(int, const LigneDetail&)>& lire);
// The same walk, giving each row's own key too: `lire(idMouvement, idDetail, ligne)`.
void ParcourirLignesDetailNumerotees(db::Session& session,
                                     const std::function<void(int, int, const LigneDetail&)>& lire);

LigneDetail LireLigneDetail(db::CTable& table);
int LireIdAssoDetail(db::CTable& table);
// The row's calculated name of its associate.
void EcrireNomAssoDetail(db::CTable& table, const std::string& nom);
// A gain goes to the kind's increase column, anything else (0 included) to its decrease column as
// a non-negative number; a kind other than PP, U and NP writes no quantity.
void EcrireDetail(db::CTable& table, const cDetailMouvementParts& detail, int idMouvement);
// The row as entered: every quantity, empty ones left empty.
void EcrireLigneDetail(db::CTable& table, const LigneDetail& ligne, int idMouvement);

}  // namespace kvarn::movements
