// Share movements: the records of one movement of shares between associates, its details and the
// links between bare owners and usufructuaries; and the exported operations that read them from
// the dossier and append them to it.
//
// A movement (cMouvParts, one row of table KOLMIKVM) has a date, a type code (0 to 6; -1 when no
// type is set; 7 and above are not movements and never count in a sum) and the set of its
// details: one signed number of shares of one kind (0 full ownership PP, 1 usufruct U, 2 bare
// ownership NP) won or lost by one associate. In the table a detail row (KOLMIKVP) may carry two
// quantities, a dismemberment or a reconstitution; the reading splits it. The links (cAssoNPU,
// table KOLMIKVA) say how many usufruct shares of which usufructuary stand behind a bare owner.
//
// The records are plain values owned by their holder; a new one holds its reset values, which RAZ
// puts back. RecupererListeMouvParts reads every dated movement of the dossier, ranked from 1 in
// date order; the storage operations append rows and return their new identifiers. Each operation
// runs inside the InitKV bracket and keeps its errors inside the module: it shows them in the
// host's exception box and returns what it gathered so far, 0 for an identifier.
#pragma once

#include <kvarn/kvarn.h>

#include <map>
#include <set>
#include <vector>

// Labels of the movement types (codes 0 to 6) and of the kinds of shares (codes 0 to 2).
extern KVARN_EXPORT const char* const LibellesTypeMouvement[7];
extern KVARN_EXPORT const char* const LibellesTypeParts[3];

// One associate's gain (positive) or loss (negative) of shares of one kind in a movement.
class KVARN_EXPORT cDetailMouvementParts {
public:
    void RAZ();
    // From the highest associate down, then by kind, then by number.
    bool operator<(const cDetailMouvementParts& autre) const;
    bool operator==(const cDetailMouvementParts& autre) const = default;

    int IdAsso = 0;
    int TypeParts = 0;
    double NbParts = 0.0;
};

// One movement; equal details collapse into one.
class KVARN_EXPORT cMouvParts {
public:
    void RAZ();
    bool operator==(const cMouvParts& autre) const = default;

    double DateMouvement = 0.0;
    int IDCedant = 0;  // 0 when nobody gives up shares
    int AutoID = 0;
    int TypeMouvement = -1;
    std::set<cDetailMouvementParts> Details;
};

// A movement in the layout older dossiers stored; only their conversion reads it.
class KVARN_EXPORT cMouvementParts_Obs {
public:
    void RAZ();

    double DateMouvement = 0.0;
    int IDCedant = 0;
    double PartsCedees = 0.0;
    int TypeMouvement = -1;
    std::set<cDetailMouvementParts> Details;
};

// One usufructuary of a bare owner and the usufruct shares standing behind that bare owner.
class KVARN_EXPORT cUsufruitier {
public:
    void RAZ();
    // The largest holding first; equal holdings by associate.
    bool operator<(const cUsufruitier& autre) const;

    int IdAsso = 0;
    double NbParts = 0.0;
};

// One row of KOLMIKVA: IdMouv 0 for a link that stands at the start of the year.
struct cAssoNPU {
    int IdMouv = 0;
    int IdNP = 0;
    int IdU = 0;
    double NbU = 0.0;
};

// The latest movement first, then by bare owner, usufructuary and number.
KVARN_EXPORT bool operator<(const cAssoNPU& a, const cAssoNPU& b);

// Rank (from 1, in date order, then in the order of entry) → movement.
using ListeMouvParts = std::map<int, cMouvParts>;

KVARN_EXPORT ListeMouvParts RecupererListeMouvParts();

// Appending a movement: open, save the movement (not its details), save each detail with the
// identifier just returned, close.
KVARN_EXPORT void KV_OuvrirMouvementsParts();
KVARN_EXPORT int KV_SauverMouvementsParts(const cMouvParts& mouvement);
// Nothing is written for a movement identifier of 0 or NULL_ENTIER.
KVARN_EXPORT void KV_SauverDetailMouvementsParts(const cDetailMouvementParts& detail, int idMouvement);
KVARN_EXPORT void KV_FermerMouvementsParts();

// Appending links, and reading them all.
KVARN_EXPORT void KV_OuvrirAssoNPU();
KVARN_EXPORT int KV_SauverAssoNPU(const cAssoNPU& lien);
KVARN_EXPORT void KV_FermerAssoNPU();
KVARN_EXPORT std::set<cAssoNPU> RecupererAssoNPU();

// The usufructuaries standing behind a bare owner at the end of the year, the largest holding
// first; those whose links sum to 0 are left out. `usufruitiers` is emptied first.
KVARN_EXPORT void RecupererUsufruitiers(int idNuProprietaire, std::vector<cUsufruitier>& usufruitiers);

// An associate's end-of-year shares in full ownership, usufruct and bare ownership: the
// start-of-year shares and the year's movements, each rounded to 5 decimals, summed. 0 for an
// unknown associate.
KVARN_EXPORT void RecupererMouvementAssocie(int idAssocie, double& pp, double& u, double& np);

// Shows the host's warning once when some associate holds a negative number of shares of any kind
// at the end of the year (the list of associates is loaded first when needed).
KVARN_EXPORT void VerifierValiditerPartAssocie();
// Whether every movement's links assign all it hands over: each movement's association opened as
// its screen opens it (the links it deletes and appends are stored), false at the first that
// leaves shares to assign.
KVARN_EXPORT bool MouvementsDePartsAssoNPUSontOK();
