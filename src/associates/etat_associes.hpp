// The associates subsystem's module-wide state: one per data module, created by the associates'
// installer in the data module's slot for the associates, gone with the data module. It holds the
// cached list of associates (liste_associes.hpp) and its "loaded" flag, and the host's two
// callbacks of the result distribution, each set by its screen while it is open (empty otherwise).
//
// The associates sit below the movements and cannot include them; where the associates need the
// movements, the movements' installer registers here the functions the associates call: the
// end-of-year step (the associates component's calculated fields call it for every row), the
// computation of the positions that the list's loading runs first, and whether an associate gains
// shares in a movement of the year.
#pragma once

#include "associates/table_associes.hpp"
#include "store/data_module.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/ecrans.hpp>
#include <kvarn/liste_associes.hpp>

#include <cstddef>
#include <functional>
#include <vector>

namespace kvarn::associates {

// The end-of-year shares of an associate: its start-of-year shares plus the year's movements.
using EtapeFinExercice = std::function<PartsFinExercice(const Associe&)>;
// The same step for one walk over many associates: what they all share is read once, when the
// step is made.
using PreparationFinExercice = std::function<EtapeFinExercice()>;
// Recomputes every associate's positions; gives the total of the end-of-year full-ownership
// shares they hold.
using EtapePositions = std::function<double()>;
// Whether the associate gains shares in a movement of the year (other than a capital reduction).
using AcquiertDesParts = std::function<bool(int idAssocie)>;

// The cached list: every loaded associate by key, and the keys in the order the table gave the
// rows; the same keys split into physical and legal persons. The map ignores a second row with a
// key it holds; the orders keep that key twice. The split holds keys, not second copies of the
// records: whoever wants a physical person's record finds it in the one map, and copying every
// record (some 2.8 kB each) into a map of its kind cost a third of the load of a large list for
// copies nobody read.
struct ListeAssocies {
    CarteAssocies tous;
    OrdreAssocies ordreTous, ordrePhysiques, ordreMorales;
    bool chargee = false;

    void Vider();
    void Ajouter(Associe associe);
};

// Where the C interface's walks stand: indexes into the orders of the list, one over every
// associate (shared by the walk over the full-ownership holders), one over the legal persons, one
// over the physical persons. They outlive a reload of the list.
struct CurseursC {
    std::size_t tous = 0;
    std::size_t morales = 0;
    std::size_t physiques = 0;
};

struct EtatAssocies final : store::EtatSousSysteme {
    // While none is registered, the end-of-year columns are left as they are, the list's total
    // of full-ownership shares is 0 and only the shares held tell whether an associate takes
    // part in the year.
    EtapeFinExercice etapeFinExercice;
    PreparationFinExercice preparerFinExercice;
    EtapePositions calculerPositions;
    AcquiertDesParts acquiertDesParts;
    ListeAssocies liste;
    CurseursC curseurs;
    TCalculResultatAssocies calculResultat;
    TCalculResultatBICBA calculBICBA;
};

}  // namespace kvarn::associates
