#include "db/sql_dialect.hpp"

#include "db/identifiers.hpp"
#include "db/sql_tokens.hpp"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace kvarn::db {
namespace {

struct Replacement {
    std::size_t offset;
    std::size_t length;
    std::string text;
};

// Words that may follow a table name and are therefore no alias.
bool IsClauseWord(const Token& token) {
    static const char* const words[] = {"WHERE",  "SET",   "ON",        "LEFT",   "RIGHT",  "INNER",
                                        "OUTER",  "JOIN",  "CROSS",     "NATURAL", "GROUP", "ORDER",
                                        "HAVING", "LIMIT", "UNION",     "EXCEPT", "INTERSECT",
                                        "VALUES", "SELECT", "AS",       "INDEXED", "NOT",  "RETURNING",
                                        "USING",  "FULL",  "DEFAULT",   "WINDOW"};
    return std::any_of(std::begin(words), std::end(words), [&](const char* w) { return token.IsWord(w); });
}

// ':ZOR_TMP:MouvementKV' → {ZOR_TMP, MouvementKV}.
std::optional<TableReference> AliasedTable(const Token& token) {
    if (token.kind != TokenKind::String || token.value.size() < 3 || token.value.front() != ':')
        return std::nullopt;
    const std::size_t second = token.value.find(':', 1);
    if (second == std::string::npos || second == 1 || second + 1 == token.value.size()) return std::nullopt;
    return TableReference{token.value.substr(1, second - 1), token.value.substr(second + 1)};
}

bool IsComparison(const Token& token) {
    for (const char* op : {"=", "<>", "!=", "<", ">", "<=", ">="})
        if (token.IsSymbol(op)) return true;
    return false;
}

bool IsLogicalLiteral(const Token& token) {
    return token.kind == TokenKind::String &&
           (AsciiUpper(token.value) == "TRUE" || AsciiUpper(token.value) == "FALSE");
}

std::string StoredLogical(const Token& token) { return AsciiUpper(token.value) == "TRUE" ? "1" : "0"; }

class Rewriter {
public:
    Rewriter(std::string_view sql, const DialectCatalogue& catalogue)
        : sql_(sql), catalogue_(catalogue), tokens_(Tokenize(sql)) {}

    std::string Run() {
        FindTables();
        for (std::size_t i = 0; i < tokens_.size(); ++i)
            if (IsLogicalLiteral(tokens_[i]) && !tableAt_.count(i) && ComparedWithLogical(i))
                replacements_.push_back({tokens_[i].offset, tokens_[i].length, StoredLogical(tokens_[i])});
        RewriteInsertedLogicals();
        return Apply();
    }

private:
    const Token* At(std::size_t i) const { return i < tokens_.size() ? &tokens_[i] : nullptr; }

    // Records the table named at token i and its alias; returns the index after them.
    std::size_t ReadTable(std::size_t i, bool aliasNeedsAs) {
        const Token& token = tokens_[i];
        TableReference table;
        if (const auto aliased = AliasedTable(token)) {
            table = *aliased;
            replacements_.push_back({token.offset, token.length, catalogue_.qualify(table)});
        } else if (token.IsName()) {
            table.name = token.value;
            if (const Token* dot = At(i + 1); dot && dot->IsSymbol(".") && At(i + 2) && At(i + 2)->IsName()) {
                table = {token.value, tokens_[i + 2].value};  // schema.table as SQLite takes it
                i += 2;
            }
        } else {
            return i;  // a sub-query or something else: not a table
        }
        const std::size_t key = tables_.size();
        tableAt_[i] = key;
        tables_.push_back(table);
        aliases_[AsciiUpper(table.name)] = key;
        std::size_t next = i + 1;
        const Token* after = At(next);
        if (after && after->IsWord("AS") && At(next + 1)) {
            aliases_[AsciiUpper(tokens_[next + 1].value)] = key;
            return next + 2;
        }
        if (after && after->IsName() && !IsClauseWord(*after)) {
            aliases_[AsciiUpper(after->value)] = key;
            if (aliasNeedsAs) replacements_.push_back({after->offset, 0, "AS "});
            return next + 1;
        }
        return next;
    }

    void FindTables() {
        for (std::size_t i = 0; i + 1 < tokens_.size(); ++i) {
            const Token& token = tokens_[i];
            const bool deleteFrom = token.IsWord("FROM") && i > 0 && tokens_[i - 1].IsWord("DELETE");
            if (token.IsWord("FROM")) {
                // FROM a, b: every table of the list.
                std::size_t next = ReadTable(i + 1, deleteFrom);
                while (!deleteFrom && At(next) && At(next)->IsSymbol(",") && At(next + 1))
                    next = ReadTable(next + 1, false);
            } else if (token.IsWord("JOIN") || token.IsWord("INTO")) {
                ReadTable(i + 1, false);
            } else if (token.IsWord("UPDATE")) {
                ReadTable(i + 1, true);
            }
        }
    }

