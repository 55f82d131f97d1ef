// The names of the module's tables, each spelled here once.
//
// The seven permanent tables live in the dossier; the host knows each by a suffix ("kv1", ...)
// and copies them, on the module's request, in a fixed order with a location code of the
// environment adapter each (its places 255 to 262, 258 left out). The two working tables live on
// the temporary alias and the host never sees them. The engine matches table names without regard
// to case and without a ".db" suffix, so the module writes each name one way, the one below.
#pragma once

#include <cstdint>

namespace kvarn::environment {

struct TableDossier {
    const char* nom;       // "KOLMIKV1"
    const char* suffixe;   // "kv1": the host's name for it
    std::uint32_t placeCopie;  // the place of its copy within the environment adapter's unit
};

inline constexpr TableDossier kTableAssocies{"KOLMIKV1", "kv1", 255};
inline constexpr TableDossier kTableDiversFisc{"KOLMIKV2", "kv2", 256};
inline constexpr TableDossier kTableMouvementParts{"KOLMIKVM", "kvm", 257};
inline constexpr TableDossier kTableDiversFiscPartAssocie{"KOLMIKV3", "kv3", 259};
inline constexpr TableDossier kTableDetMouvParts{"KOLMIKVP", "kvp", 260};
inline constexpr TableDossier kTableAssoNPU{"KOLMIKVA", "kva", 261};
inline constexpr TableDossier kTableFonctionsEtCapital{"KOLMIKVS", "kvs", 262};

// The order the host copies them in.
inline constexpr const TableDossier* kTablesACopier[] = {
    &kTableAssocies, &kTableDiversFisc, &kTableMouvementParts, &kTableDiversFiscPartAssocie,
    &kTableDetMouvParts, &kTableAssoNPU, &kTableFonctionsEtCapital,
};

inline constexpr const char* kTableMouvementTmp = "MouvementKV";
inline constexpr const char* kTableSyntheseMouvement = "SyntheseMouvementKV";

}  // namespace kvarn::environment
