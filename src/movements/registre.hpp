// The register of the company's shares for the open year: who held what at the start and at the
// end, every dated movement between them, the links between bare owners and usufructuaries, and
// the figures of the annex of a property company's return. A plain structure, composed here from
// what the positions computed and never worked out another way.
//
// ComposerRegistre takes the stored results as they are (sources below) and arranges them:
// - holdings: the position rows in associate order, leaving out an associate who holds nothing at
//   the start nor at the end and appears in no line of a listed movement;
// - movements: in rank order, those dated up to the situation date whose type is a movement (a
//   code of 7 and above is not, and no sum counts it); those after the situation date are only
//   counted. Each carries its synthesis rows in the order its detail rows were entered (main row,
//   then the rows derived from it) and its links with their real roles: a sale of usufruct stores
//   the buyer where the bare owner goes and the bare owner where the usufructuary goes;
// - links at the start: the start-of-year rows summed per pair; at the end: the bare-owner map's
//   usufructuaries, bare owners in order, the largest holding first; a pair whose shares sum to
//   nothing links nothing;
// - the annex: the start and end columns of the listed holdings, only for a year from 1 January
//   to 31 December whose situation is its end (a dossier without situation date has none to stop
//   at: every movement of the year counts, as at 31 December); otherwise the reason;
// - gaps: an associate and kind whose start plus the listed lines differs from the end, rounded
//   to 5 decimals. Whoever appears in lines without a position row (a beneficiary gets none)
//   starts and ends at nothing, so each of his lines is a gap too.
// Empty stored numbers stay empty in the holdings and the annex, and count as 0 in sums.
#pragma once

#include "movements/carte_npu.hpp"
#include "movements/table_positions.hpp"
#include "movements/table_synthese.hpp"

#include <kvarn/mouvements.hpp>

#include <optional>
#include <string>
#include <vector>

namespace kvarn::movements {

struct EnteteRegistre {
    std::string raisonSociale;
    std::string siren;
    double debut = 0.0, fin = 0.0, dateSituation = 0.0;  // day counts; 0: none
    double nbPartsDeclarees = 0.0;                       // setting NbParts of section KV
    double totalDebut = 0.0, totalFin = 0.0;             // Σ (PP + NP) of the holdings
    int mouvementsApresSituation = 0;
};

struct LienRegistre {
    int nuProprietaire = 0;
    int usufruitier = 0;
    double nbU = 0.0;
};

struct LigneRegistre {
    int idAssocie = 0;
    std::string designation;  // empty for an associate without position row
    PartsStockees parts;  // the one kind the line moves; the other two empty
    std::string libelle;
};

struct MouvementRegistre {
    int idMouvement = 0;
    double date = 0.0;
    std::optional<int> type;  // empty when none is set
    std::string libelleType;
    std::optional<int> idCedant;  // empty when nobody gives up shares
    std::vector<LigneRegistre> lignes;
    std::vector<LienRegistre> liens;
};

struct LigneAnnexe2072 {
    int idAssocie = 0;
    std::string designation;
    PartsStockees premierJanvier, trenteEtUnDecembre;
};

struct EcartRegistre {
    int idAssocie = 0;
    int nature = 0;  // kind of shares: 0 PP, 1 U, 2 NP
    double debut = 0.0, mouvements = 0.0, fin = 0.0;
};

struct Registre {
    EnteteRegistre entete;
    std::vector<PositionStockee> detentions;
    std::vector<MouvementRegistre> mouvements;
    std::vector<LienRegistre> liensDebut, liensFin;
    std::optional<std::vector<LigneAnnexe2072>> annexe2072;
    std::string motifSansAnnexe;  // set when there is no annex
    std::vector<EcartRegistre> ecarts;
};

// What the positions left, as stored. The header's totals and count are left for the composition.
struct SourcesRegistre {
    EnteteRegistre entete;
    std::vector<PositionStockee> positions;  // in associate order
    const ListeMouvParts* mouvements = nullptr;  // the cached list, read where it is
    std::vector<LigneSyntheseStockee> synthese;
    std::vector<cAssoNPU> liens;  // every numbered row of KOLMIKVA after the cleaning
    CarteNPU carte;
};

Registre ComposerRegistre(const SourcesRegistre& sources);

}  // namespace kvarn::movements
