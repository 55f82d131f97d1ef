#include "db/filter.hpp"

#include "db/errors.hpp"
#include "db/field_value.hpp"
#include "db/identifiers.hpp"
#include "db/sql_tokens.hpp"

namespace kvarn::db {
namespace {

struct Operand {
    const FieldDef* field = nullptr;  // a field, or else a literal
    std::string literal;
    bool isNull = false;  // the literal NULL
};

class FilterParser {
public:
    FilterParser(std::string_view text, const std::function<const FieldDef*(std::string_view)>& fieldOf)
        : text_(text), fieldOf_(fieldOf), tokens_(Tokenize(text)) {}

    CompiledFilter Run() {
        CompiledFilter filter;
        filter.condition = Expression(filter);
        if (position_ != tokens_.size()) Fail("« " + tokens_[position_].value + " » inattendu");
        return filter;
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw DbError("Filtre invalide (" + reason + ") : " + std::string(text_));
    }

    const Token* Peek() const { return position_ < tokens_.size() ? &tokens_[position_] : nullptr; }
    bool AcceptWord(std::string_view word) {
        if (Peek() && Peek()->IsWord(word)) return ++position_, true;
        return false;
    }
    bool AcceptSymbol(std::string_view symbol) {
        if (Peek() && Peek()->IsSymbol(symbol)) return ++position_, true;
        return false;
    }

    std::string Expression(CompiledFilter& filter) {
        std::string sql = Conjunction(filter);
        while (AcceptWord("OR")) sql = "(" + sql + " OR " + Conjunction(filter) + ")";
        return sql;
    }

    std::string Conjunction(CompiledFilter& filter) {
        std::string sql = Factor(filter);
        while (AcceptWord("AND")) sql = "(" + sql + " AND " + Factor(filter) + ")";
        return sql;
    }

    std::string Factor(CompiledFilter& filter) {
        if (AcceptWord("NOT")) return "(NOT " + Factor(filter) + ")";
        if (AcceptSymbol("(")) {
            std::string sql = Expression(filter);
            if (!AcceptSymbol(")")) Fail("parenthèse fermante attendue");
            return sql;
        }
        return Comparison(filter);
    }

    Operand ReadOperand() {
        const Token* token = Peek();
        if (!token) Fail("expression incomplète");
        ++position_;
        if (token->IsWord("NULL")) return Operand{nullptr, {}, true};
        if (token->IsName()) {
            const FieldDef* field = fieldOf_(token->value);
            if (!field) Fail("champ inconnu « " + token->value + " »");
            if (field->calculated) Fail("le champ calculé " + field->name + " ne peut pas être filtré");
            return Operand{field, {}, false};
        }
        if (token->kind == TokenKind::String || token->kind == TokenKind::Number)
            return Operand{nullptr, token->value, false};
        if (token->IsSymbol("-") && Peek() && Peek()->kind == TokenKind::Number)
            return Operand{nullptr, "-" + tokens_[position_++].value, false};
        Fail("« " + token->value + " » inattendu");
    }

    std::string ReadOperator() {
        const Token* token = Peek();
        for (const char* op : {"=", "<>", "!=", "<", ">", "<=", ">="})
            if (token && token->IsSymbol(op)) {
                ++position_;
                return std::string(op) == "!=" ? "<>" : op;
            }
        Fail("opérateur de comparaison attendu");
    }

    std::string Comparison(CompiledFilter& filter) {
        Operand left = ReadOperand();
        if (left.field && AcceptWord("IS")) {
            const bool negated = AcceptWord("NOT");
            if (!AcceptWord("NULL")) Fail("NULL attendu après IS");
            return "(" + QuoteIdentifier(left.field->name) + (negated ? " IS NOT NULL)" : " IS NULL)");
        }
        std::string op = ReadOperator();
        Operand right = ReadOperand();
        if (!left.field) {  // 10 < Qualite reads Qualite > 10
            std::swap(left, right);
            if (op == "<") op = ">";
            else if (op == ">") op = "<";
            else if (op == "<=") op = ">=";
            else if (op == ">=") op = "<=";
        }
        if (!left.field) Fail("une comparaison porte sur au moins un champ");
        // A null is unequal to every value and neither below nor above any.
        const char* whenNull = op == "<>" ? "1" : "0";
        if (right.isNull) return op == "<>" ? "(" + QuoteIdentifier(left.field->name) + " IS NOT NULL)"
                                            : "(" + QuoteIdentifier(left.field->name) + " IS NULL)";
        std::string rightSql = "?";
        if (right.field) rightSql = QuoteIdentifier(right.field->name);
        else filter.parameters.push_back({*left.field, LiteralFor(*left.field, right.literal)});
        return "COALESCE(" + QuoteIdentifier(left.field->name) + " " + op + " " + rightSql + ", " +
               whenNull + ")";
    }

    // The literal as the field holds values. A text is compared as written, never cut to the
    // field's width, so that a longer text matches nothing.
    Value LiteralFor(const FieldDef& field, const std::string& literal) {
        if (field.type == FieldType::Alpha) return Value(literal);
        try {
            Value value = ToFieldValue(field, Value(literal));
            if (!value.IsNull()) return value;
        } catch (const DbError&) {
        }
        Fail("« " + literal + " » n'est pas une valeur du champ " + field.name);
    }

    std::string_view text_;
    const std::function<const FieldDef*(std::string_view)>& fieldOf_;
    std::vector<Token> tokens_;
    std::size_t position_ = 0;
};

}  // namespace

CompiledFilter CompileFilter(std::string_view text,
                             const std::function<const FieldDef*(std::string_view)>& fieldOf) {
    return FilterParser(text, fieldOf).Run();
}

}  // namespace kvarn::db
