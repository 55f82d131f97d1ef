#include "db/query.hpp"

#include "common/dates.hpp"
#include "common/text.hpp"
#include "db/catalogue.hpp"
#include "db/errors.hpp"
#include "db/field_codec.hpp"
#include "db/identifiers.hpp"
#include "db/sql_dialect.hpp"
#include "db/sql_tokens.hpp"
#include "db/statement.hpp"
#include "db/transaction.hpp"

#include <sqlite3.h>

#include <algorithm>
#include <limits>

namespace kvarn::db {
namespace {

// The catalogue as the rewrite asks it: a table written with an alias (':ZOR_TMP:Name'), with a
// schema, or plainly (looked for on the query's alias first, then on the other one, as SQLite
// itself resolves an unqualified name in the main database first).
DialectCatalogue CatalogueOf(Session& session, const std::string& alias) {
    const auto schemaOf = [&session](const std::string& name) {
        return AsciiUpper(name) == "MAIN" ? std::string("main") : session.SchemaOfAlias(name);
    };
    DialectCatalogue catalogue;
    catalogue.qualify = [schemaOf](const TableReference& table) {
        return schemaOf(table.alias) + "." + QuoteIdentifier(WithoutDbSuffix(table.name));
    };
    catalogue.logicalColumns = [&session, alias, schemaOf](const TableReference& table) {
        std::vector<std::string> schemas;
        if (!table.alias.empty()) schemas.push_back(schemaOf(table.alias));
        else {
            schemas.push_back(session.SchemaOfAlias(alias));
            for (const char* other : {ALIAS_DOSSIER, ALIAS_TMP})
                if (session.connection().IsAttached(other) || std::string(other) == ALIAS_DOSSIER)
                    schemas.push_back(session.SchemaOfAlias(other));
        }
        std::set<std::string> logical;
        for (const std::string& schema : schemas) {
            for (const FieldDef& field :
                 ReadFields(session.connection(), schema, std::string(WithoutDbSuffix(table.name))))
                if (field.type == FieldType::Logical) logical.insert(AsciiUpper(field.name));
            if (!logical.empty()) break;
        }
        return logical;
    };
    return catalogue;
}

// A computed column takes the type of its values: whole numbers a Long (a Number when one is
// beyond 32 bits), any real a Number, texts that are all dates as the tables store them
// (MAX(DateMouvement)) a Date, other texts an Alpha as wide as the longest. A column of nulls only
// is a Number, which reads as 0, "", false and no date alike.
FieldDef TypeOfValues(std::string name, const std::vector<Value>& cells, std::size_t column, std::size_t columns) {
    FieldDef field{std::move(name), FieldType::Long, 0, false};
    std::size_t width = 1;
    bool any = false, text = false, dates = true, number = false, real = false;
    for (std::size_t i = column; i < cells.size(); i += columns) {
        const Value& cell = cells[i];
        if (cell.IsNull()) continue;
        any = true;
        if (cell.IsText()) {
            text = true;
            width = std::max(width, CharacterCount(cell.Text()));
            dates = dates && ParseIsoDate(cell.Text()).has_value();
            continue;
        }
        number = true;
        if (cell.IsReal() || cell.Integer() < std::numeric_limits<std::int32_t>::min() ||
            cell.Integer() > std::numeric_limits<std::int32_t>::max())
            real = true;
    }
    if (text && dates && !number) field.type = FieldType::Date;
    else if (text) field = {field.name, FieldType::Alpha, static_cast<int>(width), false};
    else if (real || !any) field.type = FieldType::Number;
    return field;
}

// A cell of a computed column in the form its type holds.
Value Normalized(const FieldDef& field, const Value& raw) {
    if (raw.IsNull()) return raw;
    if (field.type == FieldType::Date) return Value(*ParseIsoDate(raw.Text()));
    if (field.type == FieldType::Number) return Value(raw.IsInteger() ? static_cast<double>(raw.Integer()) : raw.Real());
    if (field.type == FieldType::Alpha && !raw.IsText())
        return Value(raw.IsInteger() ? std::to_string(raw.Integer()) : std::to_string(raw.Real()));
    return raw;
}

// Runs one step of running a statement of the module's: an error SQLite raises is restated to quote
// the statement as the module wrote it, keeping its kind; a busy dossier keeps its own message.
template <class Step>
auto QuotingRefusals(sqlite3* db, const std::string& written, Step&& step) -> decltype(step()) {
    try {
        return step();
    } catch (const DossierEnCoursUtilisation&) {
        throw;
    } catch (DbError& error) {
        error.Restate("Instruction SQL refusée (" + std::string(sqlite3_errmsg(db)) + ") :\n" + written);
        throw;
    }
}

Value RawCell(const Statement& statement, int column) {
    switch (sqlite3_column_type(statement.Handle(), column)) {
    case SQLITE_NULL: return Value();
    case SQLITE_INTEGER: return Value(static_cast<long long>(statement.ColumnInteger(column)));
    case SQLITE_FLOAT: return Value(statement.ColumnReal(column));
    default: return Value(std::string(statement.ColumnText(column)));
    }
}

}  // namespace

std::string SqlLines::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) text += (i ? "\n" : "") + lines_[i];
    return text;
}

