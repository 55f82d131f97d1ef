// The undo of the last year-end closing: the dossier put back as it was just before it, from the
// archive the closing took (cloture_enregistree.hpp).
//
// All or nothing, like the closing. The archive is restored into ".cloture/restauration/" and its
// database checked whole; into that restored database go the journal's rows (the settings file
// and the host's record as restored, the closing's record removed); then SQLite's online backup
// copies it into the dossier's open database in one transaction, the undo's COMMIT: the file and
// its locks stay, the rows and the pending files arrive together. The files are then written
// from the journal, as after a closing's COMMIT; an undo cut before the copy leaves the dossier
// closed, one cut after it is finished at the next opening of the database. The host's record
// restored brings its financial year back to the closed one.
//
// Only the last closing can be undone: its undo removes the record, and with it the archive.
// The undo refuses when the dossier changed since the closing (its digest differs), since
// putting the archive back would lose those changes, unless forced.
#pragma once

#include "store/cloture_enregistree.hpp"

#include <functional>

namespace kvarn::store {

inline constexpr const char* kAucuneClotureAAnnuler = "Aucune clôture à annuler";
inline constexpr const char* kArchiveClotureIntrouvable = "L'archive d'avant la clôture est introuvable ou endommagée";
inline constexpr const char* kDossierModifieDepuisCloture =
    "Le dossier a été modifié depuis la clôture : l'annuler perdrait ces modifications (--forcer pour l'annuler "
    "quand même)";

// Where an undo may be cut, as the closing's fault hook is told: the checks passed, the archive
// restored, its database checked and its journal written, the marker made, then the copy (the
// undo's COMMIT: kPointDeclotureCopiee) and one point more per file written and the last before
// the marker goes.
enum PointDecloture : int {
    kPointDeclotureVerifiee = 1,
    kPointDeclotureRestauree,
    kPointDeclotureJournalisee,
    kPointDeclotureMarquee,
    kPointDeclotureCopiee,
};

// true when undone. false otherwise: a refusal shown through the error box with its message, a
// failure through the exception box (unit 1015, its own place), or `confirmer` (asked once the
// undo is found possible, before anything is written) answering false.
bool Decloturer(bool forcer, const std::function<bool(const ClotureEnregistree&)>& confirmer = {});

}  // namespace kvarn::store
