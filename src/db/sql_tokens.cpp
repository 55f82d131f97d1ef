#include "db/sql_tokens.hpp"

#include "db/errors.hpp"
#include "db/identifiers.hpp"

namespace kvarn::db {
namespace {

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool IsNamePart(unsigned char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// A quoted token from `start` (on the opening quote): its content with doubled quotes undone,
// and the offset just past the closing quote.
std::size_t ReadQuoted(std::string_view text, std::size_t start, std::string& content) {
    const char quote = text[start];
    std::size_t i = start + 1;
    while (i < text.size()) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                content += quote;
                i += 2;
                continue;
            }
            return i + 1;
        }
        content += text[i++];
    }
    throw DbError(std::string(quote == '\'' ? "Chaîne" : "Nom") + " non terminé(e) dans : " +
                  std::string(text));
}

}  // namespace

bool Token::IsWord(std::string_view word) const {
    return kind == TokenKind::Name && AsciiUpper(value) == AsciiUpper(word);
}

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c <= ' ') {
            ++i;
            continue;
        }
        Token token{TokenKind::Symbol, i, 0, {}};
        if (c == '\'' || c == '"') {
            token.kind = c == '\'' ? TokenKind::String : TokenKind::QuotedName;
            i = ReadQuoted(text, i, token.value);
        } else if (IsNameStart(c)) {
            token.kind = TokenKind::Name;
            while (i < text.size() && IsNamePart(static_cast<unsigned char>(text[i]))) ++i;
        } else if (IsDigit(c) || (c == '.' && i + 1 < text.size() && IsDigit(text[i + 1]))) {
            token.kind = TokenKind::Number;
            while (i < text.size() && (IsDigit(text[i]) || text[i] == '.')) ++i;
        } else {
            const std::string_view two = text.substr(i, 2);
            i += (two == "<>" || two == "<=" || two == ">=" || two == "!=" || two == "||") ? 2 : 1;
            if (std::string_view("=<>!(),.;*+-/%|:").find(static_cast<char>(c)) == std::string_view::npos)
                throw DbError("Caractère inattendu « " + std::string(1, static_cast<char>(c)) +
                              " » dans : " + std::string(text));
        }
        token.length = i - token.offset;
        if (token.kind == TokenKind::Name || token.kind == TokenKind::Number ||
            token.kind == TokenKind::Symbol)
            token.value = std::string(text.substr(token.offset, token.length));
        tokens.push_back(std::move(token));
    }
    return tokens;
}

}  // namespace kvarn::db