CQuery::CQuery(Session& session) : session_(&session), alias_(ALIAS_DOSSIER) {}

void CQuery::SetDatabaseName(std::string_view alias) {
    if (active_) throw DbError("Impossible de changer l'alias d'une requête ouverte");
    alias_ = alias;
}

void CQuery::SetSessionName(std::string_view name) {
    if (!EqualsIgnoringCase(name, session_->SessionName()))
        throw DbError("Session inconnue : « " + std::string(name) + " »");
}

std::string CQuery::PreparedText(const std::string& written) {
    session_->SchemaOfAlias(alias_);  // an unknown or closed alias is refused before anything
    std::string text;
    try {
        text = RewriteStatement(written, CatalogueOf(*session_, alias_));
    } catch (DbError& error) {
        error.Restate(error.Message() + "\n" + written);
        throw;
    }
    // One statement per run: a second one after a ';' would otherwise be dropped unseen.
    const std::vector<Token> tokens = Tokenize(text);
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
        if (tokens[i].IsSymbol(";"))
            throw DbError("Une seule instruction SQL est attendue :\n" + written);
    return text;
}

void CQuery::Open() {
    Close();
    const std::string written = sql_.Text();
    const std::string text = PreparedText(written);
    sqlite3* db = session_->connection().Handle();
    Statement statement = QuotingRefusals(db, written, [&] { return Statement(db, text); });
    const int columns = statement.ColumnCount();
    if (columns == 0) throw DbError("La requête ne renvoie pas de lignes (ExecSQL attendu) :\n" + written);
    std::vector<FieldDef> defs;
    std::vector<bool> declared;
    for (int c = 0; c < columns; ++c) {
        const char* name = sqlite3_column_name(statement.Handle(), c);
        const char* type = sqlite3_column_decltype(statement.Handle(), c);
        const auto field = type ? FieldFromCatalogue(name, type, false) : std::nullopt;
        defs.push_back(field ? *field : FieldDef{name, FieldType::Long, 0, false});
        declared.push_back(field.has_value());
    }
    std::vector<Value> cells;
    QuotingRefusals(db, written, [&] {
        while (statement.Step())
            for (int c = 0; c < columns; ++c)
                cells.push_back(declared[c] ? ReadStored(statement, c, defs[c]) : RawCell(statement, c));
    });
    statement.Reset();
    const auto width = static_cast<std::size_t>(columns);
    for (std::size_t c = 0; c < width; ++c) {
        if (declared[c]) continue;
        defs[c] = TypeOfValues(defs[c].name, cells, c, width);
        for (std::size_t i = c; i < cells.size(); i += width) cells[i] = Normalized(defs[c], cells[i]);
    }
    cells_ = std::move(cells);
    rowCount_ = cells_.size() / width;
    displays_.assign(width, FieldDisplay{});
    FieldOwner& owner = *this;
    for (std::size_t c = 0; c < width; ++c) {
        fields_.emplace_back(owner, c, defs[c]);
        byName_.emplace(defs[c].name, c);  // the first of two columns of one name wins
    }
    active_ = true;
    First();
}

void CQuery::Close() {
    active_ = false;
    fields_.clear();
    displays_.clear();
    byName_.clear();
    cells_.clear();
    rowCount_ = position_ = 0;
    bof_ = eof_ = true;
}

void CQuery::ExecSQL() {
    const std::string written = sql_.Text();
    const std::string text = PreparedText(written);
    Connection& connection = session_->connection();
    AllOrNothing(*session_, [&] {
        QuotingRefusals(connection.Handle(), written, [&] { Statement(connection.Handle(), text).Run(); });
        rowsAffected_ = sqlite3_changes(connection.Handle());
    });
    connection.MarkAllChanged();
}

void CQuery::First() {
    position_ = 0;
    bof_ = true;
    eof_ = rowCount_ == 0;
}

void CQuery::Next() {
    if (eof_) return;
    bof_ = false;
    if (position_ + 1 < rowCount_) ++position_;
    else eof_ = true;
}

Field* CQuery::FindField(std::string_view name) {
    if (!active_) throw DbError("La requête n'est pas ouverte");
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : &fields_[found->second];
}

Field& CQuery::FieldByName(std::string_view name) {
    Field* field = FindField(name);
    if (!field) throw DbError("Le champ " + std::string(name) + " n'existe pas dans le résultat de la requête");
    return *field;
}

const Value& CQuery::HeldValue(std::size_t index) {
    static const Value none;
    if (!active_) throw DbError("La requête n'est pas ouverte");
    if (rowCount_ == 0) return none;
    return cells_[position_ * fields_.size() + index];
}

void CQuery::SetHeldValue(std::size_t, Value) {
    throw DbError("Le résultat d'une requête se lit seulement");
}

}  // namespace kvarn::db
