// Creating the dossier's tables in the current layout.
//
// A new dossier gets its seven permanent tables from CreateDossierTables. The host's table copy
// (DuplicateTableAssistants) calls CreateMissingTable with a table's suffix ("kv1", "kv2",
// "kvm", "kv3", "kvp", "kva", "kvs") so that a dossier missing one of them gets it, empty, in the
// current layout; an existing table keeps its fields as they stand (the migrations bring them up
// to date) and gets the named indexes it lacks.
// The working tables are created on the temporary alias by CreateWorkingTables. LayoutDifference
// tells whether the dossier's tables are in the current layout, for the migrations.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvarn::db {
class Session;
}

namespace kvarn::store {

struct TableSpec;

// Creates the table when it does not exist; true when it was created.
bool CreateTableIfMissing(db::Session& session, const TableSpec& table);

// Creates every permanent table that is missing, in one transaction.
void CreateDossierTables(db::Session& session);

// The table of that suffix, created when missing, else given the named indexes of the current
// layout it lacks; DbError for an unknown suffix. True when it was created.
bool CreateMissingTable(db::Session& session, std::string_view suffix);

// Creates MouvementKV and SyntheseMouvementKV on the temporary alias when missing.
void CreateWorkingTables(db::Session& session);

// The first stored field of the current layout that an existing permanent table lacks, in French
// ("table KOLMIKV1 : champ « IDSP » absent"); nullopt when every existing table has all of its
// fields (a table not created yet will be, in the current layout).
std::optional<std::string> LayoutDifference(db::Session& session);

}  // namespace kvarn::store
