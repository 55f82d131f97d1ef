// Table structures: creating a table with its named indexes, and reading one back.
//
// A table is its stored fields in order (FieldDef, declared types of field_type.hpp) and its
// named indexes. A named index is what the module selects a sort order by ("idxTri",
// "idxRaisonSociale"): a list of fields, unique or not, case-insensitive or not. It lives in
// SQLite as a real index called "<table>$<index name>" (index names are per database in SQLite,
// and the working tables share the name "idxTRI"). Text fields of a case-insensitive index carry
// SQLite's own NOCASE collation, which marks the index as case-insensitive in the catalogue; the
// French order itself is applied when a component reads its rows (french_collation.hpp), so that
// no collation of the engine's is named in the schema and the stock sqlite3 shell can check and
// write the file. Index names compare without regard to case.
//
// Dossiers made when the indexes named the French collation are brought to that form when they
// are opened (PlainIndexes): their indexes are dropped and created again, in one transaction.
//
// The engine learns a table's fields and indexes from the catalogue when a component opens it,
// never from the module's schema, so it opens a dossier of an older layout as it stands.
#pragma once

#include "db/field_type.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace kvarn::db {

class Session;
class Connection;

struct IndexDef {
    std::string name;
    std::vector<std::string> fields;
    bool unique = false;
    bool caseInsensitive = true;
};

struct TableDef {
    std::string name;
    std::vector<FieldDef> fields;  // stored fields only
    std::vector<IndexDef> indexes;
};

// Creates the table and its indexes in one transaction; DbError when it exists already.
void CreateTable(Session& session, std::string_view alias, const TableDef& table);

// The stored fields of a table in column order; DbError for a column of unknown type.
std::vector<FieldDef> ReadFields(Connection& connection, const std::string& schema,
                                 const std::string& table);
// The named indexes of a table.
std::vector<IndexDef> ReadIndexes(Connection& connection, const std::string& schema,
                                  const std::string& table);

// "IdMouv;IdAsso" → {"IdMouv", "IdAsso"} (blanks around names are dropped).
std::vector<std::string> SplitFieldList(std::string_view list);

// The index of that name, compared without regard to case; nullptr when absent.
const IndexDef* FindIndex(const std::vector<IndexDef>& indexes, std::string_view name);

// The CREATE INDEX statement of a named index of the table, in `schema`.
std::string IndexStatement(const std::string& schema, const TableDef& table, const IndexDef& index);

// Creates again, with NOCASE, the named indexes of the alias's tables that name the engine's
// French collation.
void PlainIndexes(Session& session, std::string_view alias);

// The physical SQLite name of a named index.
std::string PhysicalIndexName(std::string_view table, std::string_view index);

}  // namespace kvarn::db