    std::set<std::string> LogicalColumnsOf(std::size_t table) {
        auto found = logical_.find(table);
        if (found == logical_.end())
            found = logical_.emplace(table, catalogue_.logicalColumns(tables_[table])).first;
        return found->second;
    }

    // Whether the column reference ending at token i (NAME or QUALIFIER.NAME) is Logical.
    bool ColumnIsLogical(std::size_t i) {
        const Token& column = tokens_[i];
        if (!column.IsName() || tableAt_.count(i)) return false;
        const std::string name = AsciiUpper(column.value);
        if (i >= 2 && tokens_[i - 1].IsSymbol(".")) {
            const auto table = aliases_.find(AsciiUpper(tokens_[i - 2].value));
            return table != aliases_.end() && LogicalColumnsOf(table->second).count(name) != 0;
        }
        for (std::size_t t = 0; t < tables_.size(); ++t)
            if (LogicalColumnsOf(t).count(name)) return true;
        return false;
    }

    bool ComparedWithLogical(std::size_t i) {
        if (i >= 2 && IsComparison(tokens_[i - 1]) && ColumnIsLogical(i - 2)) return true;
        if (i + 2 < tokens_.size() && IsComparison(tokens_[i + 1])) {
            std::size_t column = i + 2;
            if (column + 2 < tokens_.size() && tokens_[column + 1].IsSymbol(".")) column += 2;
            return ColumnIsLogical(column);
        }
        return false;
    }

    // The items of a parenthesised list opening at token `open`, as token ranges split at the
    // commas of depth one; the index of the closing parenthesis in `close`.
    std::vector<std::pair<std::size_t, std::size_t>> ListItems(std::size_t open, std::size_t& close) const {
        std::vector<std::pair<std::size_t, std::size_t>> items;
        int depth = 0;
        std::size_t start = open + 1;
        for (std::size_t i = open; i < tokens_.size(); ++i) {
            if (tokens_[i].IsSymbol("(")) ++depth;
            else if (tokens_[i].IsSymbol(")") && --depth == 0) {
                items.emplace_back(start, i);
                close = i;
                return items;
            } else if (depth == 1 && tokens_[i].IsSymbol(",")) {
                items.emplace_back(start, i);
                start = i + 1;
            }
        }
        close = tokens_.size();
        return {};
    }

    // INSERT INTO T (c1, c2, ...) VALUES (v1, v2, ...): a value that is only 'True' or 'False'
    // is stored as a Logical when its column is one.
    void RewriteInsertedLogicals() {
        for (std::size_t i = 0; i + 3 < tokens_.size(); ++i) {
            if (!tokens_[i].IsWord("INSERT")) continue;
            std::size_t table = i + 1;
            while (table < tokens_.size() && !tableAt_.count(table)) ++table;
            std::size_t close = 0;
            if (!At(table + 1) || !tokens_[table + 1].IsSymbol("(")) continue;
            const auto columns = ListItems(table + 1, close);
            if (!At(close + 2) || !tokens_[close + 1].IsWord("VALUES") || !tokens_[close + 2].IsSymbol("("))
                continue;
            std::size_t valuesClose = 0;
            const auto values = ListItems(close + 2, valuesClose);
            const std::set<std::string> logical = LogicalColumnsOf(tableAt_.at(table));
            for (std::size_t k = 0; k < std::min(columns.size(), values.size()); ++k) {
                const auto [cBegin, cEnd] = columns[k];
                const auto [vBegin, vEnd] = values[k];
                if (cEnd - cBegin != 1 || vEnd - vBegin != 1 || !IsLogicalLiteral(tokens_[vBegin])) continue;
                if (logical.count(AsciiUpper(tokens_[cBegin].value)))
                    replacements_.push_back(
                        {tokens_[vBegin].offset, tokens_[vBegin].length, StoredLogical(tokens_[vBegin])});
            }
        }
    }

    std::string Apply() {
        std::sort(replacements_.begin(), replacements_.end(),
                  [](const Replacement& a, const Replacement& b) { return a.offset < b.offset; });
        std::string out;
        std::size_t done = 0;
        for (const Replacement& r : replacements_) {
            out.append(sql_.substr(done, r.offset - done));
            out += r.text;
            done = r.offset + r.length;
        }
        out.append(sql_.substr(done));
        return out;
    }

    std::string_view sql_;
    const DialectCatalogue& catalogue_;
    std::vector<Token> tokens_;
    std::vector<TableReference> tables_;
    std::map<std::size_t, std::size_t> tableAt_;  // token index of a table name → tables_
    std::map<std::string, std::size_t> aliases_;
    std::map<std::size_t, std::set<std::string>> logical_;
    std::vector<Replacement> replacements_;
};

}  // namespace

std::string RewriteStatement(std::string_view sql, const DialectCatalogue& catalogue) {
    return Rewriter(sql, catalogue).Run();
}

}  // namespace kvarn::db
