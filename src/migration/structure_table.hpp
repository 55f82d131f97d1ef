// One table of the dossier as a structure step changes it.
//
// A step works through a table component on the dossier alias, as the module's structure steps
// always have: it checks that the table exists (a missing one is left to the host's table copy,
// which creates it in the current layout) and where each field stands before acting, so that a
// field already in its target form is left alone and a step run again changes nothing. A field is
// brought to a form (added at the end when missing, its type or width changed otherwise) or
// dropped; what a change cannot carry over and what a drop removes is kept in AnciennesValeurs
// first. Every change is told to the running step's report (store::NoterChangement).
#pragma once

#include "db/field_type.hpp"
#include "db/session.hpp"
#include "db/table.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvarn::migration {

class TableMigree {
public:
    // `table` as the module names it ("KOLMIKV1"); `etape` the step's number.
    TableMigree(db::Session& session, std::string table, std::uint32_t etape);

    db::Session& Session() { return session_; }
    const std::string& Nom() const { return table_; }
    std::uint32_t Etape() const { return etape_; }
    bool Existe();
    // The stored field of that name, as the catalogue reads it; nullopt when absent.
    std::optional<db::FieldDef> Champ(std::string_view nom);

    // Brings the field to `forme` (its name is the field's): added when missing, changed when its
    // type or width differ, left alone otherwise. Nothing when the table does not exist.
    void Former(const db::FieldDef& forme);
    // Drops the field when present, its values kept first.
    void Supprimer(std::string_view nom);

private:
    db::Session& session_;
    std::string table_;
    std::uint32_t etape_;
    db::CTable composant_;
};

}  // namespace kvarn::migration
