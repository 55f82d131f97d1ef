// The older model's tables as the conversion reads and writes them: the one place that names the
// columns of KOLMIKVN, of KOLMIKVM's PartsCedees and of the associates' counts for the conversion.
//
// A dossier is in the older model while KOLMIKVM has its column PartsCedees; the conversion's
// last step drops that column and the table of lines KOLMIKVN, their values first kept in
// AnciennesValeurs (anciennes_valeurs.hpp). Reads go through table components over the dossier
// alias, so that dates and nulls read as the engine reads them everywhere.
#pragma once

#include "db/session.hpp"
#include "migration/mouvements_anciens.hpp"

#include <cstdint>
#include <vector>

namespace kvarn::migration {

bool EnModeleAncien(db::Session& session);

// KOLMIKVM in entry order; KOLMIKVN in entry order (none without the table); every associate's
// counts in key order.
std::vector<MouvementAncien> LireMouvementsAnciens(db::Session& session);
std::vector<LigneAncienne> LireLignesAnciennes(db::Session& session);
std::vector<ComptesAssocie> LireComptes(db::Session& session);

// Appends lines to KOLMIKVN, creating it in its older layout when missing.
void AjouterLignesAnciennes(db::Session& session, const std::vector<LigneAncienne>& lignes);
// Writes every associate's counts (empty ones null); the counts replaced are kept for `etape`.
void EcrireComptes(db::Session& session, const std::vector<ComptesAssocie>& comptes, std::uint32_t etape);

// Each movement's new type and transferor on its row, its detail rows in KOLMIKVP and its links
// in KOLMIKVA.
void EcrireMouvementsConvertis(db::Session& session, const std::vector<MouvementConverti>& mouvements);
// Keeps every value of KOLMIKVN and of PartsCedees for `etape`, then drops them.
void SupprimerModeleAncien(db::Session& session, std::uint32_t etape);

}  // namespace kvarn::migration
