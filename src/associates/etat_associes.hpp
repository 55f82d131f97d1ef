// The associates subsystem's module-wide state: one per data module, created by the associates'
// installer in the data module's slot for the associates, gone with the data module.
//
// The associates sit below the movements and cannot include them; where the associates need the
// movements, the movements' installer registers here the function the associates call. The
// end-of-year step is one: the associates component's calculated fields call it for every row.
#pragma once

#include "associates/table_associes.hpp"
#include "store/data_module.hpp"

#include <kvarn/associe.hpp>

#include <functional>

namespace kvarn::associates {

// The end-of-year shares of an associate: its start-of-year shares plus the year's movements.
using EtapeFinExercice = std::function<PartsFinExercice(const Associe&)>;

struct EtatAssocies final : store::EtatSousSysteme {
    // While none is registered, the end-of-year columns are left as they are.
    EtapeFinExercice etapeFinExercice;
};

}  // namespace kvarn::associates
