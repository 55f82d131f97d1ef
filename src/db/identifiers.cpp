#include "db/identifiers.hpp"

namespace kvarn::db {

std::string AsciiUpper(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string QuoteIdentifier(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string_view WithoutDbSuffix(std::string_view tableName) {
    if (tableName.size() > 3 && AsciiUpper(tableName.substr(tableName.size() - 3)) == ".DB")
        return tableName.substr(0, tableName.size() - 3);
    return tableName;
}

}  // namespace kvarn::db
