// The cached list of the dossier's associates, as other programs of the suite read it.
//
// The list is loaded on first use and kept until someone who changed associates, shares or
// movements resets it (DesinitListeAssocies); loading recomputes every associate's positions
// first. Each associate is one Associe record with its end-of-year shares, the percentage of the
// year-end full-ownership shares it holds (kNulReel when nobody holds any) and whether it takes
// part in the year. The map and order handed out, and the records DonnerAssocie points to, belong
// to the module and are valid until the next reset. Loading runs inside the InitKV bracket; an
// error while loading reaches the caller and leaves the list unloaded, so the next use retries.
// The filtered views copy associates of the list into the caller's map or vector; the shares-by-
// regime count, the completeness check for the electronic returns and the co-manager look-up read
// the same associates.
#pragma once

#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>

#include <list>
#include <map>
#include <vector>

namespace kvarn::host {
class CBarre;
}

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

// Filtered copies of the list, loaded first when it is not (in key order). A list member empties
// the caller's map and copies into it every associate that passes; an order member empties the
// caller's vector and appends their keys, in ascending key order. PP, U and NP below are the
// end-of-year shares (NbPartsPPFinExo, NbPartsUFinExo, NbPartsNPFinExo), compared exactly; quality
// 9 is the manager who is no associate, 10 the beneficiary; regime 3 is RF, 4 BNC.
//
// PP ≠ 0; the list is always loaded again first, in the given order.
KVARN_EXPORT void DonnerListeAssociesNbPartsNonNull(CarteAssocies& retenus, bool triRaisonSociale);
// (PP ≠ 0 or U ≠ 0) and quality ≠ 9.
KVARN_EXPORT void DonnerListeAssociesPasAssoGerantNbPartsNbPartsUnonNull(CarteAssocies& retenus);
KVARN_EXPORT void DonnerOrdreAssociesPasAssoGerantNbPartsNbPartsUnonNull(OrdreAssocies& retenus);
// Quality ≠ 10.
KVARN_EXPORT void DonnerListeAssociesPasAssoGerantNbParts(CarteAssocies& retenus);
KVARN_EXPORT void DonnerOrdreAssociesPasAssoGerantNbParts(OrdreAssocies& retenus);
// Quality ≠ 9.
KVARN_EXPORT void DonnerListeAssociesPasAssoGerant(CarteAssocies& retenus);
KVARN_EXPORT void DonnerOrdreAssociesPasAssoGerant(OrdreAssocies& retenus);
// PP ≠ 0 or U ≠ 0.
KVARN_EXPORT void DonnerListeAssociesNbPartsNbPartsUnonNull(CarteAssocies& retenus);
KVARN_EXPORT void DonnerOrdreAssociesNbPartsNbPartsUnonNull(OrdreAssocies& retenus);
// (PP, U or NP ≠ 0), quality ≠ 9, regime 3 or 4.
KVARN_EXPORT void DonnerListeAssociesRFOuBNCPasAssoGerantNbPartsNbPartsUnonNull(CarteAssocies& retenus);
// (PP ≠ 0 or U ≠ 0), quality ≠ 9, regime 3.
KVARN_EXPORT void DonnerOrdreAssociesRFPasAssoGerantNbPartsNbPartsUnonNull(OrdreAssocies& retenus);
// (PP ≠ 0 or U ≠ 0), quality ≠ 9, regime ≠ 3.
KVARN_EXPORT void DonnerListeAssociesNonRFPasAssoGerantNbPartsNbPartsUnonNull(CarteAssocies& retenus);
KVARN_EXPORT void DonnerOrdreAssociesNonRFPasAssoGerantNbPartsNbPartsUnonNull(OrdreAssocies& retenus);
// (PP, U or NP > 0) and regime neither 3 nor 4, whatever the quality.
KVARN_EXPORT void DonnerListeAssociesBICouBAouISetNbPartsPPouUouNPNonNull(CarteAssocies& retenus);
// Not its map twin's predicate: the non-RF order's, (PP ≠ 0 or U ≠ 0), quality ≠ 9, regime ≠ 3.
KVARN_EXPORT void DonnerOrdreAssociesBICouBAouISetNbPartsPPouUouNPNonNull(OrdreAssocies& retenus);

// Some listed associate holds end-of-year shares, is not quality 9, and is under RF or BNC when
// `rfOuBnc`, under another regime (or none) otherwise.
KVARN_EXPORT bool AuMoinUnAssoNonGerantEtNbPartAndNbPartUnonNull(bool rfOuBnc);

// Which regimes hold end-of-year shares, over the associates table's rows as it shows them: rf,
// bicOuIs (BIC or IS), ba, bnc. The table is used where it stands when someone holds it (and put
// back on its row), else opened and closed again. `barre`, when given, gets the row count as its
// maximum and one step per row. Returns the company's declared number of shares, the setting
// "KV"/"NbParts" (0 when unset).
KVARN_EXPORT double NbPartsAssocies(kvarn::host::CBarre* barre, bool& rf, bool& bicOuIs, bool& ba, bool& bnc);

// Checks the physical persons of the list for the electronic returns, in key order, stopping at
// the first failure with the host's error box: a tax number the verifier refuses, or a record
// that is not blank and lacks a birth or married name, first names, birth postcode, birth place
// or birth date. Legal persons are not checked.
KVARN_EXPORT bool AssociesPersPhysiques_ControlesEdiValides();

// The co-managers (quality 12) of the associates table as outside-party records, appended to the
// caller's list; true when the list is not empty. An error of the table is shown in the host's
// exception box and gives false.
KVARN_EXPORT bool GetCogerant(std::list<INTERVENANT_KV>& cogerants);
