// An associate of quality "Associé" created as the module creates one, with its start-of-year
// shares in full and bare ownership; its key.
#pragma once

#include <kvarn/associe.hpp>

namespace kvarn::testing_support {

inline int CreerAssocie(const char* nom, double pp, double np = 0) {
    Associe associe;
    associe.Nom = nom;
    associe.Qualite = QA_ASSOCIE;
    associe.NbParts = pp;
    associe.NbPartsN = np;
    associe.Creer();
    return associe.ShIDAssocie;
}

}  // namespace kvarn::testing_support
