// The handlers of the associates component tblAssociesKV: the display texts of its coded columns
// and the computation of its calculated columns.
//
// AttacherGestionnairesAssocies assigns them on the data module's component, replacing whatever
// was attached, so it can run at every dossier start-up without stacking anything. The
// calculated columns are computed from the row's own members, in the data module's current
// loading mode; the end-of-year shares are computed by the step the movements register in the
// associates' state (etat_associes.hpp), and left as they are while none is registered.
#pragma once

#include "associates/etat_associes.hpp"
#include "associates/table_associes.hpp"
#include "db/field.hpp"
#include "db/table.hpp"
#include "store/data_module.hpp"

#include <kvarn/associe.hpp>

#include <string>

namespace kvarn::associates {

void AttacherGestionnairesAssocies(store::TdmKvarn& module);

// Display texts. Titre: nothing on an empty table, else the civility or legal-form label.
void TexteTitre(db::CTable& table, std::string& texte);
// The long label; "" for an empty column or -1.
void TexteRegimeImpositionSCI(db::Field& champ, std::string& texte, bool affichage);
// The label of the quality; an empty column reads as 0, as it does into the record.
void TexteQualite(db::Field& champ, std::string& texte, bool affichage);
// "" for an empty column or 0; else grouped thousands and 5 decimals, of the value taken to 15
// significant digits.
void TexteNbParts(db::Field& champ, std::string& texte, bool affichage);
// The label of the family situation; "" for an empty column, which tells of no situation.
void TexteSituationFamille(db::Field& champ, std::string& texte, bool affichage);

// NomAffichage, Identite, AdresseAffichage and IdentiteComplete of a record.
ColonnesCalculees CalculerColonnes(const Associe& associe, int modeChargement);
// The component's OnCalcFields: the columns above, then the end-of-year step when there is one.
void CalculerColonnesAssocies(db::CTable& table, int modeChargement, const EtapeFinExercice& etapeFinExercice);

}  // namespace kvarn::associates
