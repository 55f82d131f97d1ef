// Dossiers of older releases, built by the tests: the tables as each release left them, with data,
// and the versions it recorded in "KOLMI$$G.dat".
//
// KOLMIKV1 at structure version V holds the current fields less those a later structure step
// adds, in the forms they had at V, and the fields a later step drops. KOLMIKV2 is in its current
// form; before data 0x11410 the movements are in the older model (KOLMIKVM with PartsCedees, one
// KOLMIKVN line per transferee), from it in the current one; KOLMIKV3 and KOLMIKVS appear with
// 0x10517. Named indexes are made or left out on request. Three associates are written, each
// value in a field the release has.
#pragma once

#include "db/field_type.hpp"
#include "db/value.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvarn::testing_support {

// A release and the versions its dossiers record: the last number of each chain whose label is
// not above the release's (none before the data chain existed).
struct VersionAncienne {
    const char* nom;
    std::uint32_t structure;
    std::optional<std::uint32_t> donnees;
};

std::span<const VersionAncienne> VersionsAnciennes();

// A field of KOLMIKV1 in an older form, held from `depuis` to before `jusqua`.
struct FormeAncienne {
    const char* champ;
    std::uint32_t depuis;
    std::uint32_t jusqua;
    db::FieldType type;
    int largeur;
};

std::span<const FormeAncienne> FormesAnciennes();

// KOLMIKV1's stored fields at a structure version, in their form then.
std::vector<db::FieldDef> ChampsAssociesEn(std::uint32_t structure);

// The values written for each associate (row 1, 2, 3), by field; a field the release lacks is
// not written.
struct ValeurAncienne {
    std::string champ;
    db::Value valeur;
};
const std::vector<std::vector<ValeurAncienne>>& AssociesAnciens();

// Builds the dossier's tables in `repertoire` (which holds a dossier record) and records the
// versions.
void CreerDossierAncien(const std::filesystem::path& repertoire, const VersionAncienne& version, bool index);

}  // namespace kvarn::testing_support
