// The host's list of countries and its country selector.
//
// Identifiers are the product's own and frozen forever, with 76 = France (they are not ISO
// numeric codes, where 76 is Brazil). Each country has its ISO 3166-1 two-letter code and its
// French name. The table is generated from Debian's iso-codes (scripts/generate-countries) into
// src/standalone/pays_table.inc.
#pragma once

#include "common/nulls.hpp"
#include "host/liste_choix.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace kvarn::host {

struct Pays {
    int id;
    const char* codeIso;
    const char* libelle;
};

class TListePays {
public:
    static const std::vector<Pays>& Liste();  // by identifier
    static const Pays* Trouver(int id);
    static const Pays* TrouverCodeIso(std::string_view codeIso);  // without regard to case
    // Every country by French name (French collation-free: upper-cased comparison).
    static void AffecterComboBox(ListeChoix& liste, int selection);
};

// A country selector: holds the chosen country, France until told otherwise.
class CPays {
public:
    explicit CPays(int id = PAYS_FRANCE) : id_(id) {}
    int DonnerPays() const { return id_; }
    // False, keeping the current choice, for an unknown identifier.
    bool ChoisirPays(int id);

private:
    int id_;
};

}  // namespace kvarn::host
