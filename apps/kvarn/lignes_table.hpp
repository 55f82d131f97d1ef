// Rows of a table as the commands print them: every stored column of a row as a JSON object under
// its column's name (an empty column null, a date "dd/mm/yyyy"), or chosen columns as a line of
// tab-separated texts; numbers in their shortest exact form (10.5, 3).
#pragma once

#include "db/table.hpp"
#include "json.hpp"

#include <functional>
#include <string>
#include <vector>

namespace kvarn::cli {

std::string TexteNombre(double nombre);

// The column's value as the text output shows it: empty when the column is.
std::string TexteChamp(const db::Field& champ);

// One row as a JSON object: every column, then what `plus` adds inside the object.
void EcrireLigneJson(JsonWriter& json, db::CTable& table, const std::function<void(JsonWriter&)>& plus = {});

// Walks the table of the module's dossier (or of its working database) in the index's order.
void ParcourirTable(const char* alias, const char* table, const char* index, const std::function<void(db::CTable&)>& ligne);

// The rows on standard output: a JSON array of objects, or one line per row of the columns named,
// `plus` giving the JSON's extra keys and `texte` the line's extra fields (after the columns).
struct Affichage {
    std::vector<std::string> colonnes;
    std::function<void(JsonWriter&, db::CTable&)> plusJson;
    std::function<std::string(db::CTable&)> plusTexte;
};
void AfficherTable(const char* alias, const char* table, const char* index, const Affichage& affichage, bool json);

}  // namespace kvarn::cli
