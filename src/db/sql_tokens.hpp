// Splitting the module's SQL statements and filter texts into tokens.
//
// Both dialects share one lexical form: names (letters, digits, '_' and '$', optionally
// "double-quoted"), string literals in single quotes with '' standing for one quote, numbers,
// and symbols (operators and punctuation, "<>", "<=", ">=", "!=" as one token). Blanks and line
// breaks only separate tokens. Every token keeps its place in the text, so that a rewrite can
// splice a replacement into the statement exactly as written and leave the rest untouched.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::db {

enum class TokenKind { Name, QuotedName, String, Number, Symbol };

struct Token {
    TokenKind kind;
    std::size_t offset;  // place in the text
    std::size_t length;  // length in the text, quotes included
    std::string value;   // a name or symbol as written; a string's or quoted name's content

    // A plain name equal to `word` without regard to ASCII case ("where" is WHERE).
    bool IsWord(std::string_view word) const;
    bool IsSymbol(std::string_view symbol) const { return kind == TokenKind::Symbol && value == symbol; }
    bool IsName() const { return kind == TokenKind::Name || kind == TokenKind::QuotedName; }
};

// DbError naming the text for an unterminated string or quoted name, or a character that
// belongs to no token.
std::vector<Token> Tokenize(std::string_view text);

}  // namespace kvarn::db
