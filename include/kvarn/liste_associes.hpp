// The cached list of the dossier's associates, as other programs of the suite read it.
//
// The list is loaded on first use and kept until someone who changed associates, shares or
// movements resets it (DesinitListeAssocies); loading recomputes every associate's positions
// first. Each associate is one Associe record with its end-of-year shares, the percentage of the
// year-end full-ownership shares it holds (kNulReel when nobody holds any) and whether it takes
// part in the year. The map and order handed out, and the records DonnerAssocie points to, belong
// to the module and are valid until the next reset. Loading runs inside the InitKV bracket; an
// error while loading reaches the caller and leaves the list unloaded, so the next use retries.
#pragma once

#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>

#include <map>
#include <vector>

// Associates by key (ShIDAssocie), and keys in the order the table gave them.
using CarteAssocies = std::map<int, Associe>;
using OrdreAssocies = std::vector<int>;

// Loads the list again: associates in company-name order when `triRaisonSociale`, else in key
// order. Returns true.
KVARN_EXPORT bool InitListeAssocies(bool triRaisonSociale);
KVARN_EXPORT void DesinitListeAssocies();
// The list, loaded first with that order when it is not loaded.
KVARN_EXPORT CarteAssocies* DonnerListeAssocies(bool triRaisonSociale);
KVARN_EXPORT OrdreAssocies* DonnerOrdreAssocies(bool triRaisonSociale);
// The associate of that key, or nullptr; `suivant`, when given, receives the key that follows it
// in the list's order (0 when it is the last, or unknown).
KVARN_EXPORT Associe* DonnerAssocie(int idAssocie, int* suivant = nullptr);
