// An associate created as the module creates one (Associe::Creer), from the members a test names;
// its key. Every test that needs an associate in the table takes it from here.
#pragma once

#include <kvarn/associe.hpp>

namespace kvarn::testing_support {

inline int CreerAssocie(Associe associe) {
    associe.Creer();
    return associe.ShIDAssocie;
}

// Of quality "Associé", with its start-of-year shares in full and bare ownership.
inline int CreerAssocie(const char* nom, double pp, double np = 0) {
    Associe associe;
    associe.Nom = nom;
    associe.Qualite = QA_ASSOCIE;
    associe.NbParts = pp;
    associe.NbPartsN = np;
    return CreerAssocie(associe);
}

}  // namespace kvarn::testing_support
