// The year-end closing: the year's end positions become the next year's opening data, the year's
// movements and per-year entries go, and the settings of one year only are reset.
//
// All or nothing. The table steps run in one transaction (the inner ones of the subsystems join
// it); the dossier's settings file and the host's dossier record are deferred (their writes kept
// in memory) and reach the disk only after COMMIT, through the journal of pending files
// (db/pending_files.hpp): their images are recorded inside the transaction, the marker made
// before COMMIT, the files written after it. A closing stopped by an error, or cut by a crash,
// before COMMIT leaves the dossier as it was; one cut after COMMIT is finished at the next
// opening of the database. The steps never read what an earlier step deferred in the files, so
// keeping the writes in memory changes nothing of what they compute.
//
// Before its transaction the closing archives the dossier's files, and in it records the closing
// (cloture_enregistree.hpp) with the digest of the closed dossier, so that the last closing can be
// undone (decloture.hpp).
//
// The steps that belong to subsystems above the store (the share positions, the pairs of bare
// owner and usufructuary, the lists cached by the C interface) and the module-wide data module
// come through ServicesCloture, which the movements subsystem registers once.
#pragma once

#include "store/data_module.hpp"

#include <functional>
#include <vector>

namespace kvarn::store {

// A pair of bare owner and usufructuary in force at the end of the year.
struct PaireEnVigueur {
    int idNP = 0;
    int idU = 0;
    double nbU = 0;
};

struct ServicesCloture {
    std::function<TdmKvarn*()> dataModule;  // nullptr when there is none
    std::function<void(TdmKvarn&)> recalculerPositions;
    std::function<std::vector<PaireEnVigueur>(TdmKvarn&)> pairesEnVigueur;
    // Forgets the associates and movements lists the C interface keeps loaded.
    std::function<void(TdmKvarn&)> oublierListes;
};

void InscrireServicesCloture(ServicesCloture services);
const ServicesCloture& ServicesInscrits();

// Where a closing may be cut, as the fault hook is told: before each step 1 to 16, after the
// archive of the dossier (kPointArchive, between steps 1 and 2), then the points after COMMIT
// (kPointApresCommit, then one more per file written and the last before the marker goes). Step
// 16 (leaving the bracket) runs after the files; its point precedes COMMIT.
inline constexpr int kPointArchive = 17;
inline constexpr int kPointApresCommit = 18;

// The closing. `nouvelExercice`, when given, runs after step 15 with the host's record deferred:
// the standalone host moves its financial year there, in the same all-or-nothing change. true
// when closed; false after an error, shown through the exception box (unit 1015, its own place).
bool Cloturer(const std::function<void()>& nouvelExercice);

// Fault injection: called with each point of a closing, or of its undo (decloture.hpp);
// throwing from it stops the work there, as an error at that point would. nullptr clears it.
void SetClosingFaultHookForTests(std::function<void(int point)> hook);
// Tells the hook, when one is set, that the work reached `point`.
void PointDeCoupure(int point);

}  // namespace kvarn::store
