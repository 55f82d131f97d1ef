// SQL over the open data module's session, for tests that check what the module stored: the first
// column of the first row as text ("NULL" for an empty one), a row count, or a statement run; and a
// row appended through a component with the values a test names, as the screens store one.
#pragma once

#include "db/session.hpp"
#include "db/table.hpp"

#include <string>
#include <utility>
#include <vector>

namespace kvarn::testing_support {

std::string ValeurSql(const std::string& select, const char* alias = db::ALIAS_DOSSIER);
// SELECT COUNT(*) FROM `fromWhere`.
int CompterSql(const std::string& fromWhere, const char* alias = db::ALIAS_DOSSIER);
void ExecuterSql(const std::string& statement, const char* alias = db::ALIAS_DOSSIER);
// Every row the statement returns, as one text: columns joined by "|", rows ended by ";", NULL
// for a null, numbers as SQLite writes them ("12.5", "70.0").
std::string LignesSql(const std::string& select);

// Column values of a row, by column name.
using Colonnes = std::vector<std::pair<std::string, db::Value>>;
// Appends a row of these values to the open table and posts it; the cursor stays on it.
void AjouterLigne(db::CTable& table, const Colonnes& colonnes);

}  // namespace kvarn::testing_support
