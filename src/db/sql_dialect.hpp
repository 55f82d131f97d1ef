// The module's local SQL, made into SQLite's: three rewrites and nothing else.
//
// The module keeps its statements exactly as it writes them (and as the desktop engine took
// them). Three of their forms mean something else to SQLite, so the statement is rewritten at
// exactly those places and left untouched everywhere else:
//
//   (a) the literals 'True' and 'False' where they are compared with a Logical column
//       ("ISDEDUCTION ='True'"), assigned to one ("SET ISDEDUCTION='True'") or inserted into one
//       ("INSERT INTO T(DESIGNATION,ISDEDUCTION) VALUES('x','True')", by position in the column
//       list) become 1 and 0, which is how a Logical is stored. A 'True' compared with or inserted
//       into a text column (a designation) stays text;
//   (b) a table written as ':ALIAS:Name' (the temporary alias) becomes the attached database's
//       table;
//   (c) a table alias written straight after the table name of a DELETE or UPDATE
//       ("DELETE FROM KOLMIKVA A WHERE ...") gets the AS that SQLite requires there.
//
// Which columns are Logical is asked of the catalogue through DialectCatalogue, for the tables
// the statement names (FROM, JOIN, INTO, UPDATE), so the rewrite itself is plain text work.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace kvarn::db {

struct TableReference {
    std::string alias;  // "" for the connection's default database
    std::string name;
};

struct DialectCatalogue {
    // The SQL text that names the table in SQLite (schema."Name"); DbError for an unknown alias.
    std::function<std::string(const TableReference&)> qualify;
    // The table's Logical columns, upper-cased (empty for a table that does not exist).
    std::function<std::set<std::string>(const TableReference&)> logicalColumns;
};

std::string RewriteStatement(std::string_view sql, const DialectCatalogue& catalogue);

}  // namespace kvarn::db
