// The older model of share movements and its conversion into the current one. Pure: no table is
// read here (mouvements_anciens_tables.hpp reads and writes them).
//
// In the older model the associates' counts (NbParts, NbPartsU, NbPartsN) held the holdings after
// the year's movements. A movement named its transferor and the number he gave up (PartsCedees),
// and one line per transferee said what each gained (NombrePart of TypeParts: 0 PP, 1 U, 2 NP).
// The older type codes are the current ones with 3 and 4 exchanged: 4 was the dismemberment, 3
// the capital increase. The transferor gives up bare ownership in a sale of NP (1), usufruct in a
// sale of U (2) and in a reconstitution (6), full ownership otherwise; a reconstitution's PP line
// also loses as much bare ownership, which goes back into full ownership.
//
// Effets turns one older movement into what each associate gains or loses per kind; the start
// holdings are the counts less the effects that the positions will count, and the rows of the
// current model (KOLMIKVP) carry exactly those effects, so the positions computed afterwards end
// on the older counts.
#pragma once

#include "movements/decodage_detail.hpp"

#include <kvarn/mouvements.hpp>

#include <map>
#include <optional>
#include <vector>

namespace kvarn::migration {

struct MouvementAncien {
    int autoID = 0;
    std::optional<double> date;  // empty: undated
    int type = -1;               // older code; -1 when empty
    int idCedant = 0;            // 0: none
    double partsCedees = 0.0;
};

struct LigneAncienne {
    int idMouvement = 0;     // 0: a start holding parked by the conversion
    int idCessionnaire = 0;
    double nombrePart = 0.0;
    int typeParts = 0;  // 0 PP, 1 U, 2 NP; any other kind counts as PP, as the positions count it
};

// An associate's counts; an empty count is null in the table.
struct ComptesAssocie {
    int idAssocie = 0;
    std::optional<double> pp, u, np;
};

// Per associate, in the order first met, the net change of each kind it takes part in.
struct EffetAssocie {
    int idAssocie = 0;
    std::optional<double> pp, u, np;
};
using Effets = std::vector<EffetAssocie>;

// The current code of an older one: 3 and 4 exchanged; codes that were no movement (an empty
// type read -1, 7 and above) become 100 + code, so that no sum of the current model counts them.
int TypeCourant(int typeAncien);

// What the movement does to each associate: the transferor first, then the lines' holders.
Effets EffetsMouvement(const MouvementAncien& mouvement, const std::vector<LigneAncienne>& lignes);

// The lines of each movement, in their order.
std::map<int, std::vector<LigneAncienne>> LignesParMouvement(const std::vector<LigneAncienne>& lignes);

// Whether the positions of the current model count the movement: dated, not after the situation
// date (0: none), of a code 0 to 6.
bool CompteDansPositions(const MouvementAncien& mouvement, double dateSituation);

// The start holdings as lines with IdMouvement 0, one per associate and kind: the count less the
// counted movements' net change, rounded to 5 decimals. A kind with neither a count nor a change
// gets no line, so that its count stays empty.
std::vector<LigneAncienne> PartsDebut(const std::vector<MouvementAncien>& mouvements,
                                      const std::vector<LigneAncienne>& lignes,
                                      const std::vector<ComptesAssocie>& comptes, double dateSituation);

// The counts the parked lines give; an associate without a line of a kind gets an empty count.
ComptesAssocie ComptesParques(int idAssocie, const std::vector<LigneAncienne>& parquees);

// One movement in the current model: the row's new columns, its detail rows and its links.
struct MouvementConverti {
    int autoID = 0;
    int type = 0;
    std::optional<int> idCedant;  // empty for 0
    std::vector<movements::LigneDetail> details;
    std::vector<cAssoNPU> liens;
};

// A row per associate: a loss of PP shares its row with a gain of U (else NP), a gain of PP with
// a loss of NP (else U), as the rows of the current model are read; what is left takes a row of
// its own, so that the rows read back give each associate exactly its effect.
std::vector<movements::LigneDetail> LignesDetail(const Effets& effets);

// Dismemberment: a link per NP line and U line, NbU = NP × U ÷ the NP lines' sum at 5 decimals;
// reconstitution: a link per line (its holder, the transferor, NombrePart); other codes none.
std::vector<cAssoNPU> Liens(const MouvementAncien& mouvement, const std::vector<LigneAncienne>& lignes);

MouvementConverti ConvertirMouvement(const MouvementAncien& mouvement, const std::vector<LigneAncienne>& lignes);

}  // namespace kvarn::migration
